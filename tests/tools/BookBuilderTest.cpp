// The compiler's book: category order, reading digits derived from the PinYin table, kana
// texts, tips, templates, the speech lists, and the text form that turns back into the same
// bytes.

#include <gtest/gtest.h>

#include <cstring>

#include "phrasebook/PhraseBook.h"
#include "script/PinyinTable.h"
#include "tools/phrasetools/BookBuilder.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/BookText.h"
#include "tools/phrasetools/SpeechList.h"
#include "tools/phrasetools/Utf.h"

namespace {

// A PinYin table file: syllables, then (character, syllable number) entries in reading order.
std::vector<uint8_t> PinyinFile(const std::vector<std::u16string>& syllables,
                                const std::vector<std::pair<char16_t, int>>& entries)
{
    std::vector<uint8_t> out;
    auto put16 = [&](unsigned value) {
        out.push_back(static_cast<uint8_t>(value & 0xFF));
        out.push_back(static_cast<uint8_t>(value >> 8));
    };
    put16(static_cast<unsigned>(syllables.size()));
    put16(static_cast<unsigned>(entries.size()));
    for (const std::u16string& syllable : syllables) {
        for (int i = 0; i < 7; ++i)
            put16(i < static_cast<int>(syllable.size()) ? syllable[i] : 0);
    }
    for (const auto& [code, number] : entries) {
        put16(code);
        put16(static_cast<unsigned>(number));
    }
    return out;
}

class BookBuilderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<uint8_t> file = PinyinFile({u"hǎo", u"hào", u"xíng", u"háng", u"nǐ"},
                                               {{u'好', 1}, {u'好', 2}, {u'行', 3}, {u'行', 4}, {u'你', 5}});
        ASSERT_EQ(m_pinyin.LoadPinyinFromBytes(file.data(), file.size()), CPinyinTable::kLoaded);
    }

    bool Build(const std::string& text, BookKind kind, CPhraseBook& book)
    {
        return Build(std::vector<std::string>{text}, kind, book);
    }

    // One text per source file.
    bool Build(const std::vector<std::string>& files, BookKind kind, CPhraseBook& book)
    {
        m_errors.clear();
        m_sources = PhraseSources();
        for (size_t i = 0; i < files.size(); ++i)
            ParseFile("test" + std::to_string(i) + ".txt", files[i], m_sources, m_errors);
        Resolve(m_sources, m_errors);
        if (!m_errors.empty())
            return false;
        return BuildPhraseBook(m_sources, kind, &m_pinyin, book, m_errors);
    }

    std::string Errors() const
    {
        std::string out;
        for (const SourceError& error : m_errors)
            out += FormatError(error) + "\n";
        return out;
    }

    CPinyinTable m_pinyin;
    PhraseSources m_sources;
    std::vector<SourceError> m_errors;
};

std::string Phrase(int id, const std::string& zh, const std::string& py)
{
    return "@" + std::to_string(id) + "\nen: e" + std::to_string(id) + "\nzh: " + zh + "\npy: " + py +
           "\nja: 日本。\nkana: にほん！\nko: 한국\n\n";
}

}  // namespace

TEST_F(BookBuilderTest, MajorCategoriesComeBeforeSubCategoriesOfTheSameName)
{
    std::vector<std::string> files = {"major: Sightseeing\nsub: Questions\n\n" + Phrase(6000, "你", "nǐ"),
                                      "major: Questions\nsub: Where\n\n" + Phrase(10000, "你", "nǐ")};
    CPhraseBook book;
    ASSERT_TRUE(Build(files, BookKind::Chinese, book)) << Errors();
    ASSERT_EQ(book.GetCategories().GetCount(), 4u);
    EXPECT_EQ(book.GetCategories().GetAt(0)->parent, 0);
    EXPECT_EQ(book.GetCategories().GetAt(1)->parent, 0);
    const CCategory* questions = book.FindCategoryByName(u"Questions");
    ASSERT_NE(questions, nullptr);
    EXPECT_EQ(questions->parent, 0);
    Ostrel::CSimpleArray<CPhrase*> listed;
    book.CollectPhrases(questions->id, listed, true);
    ASSERT_EQ(listed.GetCount(), 1u);
    EXPECT_EQ(listed[0]->id, 10000);
}

TEST_F(BookBuilderTest, ReadingDigitsFollowThePinyinTable)
{
    struct Case {
        const char* zh;
        const char* py;
        std::u16string name;
    };
    const Case cases[] = {
        {"好", "hǎo", u"好"},              // the usual reading needs no digit
        {"好", "hào", u"好1"},             // the first alternative
        {"行好", "háng hǎo", u"行1好"},
        {"你好！", "Nǐ hǎo", u"你好！"},   // capitals and punctuation
    };
    for (const Case& c : cases) {
        CPhraseBook book;
        ASSERT_TRUE(Build("major: A\n\n" + Phrase(1, c.zh, c.py), BookKind::Chinese, book)) << c.zh << Errors();
        ASSERT_NE(book.FindTranslation(1), nullptr);
        EXPECT_EQ(Utf::FromString(book.FindTranslation(1)->name), c.name) << c.zh << " " << c.py;
    }
}

TEST_F(BookBuilderTest, ReportsReadingsTheTableCannotGive)
{
    struct Case {
        const char* zh;
        const char* py;
        const char* message;
    };
    const Case cases[] = {
        {"好", "hāo", "the reading \"hāo\" of 好 is not in the PinYin table (readings hǎo, hào)"},
        {"好好", "hǎo", "more Chinese characters than py has syllables"},
        {"好", "hǎo hǎo", "more syllables than zh has Chinese characters"},
        {"是", "shì", "of 是 is not in the PinYin table (no readings)"},
    };
    for (const Case& c : cases) {
        CPhraseBook book;
        EXPECT_FALSE(Build("major: A\n\n" + Phrase(7, c.zh, c.py), BookKind::Chinese, book));
        EXPECT_NE(Errors().find("phrase @7: "), std::string::npos) << Errors();
        EXPECT_NE(Errors().find(c.message), std::string::npos) << Errors();
    }
}

TEST_F(BookBuilderTest, KanaBookStoresFullWidthAsciiAsAscii)
{
    CPhraseBook kana, japanese;
    ASSERT_TRUE(Build("major: A\n\n" + Phrase(1, "你", "nǐ"), BookKind::Kana, kana)) << Errors();
    ASSERT_TRUE(Build("major: A\n\n" + Phrase(1, "你", "nǐ"), BookKind::Japanese, japanese)) << Errors();
    EXPECT_EQ(Utf::FromString(kana.FindTranslation(1)->name), u"にほん!");
    EXPECT_EQ(Utf::FromString(japanese.FindTranslation(1)->name), u"日本。");
}

TEST_F(BookBuilderTest, SameTipTextIsStoredOnceAndEachTranslationSpeaksItsOwnClip)
{
    std::string text = "major: A\n\n@1\nen: a\nko: 가\ntip-ko: Bow.\n\n@2\nen: b\nko: 나\ntip-ko: Bow.\n\n"
                       "@3\nen: c\nko: 다\ntip-ko: Smile.\n\n";
    CPhraseBook book;
    ASSERT_TRUE(Build(text, BookKind::Korean, book)) << Errors();
    ASSERT_EQ(book.GetTips().GetCount(), 2u);
    EXPECT_EQ(book.FindTranslation(1)->tips[0], book.FindTranslation(2)->tips[0]);
    EXPECT_NE(book.FindTranslation(1)->tips[0], book.FindTranslation(3)->tips[0]);
    EXPECT_EQ(Utf::FromString(book.FindTranslation(3)->GetTipText(book)), u"Smile.");
    for (int id : {1, 2, 3}) {
        ASSERT_EQ(book.FindTranslation(id)->clips.GetCount(), 1u);
        EXPECT_EQ(book.FindTranslation(id)->clips[0], id);
    }
}

TEST_F(BookBuilderTest, TemplateSelectsItsConcretePhrases)
{
    std::string text = "major: A\nsub: B\n\n@100\nen: I want $W1.\nW1: tea|coffee\nrelated: 1\n\n" +
                       std::string("@101 = tea\nzh: 好\npy: hǎo\n\n@102 = coffee\nzh: 行\npy: xíng\n\n") +
                       Phrase(1, "你", "nǐ");
    CPhraseBook book;
    ASSERT_TRUE(Build(text, BookKind::Chinese, book)) << Errors();
    CPhrase* phrase = book.FindPhrase(100);
    ASSERT_NE(phrase, nullptr);
    EXPECT_FALSE(phrase->atomic);
    EXPECT_TRUE(phrase->visible);
    EXPECT_EQ(book.FindTranslation(100), nullptr);
    EXPECT_EQ(Utf::FromString(phrase->GetDisplayText()), u"I want [tea].");
    EXPECT_EQ(phrase->GetConcreteId(), 101);
    phrase->GetWildCardAt(0)->SetCurrentValueIndex(1);
    EXPECT_EQ(phrase->GetConcreteId(), 102);
    const CPhrase* concrete = book.FindPhrase(102);
    ASSERT_NE(concrete, nullptr);
    EXPECT_FALSE(concrete->visible);
    EXPECT_EQ(concrete->cat_id, phrase->cat_id);
    EXPECT_EQ(Utf::FromString(concrete->name), u"I want coffee.");
    EXPECT_EQ(concrete->related.GetCount(), 1u);

    std::string speech = BuildSpeechList(m_sources, BookKind::Chinese);
    EXPECT_EQ(speech, "101\thǎo\n102\txíng\n1\tnǐ\n");
    EXPECT_EQ(BuildSpeechList(m_sources, BookKind::Japanese), "1\tにほん！\n");
}

TEST_F(BookBuilderTest, TextFormTurnsBackIntoTheSameBytes)
{
    std::string text = "major: A\nsub: B\n\n@100\nen: I want $W1.\nW1: tea|coffee\n\n" +
                       std::string("@101 = tea\nzh: 好\npy: hǎo\ntip-zh: A \"quoted\" tip\\.\n\n") +
                       "@102 = coffee\nzh: 行\npy: háng\n\n" + Phrase(1, "你", "nǐ");
    CPhraseBook book;
    ASSERT_TRUE(Build(text, BookKind::Chinese, book)) << Errors();
    // Fields the compiler never sets must survive too.
    CPhrase* odd = book.GetTranslations().GetAt(0);
    odd->aux_flag = true;
    odd->aux_value = -7;
    odd->name = Utf::ToString(std::u16string{u'a', u'\t', u'\n', 0x01, 0xD800, u'"', u'\\'});
    book.GetNames().Append(new CNameRecord(5, String(u"name")));
    book.GetPairs().Append(new CPairRecord(1, -2));

    std::string bytes, error;
    ASSERT_TRUE(SerializePhraseBook(book, bytes, error)) << error;
    CPhraseBook reread;
    std::string dumped = DumpPhraseBook(book);
    ASSERT_TRUE(ParsePhraseBookText(dumped, reread, error)) << error;
    std::string again;
    ASSERT_TRUE(SerializePhraseBook(reread, again, error)) << error;
    EXPECT_EQ(bytes, again);
    EXPECT_EQ(DumpPhraseBook(reread), dumped);
}

TEST(BookTextTest, RejectsDamagedText)
{
    const char* const good = "book \"19760424\"\ncategory id=1 parent=0 name=\"A\"\nend \"19760424\"\n";
    CPhraseBook book;
    std::string error;
    ASSERT_TRUE(ParsePhraseBookText(good, book, error)) << error;
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"book \"1976\"\nend \"19760424\"\n", "line 1: the book's magic"},
        {"book \"19760424\"\ncategory id=x parent=0 name=\"A\"\nend \"19760424\"\n", "line 2: \"id\" is not an integer"},
        {"book \"19760424\"\ncategory id=1 parent=0 name=\"A\n", "line 2: unterminated text"},
        {"book \"19760424\"\ncategory id=1 parent=0 name=\"\\q\"\nend \"19760424\"\n", "unknown escape"},
        {"book \"19760424\"\ncategory id=99999999999 parent=0 name=\"A\"\nend \"19760424\"\n", "32-bit"},
        {"book \"19760424\"\n", "unexpected end"},
        {"book \"19760424\"\nend \"19760424\"\ntip id=1 text=\"x\"\n", "text after the trailer"},
        {"book \"19760424\"\nsource atomic=2 aux_flag=0 visible=1 id=1 cat_id=1 aux_value=0 name=\"x\"\n",
         "must be 0 or 1"},
        {"book \"19760424\"\nsource atomic=1 aux_flag=0 visible=1 id=1 cat_id=1 aux_value=0 name=\"x\"\n  related\n",
         "unexpected end"},
        {"book \"19760424\"\nsource atomic=1 aux_flag=0 visible=1 id=1 cat_id=1 aux_value=0 name=\"x\"\n  related\n  tips\n",
         "line 4: expected \"clips\""},
    };
    for (const Case& c : cases) {
        CPhraseBook damaged;
        std::string message;
        EXPECT_FALSE(ParsePhraseBookText(c.text, damaged, message)) << c.text;
        EXPECT_NE(message.find(c.message), std::string::npos) << c.text << " -> " << message;
    }
}
