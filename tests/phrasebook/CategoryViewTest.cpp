// CCategoryView: the browsing state behind the phrase list and the sub category box.

#include <gtest/gtest.h>

#include "BookBuilder.h"
#include "phrasebook/CategoryView.h"
#include "phrasebook/PhraseBook.h"

using namespace book_test;

namespace {

class CategoryViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        book.GetCategories().Append(MakeCategory(10, 0, u"Food"));
        book.GetCategories().Append(MakeCategory(11, 10, u"Drinks"));
        book.GetCategories().Append(MakeCategory(12, 10, u"Meals"));
        book.GetCategories().Append(MakeCategory(13, 11, u"Hot drinks"));

        book.GetPhrases().Append(MakePhrase(1, 10, u"Menu"));
        book.GetPhrases().Append(MakePhrase(2, 11, u"Water"));
        book.GetPhrases().Append(MakeTemplate(3, 11, u"A $W1, please.", {u"tea|coffee"}, {{30, {u"tea"}}}));
        book.GetPhrases().Append(MakePhrase(30, 11, u"A tea, please.", false));
        book.GetPhrases().Append(MakePhrase(4, 12, u"Lunch"));
        book.GetPhrases().Append(MakePhrase(5, 13, u"Hot water"));

        book.GetTranslations().Append(MakePhrase(1, 10, u"\u83dc\u5355"));
        book.GetTranslations().Append(MakePhrase(30, 11, u"\u8bf7\u7ed9\u6211\u8336"));
    }

    std::vector<int> Listed() const
    {
        std::vector<int> ids;
        for (unsigned i = 0; i < view.GetPhraseCount(); ++i)
            ids.push_back(view.PhraseAt(i)->id);
        return ids;
    }

    std::vector<std::u16string> Entries() const
    {
        std::vector<std::u16string> entries;
        for (int i = 0; i < view.GetSubCategoryEntryCount(); ++i)
            entries.push_back(U(view.GetSubCategoryEntry(i)));
        return entries;
    }

    CPhraseBook book;
    CCategoryView view{book};
};

}  // namespace

TEST_F(CategoryViewTest, SetCategoryFillsTheSubCategoryEntriesAllFirst)
{
    ASSERT_TRUE(view.SetCategoryById(10));
    EXPECT_EQ(view.GetCategory()->id, 10);
    EXPECT_EQ(Entries(), (std::vector<std::u16string>{u"All", u"Drinks", u"Meals"}));
    ASSERT_TRUE(view.SetCategoryById(13));
    EXPECT_EQ(Entries(), std::vector<std::u16string>{u"All"});
}

TEST_F(CategoryViewTest, SetCategoryWithoutACategoryKeepsTheOldState)
{
    ASSERT_TRUE(view.SetCategoryById(10));
    view.CollectPhrases(10, false);
    EXPECT_FALSE(view.SetCategory(nullptr));
    EXPECT_FALSE(view.SetCategoryById(77));
    EXPECT_EQ(view.GetCategory()->id, 10);
    EXPECT_EQ(view.GetSubCategoryCount(), 2);
    EXPECT_EQ(Listed(), std::vector<int>{1});
}

TEST_F(CategoryViewTest, SetCategoryLeavesThePhraseListAsItWas)
{
    view.CollectPhrases(12, false);
    ASSERT_TRUE(view.SetCategoryById(11));
    EXPECT_EQ(Listed(), std::vector<int>{4});
}

TEST_F(CategoryViewTest, SubCategorySelectionRefillsThePhrases)
{
    ASSERT_TRUE(view.SetCategoryById(10));
    struct Case
    {
        const char* what;
        int entry;
        bool changes;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"All: the category and its sub categories", 0, true, {1, 2, 3, 5, 4}},
        {"the first sub category alone", 1, true, {2, 3}},
        {"the second sub category alone", 2, true, {4}},
        {"past the sub categories: no change", 3, false, {4}},
        {"no selection: no change", -1, false, {4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(view.OnSubCategorySelected(c.entry), c.changes);
        EXPECT_EQ(Listed(), c.expected);
    }
}

TEST_F(CategoryViewTest, CollectPhrasesEmptiesTheListFirst)
{
    view.CollectPhrases(12, false);
    view.CollectPhrases(12, false);
    EXPECT_EQ(Listed(), std::vector<int>{4});
}

TEST_F(CategoryViewTest, SetPhrasesFromIdsSkipsUnknownIds)
{
    view.CollectPhrases(10, true);
    EXPECT_FALSE(view.SetPhrasesFromIds(nullptr));
    EXPECT_EQ(view.GetPhraseCount(), 0u);

    Ostrel::CSimpleArray<int> ids = Ids({30, 99, 4, -1, 30});
    EXPECT_TRUE(view.SetPhrasesFromIds(&ids));
    EXPECT_EQ(Listed(), (std::vector<int>{30, 4, 30}));
}

TEST_F(CategoryViewTest, PhraseAtAndRemovalStayInsideTheList)
{
    view.CollectPhrases(11, false);
    EXPECT_EQ(view.PhraseAt(1)->id, 3);
    EXPECT_EQ(view.PhraseAt(2), nullptr);
    EXPECT_EQ(view.PhraseAt(0xFFFFFFFFu), nullptr);
    EXPECT_FALSE(view.RemovePhraseAt(2));
    EXPECT_TRUE(view.RemovePhraseAt(0));
    EXPECT_EQ(Listed(), std::vector<int>{3});
}

TEST_F(CategoryViewTest, PhraseTextsInSourceAndTranslationMode)
{
    Ostrel::CSimpleArray<int> ids = Ids({1, 3, 2});
    ASSERT_TRUE(view.SetPhrasesFromIds(&ids));
    struct Case
    {
        unsigned index;
        std::u16string source;
        std::u16string translation;
    };
    const Case cases[] = {
        {0, u"Menu", u"\u83dc\u5355"},
        {1, u"A [tea], please.", u"\u8bf7\u7ed9\u6211\u8336"},  // through the concrete phrase 30
        {2, u"Water", u""},                                      // no translation
        {3, u"", u""},                                           // past the list
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(U(view.GetPhraseText(c.index, PhraseTextMode::Source)), c.source);
        EXPECT_EQ(U(view.GetPhraseText(c.index, PhraseTextMode::Translation)), c.translation);
    }
    // With no map for the current word, the template has no translation.
    view.PhraseAt(1)->GetWildCardAt(0)->SetCurrentValueIndex(1);
    EXPECT_EQ(U(view.GetPhraseText(1, PhraseTextMode::Source)), u"A [coffee], please.");
    EXPECT_EQ(U(view.GetPhraseText(1, PhraseTextMode::Translation)), u"");
}

TEST_F(CategoryViewTest, LongestTextIsTheFirstOfTheGreatestLength)
{
    EXPECT_EQ(view.GetLongestPhraseText(PhraseTextMode::Source), -1);
    Ostrel::CSimpleArray<int> ids = Ids({1, 4, 2, 3});  // Menu, Lunch, Water, A [tea], please.
    ASSERT_TRUE(view.SetPhrasesFromIds(&ids));
    EXPECT_EQ(view.GetLongestPhraseText(PhraseTextMode::Source), 3);
    Ostrel::CSimpleArray<int> equal = Ids({4, 2});
    ASSERT_TRUE(view.SetPhrasesFromIds(&equal));
    EXPECT_EQ(view.GetLongestPhraseText(PhraseTextMode::Source), 0);
}

TEST(CategoryViewBuiltInTest, FavoritesCategoryListsTheFavorites)
{
    ScratchFolder folder;
    WriteFileBytes(folder.Path("favorites.dat"), Bytes().Int(2).Int(1).data);
    CPhraseBook book;
    book.GetPhrases().Append(MakePhrase(1, 10, u"Menu"));
    book.GetPhrases().Append(MakePhrase(2, 11, u"Water", false));
    book.LoadFavorites(folder.PathString("favorites.dat"));

    CCategoryView view(book);
    ASSERT_TRUE(view.SetCategoryById(kFavoritesCategoryId));
    EXPECT_EQ(view.GetSubCategoryCount(), 0);
    EXPECT_TRUE(view.OnSubCategorySelected(0));
    ASSERT_EQ(view.GetPhraseCount(), 2u);
    EXPECT_EQ(view.PhraseAt(0)->id, 2);
    EXPECT_EQ(view.PhraseAt(1)->id, 1);
}
