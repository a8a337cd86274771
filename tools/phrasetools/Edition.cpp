#include "tools/phrasetools/Edition.h"

const std::vector<BookInfo>& AllBooks()
{
    static const std::vector<BookInfo> books = {
        {BookKind::Chinese, "zh", "Velora", "phrases.dat"},
        {BookKind::Japanese, "ja", "Miravel", "phenjp.dat"},
        {BookKind::Kana, "kana", "Miravel", "phenkata.dat"},
        {BookKind::Korean, "ko", "Serrak", "phrases.dat"},
    };
    return books;
}

const BookInfo* FindBook(const std::string& key)
{
    for (const BookInfo& book : AllBooks()) {
        if (key == book.key)
            return &book;
    }
    return nullptr;
}

const std::u16string& SourceTranslation(const SourcePhrase& phrase, BookKind kind)
{
    switch (kind) {
    case BookKind::Chinese:
        return phrase.zh;
    case BookKind::Japanese:
        return phrase.ja;
    case BookKind::Kana:
        return phrase.kana;
    case BookKind::Korean:
        break;
    }
    return phrase.ko;
}

const std::u16string& SourceTip(const SourcePhrase& phrase, BookKind kind)
{
    switch (kind) {
    case BookKind::Chinese:
        return phrase.tipZh;
    case BookKind::Japanese:
    case BookKind::Kana:
        return phrase.tipJa;
    case BookKind::Korean:
        break;
    }
    return phrase.tipKo;
}

const char* SourceKey(BookKind kind)
{
    switch (kind) {
    case BookKind::Chinese:
        return "zh";
    case BookKind::Japanese:
        return "ja";
    case BookKind::Kana:
        return "kana";
    case BookKind::Korean:
        break;
    }
    return "ko";
}
