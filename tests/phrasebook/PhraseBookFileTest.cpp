// The phrase book file: the layout byte for byte, the round trip through WriteTo and
// ReadFrom, and how damaged files end (bad magic, truncation, unsound counts).

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <sstream>

#include "BookBuilder.h"
#include "baselib/FastInputStream.h"
#include "baselib/FastOutputStream.h"
#include "phrasebook/PhraseBook.h"

using namespace book_test;

namespace {

const std::u16string kMagic = u"19760424";
const std::u16string kCorrupted = u"Phrase book data corrupted.";

// A small book that uses every kind of record: a hidden atomic phrase with
// related ids and flags, a template with a rule, a wildcard and a map, a name,
// a tip, a translation with clips and tips, one translation without a source
// phrase, and a pair.
void FillSmallBook(CPhraseBook& book)
{
    book.GetCategories().Append(MakeCategory(1, 0, u"Food"));

    CPhrase* tea = MakePhrase(7, 1, u"Tea", false);
    tea->aux_flag = true;
    tea->aux_value = 5;
    tea->related.Append(9);
    book.GetPhrases().Append(tea);

    CPhrase* order = MakeTemplate(9, 1, u"$W1", {u"a|b"}, {{7, {u"a"}}});
    order->rule.name = u"r";
    order->rule.GetWildCardAt(0)->current_index = 1;
    order->maps.GetAt(0)->id = 3;
    book.GetPhrases().Append(order);

    book.GetNames().Append(new CNameRecord(4, String(u"n")));
    book.GetTips().Append(new CTip(2, String(u"Tip")));

    CPhrase* cha = MakePhrase(7, 1, u"\u8336");
    cha->clips.Append(70);
    cha->clips.Append(71);
    cha->tips.Append(2);
    book.GetTranslations().Append(cha);
    book.GetTranslations().Append(MakePhrase(100, 1, u"orphan"));

    book.GetPairs().Append(new CPairRecord(1, 2));
}

// The file of FillSmallBook, section by section, assembled by hand.
std::vector<Bytes> SmallBookSections()
{
    Bytes noRule;
    noRule.Int(0).Str(u"").Int(0);  // pid, name, no wildcards

    Bytes magic;
    magic.Str(kMagic);
    Bytes categories;
    categories.Int(1).Int(1).Int(0).Str(u"Food");
    Bytes phrases;
    phrases.Int(2);
    phrases.Bool(true).Bool(true).Bool(false).Int(7).Int(1).Int(5).Str(u"Tea");
    phrases.Int(1).Int(9).Int(0).Int(0);  // related [9], no clips, no tips
    phrases.Append(noRule).Int(0);        // rule, no maps
    phrases.Bool(false).Bool(false).Bool(true).Int(9).Int(1).Int(0).Str(u"$W1");
    phrases.Int(0).Int(0).Int(0);
    phrases.Int(9).Str(u"r").Int(1);                            // rule pid, name, one wildcard
    phrases.Str(u"W1").Str(u"a|b").Int(1).Int(0).Int(2).Str(u"a").Str(u"b");
    phrases.Int(1).Int(3).Int(7).Int(1);                        // one map: id 3, pid 7, one wildcard
    phrases.Str(u"W1").Str(u"a").Int(0).Int(0).Int(1).Str(u"a");
    Bytes names;
    names.Int(1).Int(4).Str(u"n");
    Bytes tips;
    tips.Int(1).Int(2).Str(u"Tip");
    Bytes translations;
    translations.Int(1);  // the orphan (id 100) is left out
    translations.Bool(true).Bool(false).Bool(true).Int(7).Int(1).Int(0).Str(u"\u8336");
    translations.Int(0).Int(2).Int(70).Int(71).Int(1).Int(2).Append(noRule).Int(0);
    Bytes pairs;
    pairs.Int(1).Int(1).Int(2);
    Bytes trailer;
    trailer.Str(kMagic);
    return {magic, categories, phrases, names, tips, translations, pairs, trailer};
}

std::vector<uint8_t> Join(const std::vector<Bytes>& sections)
{
    Bytes all;
    for (const Bytes& section : sections)
        all.Append(section);
    return all.data;
}

std::vector<uint8_t> Written(const CPhraseBook& book)
{
    CFastOutputStream out;
    EXPECT_EQ(book.WriteTo(out), 1);
    return std::vector<uint8_t>(out.GetRawBytes(), out.GetRawBytes() + out.GetLength());
}

int ReadBytes(CPhraseBook& book, const std::vector<uint8_t>& bytes)
{
    CFastInputStream in(bytes.data(), (int)bytes.size(), 0);
    return book.ReadFrom(in);
}

void DescribeWildCards(std::ostringstream& out, const COwningList<CWildCard>& wildcards)
{
    for (unsigned i = 0; i < wildcards.GetCount(); ++i) {
        const CWildCard* w = wildcards.GetAt(i);
        out << "  wildcard " << ToAnsiString(w->AttrName) << '|' << ToAnsiString(w->value) << '|'
            << w->current_index << '|' << w->longest_index << " values";
        for (int v = 0; v < w->GetValueCount(); ++v)
            out << ' ' << ToAnsiString(w->GetValueAt(v));
        out << '\n';
    }
}

void DescribeList(std::ostringstream& out, const char* label, const Ostrel::CSimpleArray<int>& list)
{
    out << ' ' << label;
    for (unsigned i = 0; i < list.GetCount(); ++i)
        out << ' ' << list[i];
}

void DescribePhrases(std::ostringstream& out, const COwningList<CPhrase>& phrases)
{
    for (unsigned i = 0; i < phrases.GetCount(); ++i) {
        const CPhrase* p = phrases.GetAt(i);
        out << "phrase " << p->id << '|' << p->cat_id << '|' << p->aux_value << '|' << ToAnsiString(p->name) << '|'
            << p->atomic << p->aux_flag << p->visible;
        DescribeList(out, "tips", p->tips);
        DescribeList(out, "clips", p->clips);
        DescribeList(out, "related", p->related);
        out << "\n rule " << p->rule.pid << '|' << ToAnsiString(p->rule.name) << '\n';
        DescribeWildCards(out, p->rule.wildcards);
        for (unsigned m = 0; m < p->maps.GetCount(); ++m) {
            out << " map " << p->maps.GetAt(m)->id << '|' << p->maps.GetAt(m)->pid << '\n';
            DescribeWildCards(out, p->maps.GetAt(m)->wildcards);
        }
    }
}

// Every field of every record, one line each, so that two books compare field for field.
std::string Describe(const CPhraseBook& book)
{
    std::ostringstream out;
    for (unsigned i = 0; i < book.GetCategories().GetCount(); ++i) {
        const CCategory* c = book.GetCategories().GetAt(i);
        out << "category " << c->id << '|' << c->parent << '|' << ToAnsiString(c->name) << '\n';
    }
    DescribePhrases(out, book.GetPhrases());
    for (unsigned i = 0; i < book.GetNames().GetCount(); ++i)
        out << "name " << book.GetNames().GetAt(i)->id << '|' << ToAnsiString(book.GetNames().GetAt(i)->name) << '\n';
    for (unsigned i = 0; i < book.GetTips().GetCount(); ++i)
        out << "tip " << book.GetTips().GetAt(i)->id << '|' << ToAnsiString(book.GetTips().GetAt(i)->text) << '\n';
    out << "translations\n";
    DescribePhrases(out, book.GetTranslations());
    for (unsigned i = 0; i < book.GetPairs().GetCount(); ++i)
        out << "pair " << book.GetPairs().GetAt(i)->first << '|' << book.GetPairs().GetAt(i)->second << '\n';
    return out.str();
}

}  // namespace

TEST(PhraseBookFileTest, WriteToLaysOutTheSmallBookByteForByte)
{
    CPhraseBook book;
    FillSmallBook(book);
    EXPECT_EQ(Written(book), Join(SmallBookSections()));
}

TEST(PhraseBookFileTest, MagicTakesTwentyTwoBytes)
{
    EXPECT_EQ(SmallBookSections()[0].Size(), 22u);
    CPhraseBook empty;
    // The magic, six zero counts and the trailer.
    EXPECT_EQ(Written(empty).size(), 22u + 6 * 4 + 22u);
}

TEST(PhraseBookFileTest, ReadFromReadsTheHandMadeFile)
{
    CPhraseBook book;
    ASSERT_EQ(ReadBytes(book, Join(SmallBookSections())), 1);
    CPhraseBook expected;
    FillSmallBook(expected);
    expected.GetTranslations().RemoveAt(1);  // the orphan is not in the file
    EXPECT_EQ(Describe(book), Describe(expected));
}

TEST(PhraseBookFileTest, RoundTripReproducesEveryFieldAndDropsOrphanTranslations)
{
    CPhraseBook original;
    FillSmallBook(original);
    // A second category level, a second template with two wildcards and maps of
    // differing sizes, and texts outside ASCII.
    original.GetCategories().Append(MakeCategory(2, 1, u"Drinks \u00e9"));
    original.GetPhrases().Append(MakeTemplate(20, 2, u"$W1 and $W2", {u"x|yy", u"p|q|r"},
                                              {{21, {u"x", u"p"}}, {22, {u"yy"}}}));
    original.GetPhrases().GetAt(2)->rule.GetWildCardAt(1)->SetCurrentValueIndex(2);
    original.GetTips().Append(new CTip(3, String(u"")));
    original.GetPairs().Append(new CPairRecord(-1, INT_MAX));

    CPhraseBook copy;
    ASSERT_EQ(ReadBytes(copy, Written(original)), 1);

    original.GetTranslations().RemoveAt(1);  // id 100 has no source phrase
    EXPECT_EQ(Describe(copy), Describe(original));
    EXPECT_EQ(copy.FindTranslation(100), nullptr);
}

TEST(PhraseBookFileTest, ReadFromKeepsFavoritesAndSearchResult)
{
    CPhraseBook book;
    book.AddSearchResult(5);
    book.SetFavoritesPath(String(u"/nonexistent-folder/favorites.dat"));
    ASSERT_EQ(ReadBytes(book, Join(SmallBookSections())), 1);
    EXPECT_EQ(ToVector(book.GetSearchResult()), std::vector<int>{5});
}

TEST(PhraseBookFileTest, WrongMagicSaysHereAndChangesNothing)
{
    struct Case
    {
        const char* what;
        std::u16string magic;
    };
    const Case cases[] = {
        {"another number", u"19760425"},
        {"a prefix of the magic", u"1976042"},
        {"the magic and more", u"197604240"},
        {"an empty string", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Bytes> sections = SmallBookSections();
        sections[0] = Bytes();
        sections[0].Str(c.magic);
        CPhraseBook book;
        book.GetCategories().Append(MakeCategory(50, 0, u"Kept"));
        MessageRecorder messages;
        EXPECT_EQ(ReadBytes(book, Join(sections)), 0);
        EXPECT_EQ(messages.texts, std::vector<std::u16string>{u"here"});
        ASSERT_EQ(book.GetCategories().GetCount(), 1u);
        EXPECT_EQ(book.GetCategories().GetAt(0)->id, 50);
    }
}

TEST(PhraseBookFileTest, TruncationInEachSectionIsCorruptionAndKeepsEarlierSections)
{
    const std::vector<Bytes> sections = SmallBookSections();
    const char* names[] = {"magic", "categories", "source phrases", "names", "tips",
                           "translations", "pairs", "trailer"};
    size_t start = 0;
    for (size_t s = 0; s < sections.size(); ++s) {
        // Cut in the middle of the section, and right after its first byte.
        for (size_t cut : {start + sections[s].Size() / 2, start + 1}) {
            SCOPED_TRACE(std::string(names[s]) + " cut at " + std::to_string(cut));
            std::vector<uint8_t> bytes = Join(sections);
            bytes.resize(cut);
            CPhraseBook book;
            MessageRecorder messages;
            EXPECT_EQ(ReadBytes(book, bytes), 0);
            if (s == 0)
                EXPECT_EQ(messages.texts, std::vector<std::u16string>{u"here"});
            else
                EXPECT_TRUE(messages.texts.empty());
            // Sections before the damaged one are whole.
            const unsigned whole[] = {book.GetCategories().GetCount(), book.GetPhrases().GetCount(),
                                      book.GetNames().GetCount(), book.GetTips().GetCount(),
                                      book.GetTranslations().GetCount()};
            const unsigned expected[] = {1, 2, 1, 1, 1};
            for (size_t before = 1; before < s && before <= 5; ++before)
                EXPECT_EQ(whole[before - 1], expected[before - 1]) << names[before];
        }
        start += sections[s].Size();
    }
}

TEST(PhraseBookFileTest, UnsoundCountsAndLengthsAreCorruption)
{
    // Each row is a file that ends in a count or a length that cannot be right.
    struct Case
    {
        const char* what;
        std::function<void(Bytes&)> body;  // what follows the magic
    };
    auto phraseHead = [](Bytes& b) { b.Int(0).Int(1).Bool(true).Bool(false).Bool(true).Int(1).Int(1).Int(0); };
    const Case cases[] = {
        {"category count near INT_MAX", [](Bytes& b) { b.Int(INT_MAX).Int(1).Int(0).Str(u"x"); }},
        {"more categories than bytes", [](Bytes& b) { b.Int(3).Int(1).Int(0).Str(u"x"); }},
        {"category name longer than the file", [](Bytes& b) { b.Int(1).Int(1).Int(0).Int(1000000).Unit(u'x'); }},
        {"category name length negative", [](Bytes& b) { b.Int(1).Int(1).Int(0).Int(-5).Int(0).Int(0); }},
        {"category name length INT_MAX", [](Bytes& b) { b.Int(1).Int(1).Int(0).Int(INT_MAX); }},
        {"related count huge",
         [&](Bytes& b) { phraseHead(b); b.Str(u"p").Int(0x40000000).Int(1); }},
        {"clip count huge",
         [&](Bytes& b) { phraseHead(b); b.Str(u"p").Int(0).Int(0x3FFFFFFF); }},
        {"wildcard count huge",
         [&](Bytes& b) { phraseHead(b); b.Str(u"p").Int(0).Int(0).Int(0).Int(1).Str(u"r").Int(0x10000000); }},
        {"wildcard value count huge",
         [&](Bytes& b) {
             phraseHead(b);
             b.Str(u"p").Int(0).Int(0).Int(0).Int(1).Str(u"r").Int(1);
             b.Str(u"W1").Str(u"a").Int(0).Int(0).Int(INT_MAX);
         }},
        {"map count huge",
         [&](Bytes& b) { phraseHead(b); b.Str(u"p").Int(0).Int(0).Int(0).Int(1).Str(u"r").Int(0).Int(INT_MAX); }},
        {"pair count huge", [](Bytes& b) { b.Int(0).Int(0).Int(0).Int(0).Int(0).Int(0x7FFFFFF0).Int(1).Int(2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file;
        file.Str(kMagic);
        c.body(file);
        file.Str(kMagic);
        CPhraseBook book;
        MessageRecorder messages;
        EXPECT_EQ(ReadBytes(book, file.data), 0);
        EXPECT_TRUE(messages.texts.empty());
    }
}

TEST(PhraseBookFileTest, NegativeCountReadsNoRecords)
{
    // Sections whose count is negative are empty; the file still reads whole.
    Bytes file;
    file.Str(kMagic).Int(-1).Int(INT_MIN).Int(-7).Int(-1).Int(-1).Int(-2).Str(kMagic);
    CPhraseBook book;
    book.GetCategories().Append(MakeCategory(3, 0, u"Old"));
    EXPECT_EQ(ReadBytes(book, file.data), 1);
    EXPECT_EQ(book.GetCategories().GetCount(), 0u);
    EXPECT_EQ(book.GetPhrases().GetCount(), 0u);
}

TEST(PhraseBookFileTest, StringRecordWithoutTerminatorReadsTheSameText)
{
    Bytes file;
    file.Str(kMagic).Int(1).Int(4).Int(0).Int(3).Unit(u'F').Unit(u'o').Unit(u'o');
    file.Int(0).Int(0).Int(0).Int(0).Int(0).Str(kMagic);
    CPhraseBook book;
    ASSERT_EQ(ReadBytes(book, file.data), 1);
    EXPECT_EQ(U(book.GetCategories().GetAt(0)->name), u"Foo");
}

TEST(PhraseBookFileTest, BytesAfterTheTrailerAreIgnored)
{
    std::vector<uint8_t> bytes = Join(SmallBookSections());
    bytes.insert(bytes.end(), {1, 2, 3});
    CPhraseBook book;
    EXPECT_EQ(ReadBytes(book, bytes), 1);
}

class PhraseBookLoadTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
    MessageRecorder messages;
};

TEST_F(PhraseBookLoadTest, EmptyBookLoadsAndReadsFavorites)
{
    Bytes file;
    file.Str(kMagic).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Str(kMagic);
    WriteFileBytes(folder.Path("phrases.dat"), file.data);
    WriteFileBytes(folder.Path("favorites.dat"), Bytes().Int(12).Int(-1).data);

    CPhraseBook book;
    EXPECT_EQ(book.Load(folder.PathString("phrases.dat"), folder.PathString("favorites.dat")), 1);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(book.GetCategories().GetCount(), 0u);
    EXPECT_EQ(ToVector(book.GetFavorites()), (std::vector<int>{12, -1}));
}

TEST_F(PhraseBookLoadTest, BadMagicShowsHereThenCorruptedAndSkipsFavorites)
{
    std::vector<Bytes> sections = SmallBookSections();
    sections[0] = Bytes();
    sections[0].Str(u"19760423");
    WriteFileBytes(folder.Path("phrases.dat"), Join(sections));
    WriteFileBytes(folder.Path("favorites.dat"), Bytes().Int(7).data);

    CPhraseBook book;
    EXPECT_EQ(book.Load(folder.PathString("phrases.dat"), folder.PathString("favorites.dat")), 0);
    EXPECT_EQ(messages.texts, (std::vector<std::u16string>{u"here", kCorrupted}));
    EXPECT_EQ(messages.types, (std::vector<unsigned>{MB_OK, MB_OK}));
    EXPECT_EQ(book.GetPhrases().GetCount(), 0u);
    EXPECT_EQ(book.GetFavorites().GetCount(), 0u);
}

TEST_F(PhraseBookLoadTest, CutInTranslationsKeepsEarlierSectionsAndSkipsFavorites)
{
    std::vector<Bytes> sections = SmallBookSections();
    std::vector<uint8_t> bytes = Join(sections);
    size_t translationsStart = 0;
    for (int s = 0; s < 5; ++s)
        translationsStart += sections[s].Size();
    bytes.resize(translationsStart + 10);
    WriteFileBytes(folder.Path("phrases.dat"), bytes);
    WriteFileBytes(folder.Path("favorites.dat"), Bytes().Int(7).data);

    CPhraseBook book;
    EXPECT_EQ(book.Load(folder.PathString("phrases.dat"), folder.PathString("favorites.dat")), 0);
    EXPECT_EQ(messages.texts, std::vector<std::u16string>{kCorrupted});
    EXPECT_EQ(book.GetCategories().GetCount(), 1u);
    EXPECT_EQ(book.GetPhrases().GetCount(), 2u);
    EXPECT_EQ(book.GetNames().GetCount(), 1u);
    EXPECT_EQ(book.GetTips().GetCount(), 1u);
    EXPECT_EQ(book.GetFavorites().GetCount(), 0u);
}

TEST_F(PhraseBookLoadTest, MissingBookShowsOneMessageNamingItAndStaysEmpty)
{
    CPhraseBook book;
    String path = folder.PathString("phrases.dat");
    EXPECT_EQ(book.Load(path, folder.PathString("favorites.dat")), 0);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find(U(path)), std::u16string::npos);
    EXPECT_EQ(book.GetCategories().GetCount(), 0u);
}

TEST_F(PhraseBookLoadTest, EmptyFileIsCorrupted)
{
    WriteFileBytes(folder.Path("phrases.dat"), {});
    CPhraseBook book;
    EXPECT_EQ(book.Load(folder.PathString("phrases.dat"), folder.PathString("favorites.dat")), 0);
    EXPECT_EQ(messages.texts, (std::vector<std::u16string>{u"here", kCorrupted}));
}

TEST_F(PhraseBookLoadTest, TwoBooksLoadSideBySide)
{
    // The Japanese edition keeps a second book with the kana texts under the same ids.
    CPhraseBook main;
    FillSmallBook(main);
    CPhraseBook kana;
    FillSmallBook(kana);
    kana.GetTranslations().GetAt(0)->name = u"\u3061\u3083";
    WriteFileBytes(folder.Path("phenjp.dat"), Written(main));
    WriteFileBytes(folder.Path("phenkata.dat"), Written(kana));
    WriteFileBytes(folder.Path("favorites.dat"), Bytes().Int(7).data);

    CPhraseBook loadedMain;
    CPhraseBook loadedKana;
    ASSERT_EQ(loadedMain.Load(folder.PathString("phenjp.dat"), folder.PathString("favorites.dat")), 1);
    ASSERT_EQ(loadedKana.Load(folder.PathString("phenkata.dat"), folder.PathString("favorites.dat")), 1);
    EXPECT_EQ(U(loadedMain.FindTranslation(7)->name), u"\u8336");
    EXPECT_EQ(U(loadedKana.FindTranslation(7)->name), u"\u3061\u3083");
    EXPECT_EQ(U(loadedMain.FindTranslation(7)->GetTipText(loadedMain)), u"Tip");
    EXPECT_EQ(ToVector(loadedKana.GetFavorites()), std::vector<int>{7});
}

TEST(PhraseBookWriteLimitTest, BookTooLargeForTheStreamIsNoSuccess)
{
    CPhraseBook book;
    // 300,000 units of text take 600,000 bytes; two of them overflow the stream.
    std::u16string longText(300000, u'x');
    book.GetPhrases().Append(MakePhrase(1, 1, longText.c_str()));
    CFastOutputStream fits;
    EXPECT_EQ(book.WriteTo(fits), 1);

    book.GetTranslations().Append(MakePhrase(1, 1, longText.c_str()));
    CFastOutputStream cut;
    EXPECT_EQ(book.WriteTo(cut), 0);
}
