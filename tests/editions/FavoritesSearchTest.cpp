// Favorites, search and templates in the Chinese program: adding (with the message, also for a
// phrase that is a favorite already), deleting inside Favorites with the selection moving up and
// the file following, keyword and exact search from the main screen and from inside a browser,
// the key word field's limit, and the value picker of a template phrase.

#include "tests/editions/ProgramRun.h"

#include "phrasebook/Category.h"
#include "phrasebook/CategoryView.h"
#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "phrasebook/TemplateText.h"
#include "phrasebook/WildCard.h"
#include "platform/ui/Controls.h"
#include "shell/app/PhraseBrowserDialog.h"
#include "shell/app/SearchDialog.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"
#include "tests/editions/EditionUnderTest.h"

namespace editiontest {
namespace {

using FavoritesSearchTest = ProgramTest;

const char kAdded[] = "This phrase has been added to your favorites category.";

std::vector<int> ListedIds()
{
    std::vector<int> ids;
    TestHooks::RunOnUiThread([&] {
        CCategoryView& view = ProgramTest::Browser()->GetPane().GetView();
        for (unsigned i = 0; i < view.GetPhraseCount(); ++i)
            ids.push_back(view.PhraseAt(i)->id);
    });
    return ids;
}

const CPhrase* ShownTranslation()
{
    const CPhrase* shown = nullptr;
    TestHooks::RunOnUiThread([&] { shown = ProgramTest::Browser()->GetPane().GetTranslationBox().GetTranslation(); });
    return shown;
}

TEST_F(FavoritesSearchTest, AddAndDeleteFavorites)
{
    const ShellEdition& edition = EditionUnderTest();
    RunProgram([&] {
        TapPicture({75, 55});   // Basic
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        const std::vector<int> basic = ListedIds();
        ASSERT_GE(basic.size(), 3u);

        for (int entry : {0, 1, 2, 1}) {   // the last one is a favorite already
            TapListEntry(IDC_PHRASE_LIST, entry);
            ASSERT_TRUE(TestHooks::TapToolbarButton(ID_ADD_FAVORITE));
            EXPECT_EQ(std::vector<std::string>{kAdded}, TakeMessages());
        }
        EXPECT_EQ((std::vector<int>{basic[0], basic[1], basic[2]}), Folder().ReadFavorites());
        EXPECT_EQ(1, TestHooks::GetListSelection(IDC_PHRASE_LIST)) << "the view does not change";

        ASSERT_TRUE(TestHooks::ChooseMenuCommand(edition.favoritesCommand));
        EXPECT_EQ((std::vector<int>{basic[0], basic[1], basic[2]}), ListedIds());

        // Deleting the first selects the new first entry.
        TapListEntry(IDC_PHRASE_LIST, 0);
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_DELETE_FAVORITE));
        EXPECT_EQ((std::vector<int>{basic[1], basic[2]}), ListedIds());
        EXPECT_EQ(2u, TestHooks::GetListEntries(IDC_PHRASE_LIST).size());
        EXPECT_EQ(0, TestHooks::GetListSelection(IDC_PHRASE_LIST));
        EXPECT_EQ((std::vector<int>{basic[1], basic[2]}), Folder().ReadFavorites());
        ASSERT_NE(nullptr, ShownTranslation());
        EXPECT_EQ(basic[1], ShownTranslation()->id);

        // Deleting the last selects the one before it.
        TapListEntry(IDC_PHRASE_LIST, 1);
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_DELETE_FAVORITE));
        EXPECT_EQ(0, TestHooks::GetListSelection(IDC_PHRASE_LIST));
        EXPECT_EQ((std::vector<int>{basic[1]}), Folder().ReadFavorites());

        // Deleting the only one empties the list and the translation box.
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_DELETE_FAVORITE));
        EXPECT_TRUE(TestHooks::GetListEntries(IDC_PHRASE_LIST).empty());
        EXPECT_EQ(nullptr, ShownTranslation());
        EXPECT_TRUE(Folder().ReadFavorites().empty());
        EXPECT_FALSE(TestHooks::IsCommandEnabled(ID_TIP));
        EXPECT_TRUE(TakeMessages().empty());
    });
}

// Runs the search dialog in front: types the words, ticks exact match when asked, taps Search.
void Search(const char* words, bool exact)
{
    ASSERT_TRUE(TestHooks::WaitForDialog(IDD_SEARCH));
    EXPECT_EQ("", ProgramTest::Text(TestHooks::GetControlText(IDC_SEARCH_TEXT))) << "every run starts empty";
    ASSERT_TRUE(TestHooks::TypeText(IDC_SEARCH_TEXT, String(words)));
    ASSERT_TRUE(TestHooks::SetCheck(IDC_EXACT_MATCH, exact));
    ASSERT_TRUE(TestHooks::TapControl(IDOK));
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

TEST_F(FavoritesSearchTest, KeywordAndExactSearchFromTheMainScreen)
{
    RunProgram([&] {
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_SEARCH));
        Search("water", false);
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        EXPECT_FALSE(TestHooks::IsControlEnabled(IDC_SUB_CATEGORY));
        const std::vector<std::string> found = Texts(TestHooks::GetListEntries(IDC_PHRASE_LIST));
        ASSERT_FALSE(found.empty());
        for (const std::string& text : found)
            EXPECT_NE(std::string::npos, Lower(text).find("water")) << text;
        BackToMainScreen();

        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_SEARCH));
        Search("where is", true);
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        const std::vector<std::string> exact = Texts(TestHooks::GetListEntries(IDC_PHRASE_LIST));
        ASSERT_FALSE(exact.empty());
        for (const std::string& text : exact)
            EXPECT_NE(std::string::npos, Lower(text).find("where is")) << text;
    });
}

TEST_F(FavoritesSearchTest, SearchWithoutResultKeepsTheDialogOpen)
{
    RunProgram([&] {
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_SEARCH));
        Search("qzxqzxqzx", false);
        EXPECT_EQ(std::vector<std::string>{"Your search didn't return any result."}, TakeMessages());
        EXPECT_EQ(IDD_SEARCH, TestHooks::GetActiveDialogTemplate());
        EXPECT_EQ("qzxqzxqzx", Text(TestHooks::GetControlText(IDC_SEARCH_TEXT)));
        SaveScreenshot("search-portrait");
        TestHooks::ResizeScreen(320, 240);
        SaveScreenshot("search-landscape");
        TestHooks::ResizeScreen(240, 320);

        // The field holds at most 299 characters, however much is typed.
        ASSERT_TRUE(TestHooks::TypeText(IDC_SEARCH_TEXT, String(std::string(400, 'a').c_str())));
        EXPECT_EQ(static_cast<size_t>(SearchDialog::kMaxKeywordLength),
                  Text(TestHooks::GetControlText(IDC_SEARCH_TEXT)).size());
        ASSERT_TRUE(TestHooks::TapControl(IDCANCEL));
        EXPECT_TRUE(TestHooks::WaitForDialog(IDD_MAIN_SCREEN));
        EXPECT_TRUE(TakeMessages().size() <= 1u);
    });
}

TEST_F(FavoritesSearchTest, SearchInsideABrowserOpensANestedBrowser)
{
    RunProgram([&] {
        TapPicture({205, 55});
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        const std::vector<std::string> food = Texts(TestHooks::GetListEntries(IDC_PHRASE_LIST));
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_SEARCH));
        Search("tea coffee", false);
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        int browsers = 0;
        for (CDialog* dialog : TestHooks::GetRunningDialogs())
            browsers += dialog->GetTemplateId() == IDD_PHRASE_BROWSER ? 1 : 0;
        EXPECT_EQ(2, browsers);
        for (const std::string& text : Texts(TestHooks::GetListEntries(IDC_PHRASE_LIST))) {
            const std::string lower = Lower(text);
            EXPECT_TRUE(lower.find("tea") != std::string::npos || lower.find("coffee") != std::string::npos) << text;
        }
        TestHooks::PressTitleOk();
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        EXPECT_EQ(food, Texts(TestHooks::GetListEntries(IDC_PHRASE_LIST))) << "the first browser is unchanged";
    });
}

// Finds, in the browser's current list, the first template entry with a wildcard of at least two
// values; fills where its first bracketed word is drawn in the list (client pixels, unscrolled).
struct TemplateEntry {
    int entry = -1;
    int left = 0, right = 0;
    Rect item;
    std::string before;
};

TemplateEntry FindTemplateEntry()
{
    TemplateEntry found;
    TestHooks::RunOnUiThread([&] {
        PhraseBrowserDialog* browser = ProgramTest::Browser();
        CCategoryView& view = browser->GetPane().GetView();
        CListBox* list = browser->GetPane().GetList();
        for (unsigned i = 0; i < view.GetPhraseCount() && found.entry < 0; ++i) {
            const CPhrase* phrase = view.PhraseAt(i);
            if (phrase->atomic || phrase->GetWildCardCount() == 0 || phrase->GetWildCardAt(0)->GetValueCount() < 2)
                continue;
            std::vector<WildCardSpan> spans;
            const String text = ExpandTemplateText(*phrase, &spans);
            if (spans.empty() || spans[0].wildcard != 0)
                continue;
            found.entry = static_cast<int>(i);
            list->SetCurSel(found.entry);   // into view; the taps below select it as a user does
            found.left = list->GetTextExtent(text.Left(spans[0].first)).cx;
            found.right = list->GetTextExtent(text.Left(spans[0].first + spans[0].length)).cx;
            list->GetItemRect(found.entry, found.item);
            found.before = ProgramTest::Text(text);
        }
    });
    return found;
}

TEST_F(FavoritesSearchTest, PickerOverABracketedWordChangesTheTranslation)
{
    RunProgram([&] {
        TapPicture({205, 55});   // Food holds templates ("I would like [coffee], please.")
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        TemplateEntry t = FindTemplateEntry();
        if (t.entry < 0) {
            ASSERT_TRUE(TestHooks::TapToolbarButton(ID_SEARCH));
            Search("$W1", false);
            ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
            t = FindTemplateEntry();
        }
        ASSERT_GE(t.entry, 0) << "no template phrase to pick a value in";
        const int y = (t.item.top + t.item.bottom) / 2;

        // Outside the word: the entry is selected, no picker.
        ASSERT_TRUE(TestHooks::TapControlAt(IDC_PHRASE_LIST, {1, y}));
        EXPECT_EQ(t.entry, TestHooks::GetListSelection(IDC_PHRASE_LIST));
        EXPECT_FALSE(TestHooks::IsDropDownOpen());
        const CPhrase* before = ShownTranslation();

        // On the word: the picker opens over it, just below the entry's top.
        ASSERT_TRUE(TestHooks::TapControlAt(IDC_PHRASE_LIST, {(t.left + t.right) / 2, y}));
        ASSERT_TRUE(TestHooks::IsDropDownOpen());
        Rect picker;
        TestHooks::RunOnUiThread([&] {
            CComboBox* combo = Browser()->GetPane().GetListBox().GetPicker();
            ASSERT_NE(nullptr, combo);
            EXPECT_EQ(IDC_VALUE_PICKER, combo->GetDlgCtrlID());
            picker = combo->GetWindowRect();
            Browser()->GetPane().GetList()->ScreenToClient(picker);
        });
        EXPECT_EQ(t.left + 3, picker.left);
        EXPECT_EQ(t.item.top - 3, picker.top);
        SaveScreenshot("picker-portrait");

        ASSERT_TRUE(TestHooks::ChooseOpenDropDownEntry(1));
        EXPECT_FALSE(TestHooks::IsDropDownOpen());
        const std::string after = Text(TestHooks::GetListEntries(IDC_PHRASE_LIST)[t.entry]);
        EXPECT_NE(t.before, after);
        EXPECT_EQ(t.entry, TestHooks::GetListSelection(IDC_PHRASE_LIST));

        const CPhrase* translation = ShownTranslation();
        int concrete = -2;
        std::vector<int> clips;
        TestHooks::RunOnUiThread([&] {
            const CPhrase* source = Browser()->GetPane().GetSelectedPhrase();
            concrete = source->GetConcreteId();
            if (translation)
                clips.assign(translation->clips.GetData(), translation->clips.GetData() + translation->GetClipCount());
        });
        ASSERT_NE(nullptr, translation);
        EXPECT_NE(before, translation);
        EXPECT_EQ(concrete, translation->id);

        ASSERT_TRUE(TestHooks::TapControl(EditionUnderTest().translationFrameId));
        EXPECT_FALSE(clips.empty());
        EXPECT_EQ(1u, Wave().Buffers().size());
    });
}

} // namespace
} // namespace editiontest
