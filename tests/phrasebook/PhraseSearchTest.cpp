// Phrase search: keyword and exact modes over the English text of every source phrase.

#include <gtest/gtest.h>

#include "BookBuilder.h"
#include "phrasebook/PhraseBook.h"

using namespace book_test;

namespace {

class PhraseSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        book.GetPhrases().Append(MakePhrase(1, 1, u"Taxi, please."));
        book.GetPhrases().Append(MakePhrase(2, 1, u"How much is it?"));
        book.GetPhrases().Append(MakePhrase(3, 1, u"Where is the hotel?"));
        book.GetPhrases().Append(MakePhrase(4, 1, u"How is it much?"));
        book.GetPhrases().Append(MakePhrase(5, 1, u"Call a taxi to the hotel.", false));
        book.GetPhrases().Append(MakePhrase(6, 1, u"That was great!"));
        book.GetPhrases().Append(MakeTemplate(7, 1, u"I would like $W1.", {u"coffee|tea"},
                                              {{8, {u"coffee"}}, {9, {u"tea"}}}));
        book.GetPhrases().Append(MakePhrase(8, 1, u"I would like coffee.", false));
        book.GetPhrases().Append(MakePhrase(9, 1, u"I would like tea.", false));
        book.GetTranslations().Append(MakePhrase(2, 1, u"taxi"));  // translations are not searched
    }

    CPhraseBook book;
};

}  // namespace

TEST_F(PhraseSearchTest, FindsPhrasesInBookOrderEachOnce)
{
    struct Case
    {
        const char* what;
        std::u16string text;
        bool exact;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"any of two keywords, hidden phrases too", u"taxi, hotel", false, {1, 3, 5}},
        {"letter case does not matter", u"Taxi", false, {1, 5}},
        {"keywords are alternatives", u"how much", false, {2, 4}},
        {"exact mode wants the words together", u"how much", true, {2}},
        {"exact mode keeps leading spaces", u" taxi", true, {5}},
        {"no word boundaries", u"eat", false, {6}},
        {"tabs, line feeds and repeated delimiters", u"\t,hotel\n ,,", false, {3, 5}},
        {"a word of a template's brackets finds the concrete phrases", u"coffee", false, {8}},
        {"a template is found by its raw text", u"$w1", false, {7}},
        {"an empty exact search finds every phrase", u"", true, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"an empty keyword search finds nothing", u"", false, {}},
        {"only delimiters find nothing", u" , \t", false, {}},
        {"a word no phrase has", u"zebra", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(book.Search(String(c.text.c_str()), c.exact), !c.expected.empty());
        EXPECT_EQ(ToVector(book.GetSearchResult()), c.expected);
    }
}

TEST_F(PhraseSearchTest, SecondSearchReplacesTheFirst)
{
    ASSERT_TRUE(book.Search(String(u"hotel"), false));
    ASSERT_TRUE(book.Search(String(u"great"), false));
    EXPECT_EQ(ToVector(book.GetSearchResult()), std::vector<int>{6});
    EXPECT_FALSE(book.Search(String(u"zebra"), false));
    EXPECT_EQ(book.GetSearchResult().GetCount(), 0u);
}

TEST_F(PhraseSearchTest, SearchResultCategoryListsTheHits)
{
    ASSERT_TRUE(book.Search(String(u"taxi"), false));
    Ostrel::CSimpleArray<CPhrase*> list;
    book.CollectPhrases(kSearchResultCategoryId, list, true);
    EXPECT_EQ(PhraseIds(list), (std::vector<int>{1, 5}));
}

TEST_F(PhraseSearchTest, KeywordTextLongerThanThreeHundredUnitsIsSearchedWhole)
{
    // The keyword that matters comes after 400 units of other words.
    std::u16string text;
    while (text.size() < 400)
        text += u"zzz ";
    text += u"great";
    EXPECT_TRUE(book.Search(String(text.c_str()), false));
    EXPECT_EQ(ToVector(book.GetSearchResult()), std::vector<int>{6});
}

TEST_F(PhraseSearchTest, AddSearchResultKeepsEachIdOnce)
{
    book.AddSearchResult(3);
    book.AddSearchResult(1);
    book.AddSearchResult(3);
    EXPECT_EQ(ToVector(book.GetSearchResult()), (std::vector<int>{3, 1}));
}
