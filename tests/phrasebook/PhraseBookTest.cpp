// Lookups and lists of the phrase book: categories by id and name, what a category
// lists, translations and tips by id, and the diagnostic text forms.

#include <gtest/gtest.h>

#include "BookBuilder.h"
#include "phrasebook/PhraseBook.h"

using namespace book_test;

namespace {

// Food (10) has Drinks (11) and Meals (13); Drinks has Hot drinks (12). The file
// lists Meals before Hot drinks, so only a depth-first walk gives the "All" order.
class PhraseBookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        book.GetCategories().Append(MakeCategory(10, 0, u"Food"));
        book.GetCategories().Append(MakeCategory(11, 10, u"Drinks"));
        book.GetCategories().Append(MakeCategory(13, 10, u"Meals"));
        book.GetCategories().Append(MakeCategory(12, 11, u"Hot drinks"));
        book.GetCategories().Append(MakeCategory(20, 0, u"Favorites"));
        book.GetCategories().Append(MakeCategory(10, 0, u"Second food"));

        book.GetPhrases().Append(MakePhrase(1, 11, u"Water"));
        book.GetPhrases().Append(MakePhrase(2, 10, u"Menu, please"));
        book.GetPhrases().Append(MakePhrase(3, 12, u"Hot tea"));
        book.GetPhrases().Append(MakePhrase(4, 13, u"Lunch"));
        book.GetPhrases().Append(MakePhrase(5, 10, u"Bill", false));
        book.GetPhrases().Append(MakePhrase(6, 11, u"Juice"));
        book.GetPhrases().Append(MakePhrase(7, 10, u"Table for two"));
        book.GetPhrases().Append(MakePhrase(8, 12, u"Coffee"));
        book.GetPhrases().Append(MakePhrase(8, 12, u"Second coffee"));

        book.GetTranslations().Append(MakePhrase(8, 12, u"k\u0101 f\u0113i"));
        book.GetTips().Append(new CTip(2, String(u"Tea is free.")));
        book.GetTips().Append(new CTip(2, String(u"Second tip.")));
    }

    std::vector<int> Collect(int id, bool withSubCategories) const
    {
        Ostrel::CSimpleArray<CPhrase*> list;
        book.CollectPhrases(id, list, withSubCategories);
        return PhraseIds(list);
    }

    CPhraseBook book;
};

}  // namespace

TEST_F(PhraseBookTest, FindCategoryByNameIgnoresCaseAndKnowsTheBuiltInOnes)
{
    struct Case
    {
        const char16_t* name;
        int id;  // 0: none
    };
    const Case cases[] = {
        {u"favorites", kFavoritesCategoryId},  // never the file's category 20 of that name
        {u"FAVORITES", kFavoritesCategoryId},
        {u"SEARCH RESULT", kSearchResultCategoryId},
        {u"search result", kSearchResultCategoryId},
        {u"food", 10},  // the first of two categories with that id
        {u"HOT DRINKS", 12},
        {u"Hot", 0},
        {u"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(ToAnsiString(c.name)));
        CCategory* found = book.FindCategoryByName(c.name);
        if (c.id == 0) {
            EXPECT_EQ(found, nullptr);
        } else {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->id, c.id);
        }
    }
    EXPECT_EQ(U(book.FindCategoryByName(u"food")->name), u"Food");
}

TEST_F(PhraseBookTest, FindCategoryByIdTreatsOnlyFavoritesAsBuiltIn)
{
    CCategory* favorites = book.FindCategoryById(kFavoritesCategoryId);
    ASSERT_NE(favorites, nullptr);
    EXPECT_EQ(U(favorites->name), u"Favorites");
    EXPECT_EQ(favorites->parent, 0);
    EXPECT_EQ(favorites, book.FindCategoryByName(u"Favorites"));
    EXPECT_EQ(book.FindCategoryById(kSearchResultCategoryId), nullptr);
    EXPECT_EQ(U(book.FindCategoryById(10)->name), u"Food");  // first in file order
    EXPECT_EQ(book.FindCategoryById(0), nullptr);
}

TEST_F(PhraseBookTest, ChildCategoriesAreAppendedInFileOrder)
{
    Ostrel::CSimpleArray<CCategory*> children;
    children.Append(book.FindCategoryById(20));
    book.GetChildCategories(10, children);
    ASSERT_EQ(children.GetCount(), 3u);
    EXPECT_EQ(children[0]->id, 20);
    EXPECT_EQ(children[1]->id, 11);
    EXPECT_EQ(children[2]->id, 13);
}

TEST_F(PhraseBookTest, CollectPhrasesListsEachCategory)
{
    book.AddSearchResult(8);
    book.AddSearchResult(5);
    struct Case
    {
        const char* what;
        int id;
        bool withSubCategories;
        std::vector<int> expected;
    };
    // Phrase 8 has two records in Hot drinks; a category lists both, the search
    // result (which holds ids) the first.
    const Case cases[] = {
        {"All of a three-level tree, depth first", 10, true, {2, 7, 1, 6, 3, 8, 8, 4}},
        {"a major category alone", 10, false, {2, 7}},
        {"a middle level with its sub category", 11, true, {1, 6, 3, 8, 8}},
        {"a leaf", 12, true, {3, 8, 8}},
        {"an unknown category", 77, true, {}},
        {"the search result, hidden phrase included", kSearchResultCategoryId, false, {8, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Collect(c.id, c.withSubCategories), c.expected);
    }
}

TEST_F(PhraseBookTest, FavoritesListHiddenPhrasesAndSkipUnknownIds)
{
    ScratchFolder folder;
    WriteFileBytes(folder.Path("favorites.dat"), Bytes().Int(5).Int(-1).Int(3).data);
    book.LoadFavorites(folder.PathString("favorites.dat"));
    EXPECT_EQ(Collect(kFavoritesCategoryId, false), (std::vector<int>{5, 3}));
    EXPECT_EQ(Collect(kFavoritesCategoryId, true), (std::vector<int>{5, 3}));
}

TEST_F(PhraseBookTest, CollectPhrasesAppendsToWhatTheListHolds)
{
    Ostrel::CSimpleArray<CPhrase*> list;
    list.Append(book.FindPhrase(4));
    book.CollectPhrases(13, list, true);
    EXPECT_EQ(PhraseIds(list), (std::vector<int>{4, 4}));
}

TEST_F(PhraseBookTest, CycleInTheTreeListsEachCategoryOnce)
{
    book.GetCategories().Append(MakeCategory(40, 41, u"Loop A"));
    book.GetCategories().Append(MakeCategory(41, 40, u"Loop B"));
    book.GetCategories().Append(MakeCategory(42, 42, u"Own parent"));
    book.GetPhrases().Append(MakePhrase(400, 40, u"a"));
    book.GetPhrases().Append(MakePhrase(410, 41, u"b"));
    book.GetPhrases().Append(MakePhrase(420, 42, u"c"));
    EXPECT_EQ(Collect(40, true), (std::vector<int>{400, 410}));
    EXPECT_EQ(Collect(42, true), std::vector<int>{420});
}

TEST_F(PhraseBookTest, LookupsByIdTakeTheFirstRecordOfTheirOwnList)
{
    EXPECT_EQ(U(book.FindPhrase(8)->name), u"Coffee");
    EXPECT_EQ(U(book.FindTranslation(8)->name), u"k\u0101 f\u0113i");
    EXPECT_EQ(book.FindTranslation(1), nullptr);  // a source phrase is no translation
    EXPECT_EQ(book.FindPhrase(-1), nullptr);
    EXPECT_EQ(U(book.FindTip(2)->text), u"Tea is free.");
    EXPECT_EQ(book.FindTip(3), nullptr);
}

TEST_F(PhraseBookTest, TipTextComesFromTheFirstTipIdOnly)
{
    struct Case
    {
        const char* what;
        std::vector<int> tips;
        std::u16string expected;
    };
    const Case cases[] = {
        {"no tips", {}, u""},
        {"a tip that exists", {2}, u"Tea is free."},
        {"the first id matches no tip, a later one would", {9, 2}, u""},
        {"the first id matches, a later one does not", {2, 9}, u"Tea is free."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPhrase phrase;
        for (int id : c.tips)
            phrase.tips.Append(id);
        EXPECT_EQ(phrase.HasTips(), !c.tips.empty());
        EXPECT_EQ(U(phrase.GetTipText(book)), c.expected);
    }
}

TEST(PhraseBookInstanceTest, ProgramBookAndKanaBookAreSeparateAndRecreated)
{
    CPhraseBook* main = GetPhraseBook();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(GetPhraseBook(), main);
    CPhraseBook* kana = GetKanaPhraseBook();
    EXPECT_NE(kana, main);

    main->GetTips().Append(new CTip(1, String(u"main tip")));
    kana->GetTips().Append(new CTip(1, String(u"kana tip")));
    CPhrase phrase;
    phrase.tips.Append(1);
    EXPECT_EQ(U(phrase.GetTipText()), u"main tip");  // the program's book
    EXPECT_EQ(U(phrase.GetTipText(*kana)), u"kana tip");

    DeletePhraseBook();
    DeleteKanaPhraseBook();
    EXPECT_EQ(GetPhraseBook()->GetTips().GetCount(), 0u);
    DeletePhraseBook();
}

TEST(RecordFormsTest, ToStringFormsOfCategoriesAndPhrases)
{
    CCategory category(17, 16, String(u"Greetings"));
    EXPECT_EQ(U(category.ToString()), u"<cat id=\"17\" name=\"Greetings\" parent=\"16\"/>");

    struct Case
    {
        const char* what;
        bool atomic;
        bool visible;
        std::vector<int> related;
        std::u16string expected;
    };
    const Case cases[] = {
        {"atomic and visible", true, true, {1, 22},
         u"<phrase id=\"5\" name=\"Hi\" cat_id=\"17\" atomic=\"true\"  related=\"1,22\"/>"},
        {"template and visible: two spaces", false, true, {},
         u"<phrase id=\"5\" name=\"Hi\" cat_id=\"17\"  related=\"\"/>"},
        {"atomic and hidden", true, false, {-3},
         u"<phrase id=\"5\" name=\"Hi\" cat_id=\"17\" atomic=\"true\" visible=\"false\"  related=\"-3\"/>"},
        {"template and hidden", false, false, {},
         u"<phrase id=\"5\" name=\"Hi\" cat_id=\"17\" visible=\"false\"  related=\"\"/>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPhrase phrase;
        phrase.id = 5;
        phrase.cat_id = 17;
        phrase.name = u"Hi";
        phrase.atomic = c.atomic;
        phrase.visible = c.visible;
        for (int id : c.related)
            phrase.related.Append(id);
        EXPECT_EQ(U(phrase.ToString()), c.expected);
    }
}
