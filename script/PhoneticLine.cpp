#include "script/PhoneticLine.h"

#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "script/EditionProfile.h"
#include "script/PinyinLine.h"
#include "script/PinyinTable.h"
#include "script/RomajiTable.h"

bool BuildPhoneticLine(const EditionProfile& profile, const CPhrase* translation,
                       const CPhraseBook* kanaBook, String& line)
{
    switch (profile.phonetic) {
    case PhoneticLine::None:
        line.Empty();
        return true;
    case PhoneticLine::Pinyin: {
        const CPinyinTable* table = GetPinyinTable();
        if (table == nullptr)
            return false;
        line = translation != nullptr ? BuildPinyinLine(*table, translation->name) : String();
        return true;
    }
    case PhoneticLine::Romaji: {
        const CRomajiTable* table = GetRomajiTable();
        if (table == nullptr)
            return false;
        const CPhrase* kana =
            (translation != nullptr && kanaBook != nullptr) ? kanaBook->FindTranslation(translation->id) : nullptr;
        line = kana != nullptr ? ConvertToRomaji(*table, kana->name) : String();
        return true;
    }
    }
    return false;
}
