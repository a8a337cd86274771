// BuildPhoneticLine: which text each edition's phonetic line gets, through the program's own
// PinYin and romaji tables.

#include "script/PhoneticLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "baselib/Utils.h"
#include "baselib/WideChar.h"
#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "script/EditionProfile.h"
#include "script/PinyinTable.h"
#include "script/RomajiTable.h"
#include "tests/script/ScriptTestFiles.h"

using namespace scripttest;

namespace {

std::u16string Text(const String& s)
{
    return std::u16string(s.GetString(), s.GetLength());
}

CPhrase Phrase(int id, const std::u16string& name)
{
    CPhrase phrase;
    phrase.id = id;
    phrase.name = String(name.c_str());
    return phrase;
}

}  // namespace

TEST(PhoneticLineTest, ChineseLineIsThePinyinOfTheTranslation)
{
    Bytes file;
    PutLe16(file, 1);
    PutLe16(file, 1);
    for (char16_t unit : std::u16string(u"nǐ\0\0\0\0\0", 7))
        PutLe16(file, unit);
    PutLe16(file, 0x4F60);
    PutLe16(file, 1);
    ASSERT_EQ(CPinyinTable::kLoaded, GetPinyinTable()->LoadPinyinFromBytes(file.data(), file.size()));

    const CPhrase phrase = Phrase(1, u"你");
    String line(u"old");
    ASSERT_TRUE(BuildPhoneticLine(VeloraProfile(), &phrase, nullptr, line));
    EXPECT_EQ(u"nǐ ", Text(line));
    ASSERT_TRUE(BuildPhoneticLine(VeloraProfile(), nullptr, nullptr, line));
    EXPECT_EQ(u"", Text(line)) << "no translation selected";
    DeletePinyinTable();
}

TEST(PhoneticLineTest, JapaneseLineIsTheRomajiOfTheKanaText)
{
    // The program's table is read from its folder at first use.
    const String folder = CUtils::GetCurrDirPath();
    ASSERT_FALSE(folder.IsEmpty());
    const std::filesystem::path tablePath = ToAnsiString(folder.GetString());
    const Bytes table = Utf16Bytes(u"か=ka;さ=sa;");
    {
        std::FILE* f = std::fopen((tablePath / "Romaji.tab").c_str(), "wb");
        ASSERT_NE(nullptr, f);
        std::fwrite(table.data(), 1, table.size(), f);
        std::fclose(f);
    }
    DeleteRomajiTable();

    CPhraseBook kanaBook;
    kanaBook.GetTranslations().Append(new CPhrase(Phrase(7, u"かさ")));
    const CPhrase kanji = Phrase(7, u"傘");
    const CPhrase missing = Phrase(8, u"雨");
    String line(u"old");
    ASSERT_TRUE(BuildPhoneticLine(MiravelProfile(), &kanji, &kanaBook, line));
    EXPECT_EQ(u"ka sa ", Text(line));
    ASSERT_TRUE(BuildPhoneticLine(MiravelProfile(), &missing, &kanaBook, line));
    EXPECT_EQ(u"", Text(line)) << "the kana book lacks the phrase";

    DeleteRomajiTable();
    std::filesystem::remove(tablePath / "Romaji.tab");
}

TEST(PhoneticLineTest, KoreanHasNoLine)
{
    const CPhrase phrase = Phrase(1, u"안녕");
    String line(u"old");
    ASSERT_TRUE(BuildPhoneticLine(SerrakProfile(), &phrase, nullptr, line));
    EXPECT_EQ(u"", Text(line));
}
