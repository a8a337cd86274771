// Category navigation and rotation in the edition's real program: the picture's icons in the
// three layouts, every leaf of the "Category" menu in the edition's numbering, the "Favorites"
// command and its command bar, and the browser laid out again when the screen turns.

#include "tests/editions/ProgramRun.h"

#include "phrasebook/Category.h"
#include "phrasebook/CategoryView.h"
#include "phrasebook/PhraseBook.h"
#include "platform/ui/Controls.h"
#include "shell/app/MainScreenDialog.h"
#include "shell/app/PhraseBrowserDialog.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"
#include "tests/editions/EditionUnderTest.h"

namespace editiontest {
namespace {

using NavigationTest = ProgramTest;

std::string ShownCategory()
{
    std::string name;
    TestHooks::RunOnUiThread([&] {
        if (PhraseBrowserDialog* browser = ProgramTest::Browser()) {
            if (CCategory* category = browser->GetPane().GetView().GetCategory())
                name = ProgramTest::Text(category->name);
        }
    });
    return name;
}

std::vector<std::string> ExpectedTexts(const char16_t* name, int entry)
{
    std::vector<std::string> texts;
    TestHooks::RunOnUiThread([&] {
        CPhraseBook* book = GetPhraseBook();
        CCategoryView view(*book);
        if (!view.SetCategory(book->FindCategoryByName(name)))
            return;
        view.CollectPhrases(view.GetCategory()->id, true);
        view.OnSubCategorySelected(entry);
        for (unsigned i = 0; i < view.GetPhraseCount(); ++i)
            texts.push_back(ProgramTest::Text(view.GetPhraseText(i, PhraseTextMode::Source)));
    });
    return texts;
}

TEST_F(NavigationTest, PictureIconsOpenTheirCategoryInEveryLayout)
{
    struct Case {
        int width, height;
        Size picture;
        Point tap;
        const char* category;   // nullptr: nothing opens
    };
    const Case cases[] = {
        {240, 320, {240, 270}, {205, 55}, "Food"},
        {240, 320, {240, 270}, {100, 78}, "Basic"},
        {240, 320, {240, 270}, {101, 78}, nullptr},
        {240, 320, {240, 270}, {140, 200}, nullptr},
        {240, 320, {240, 270}, {230, 239}, "Favorites"},
        {320, 240, {320, 186}, {255, 40}, "Food"},
        {320, 240, {320, 186}, {255, 90}, "Social"},
        {240, 240, {240, 188}, {120, 62}, "Travel"},
        {240, 240, {240, 188}, {170, 100}, "Sightseeing"},
        {800, 480, {240, 270}, {205, 55}, "Food"},
    };
    RunProgram([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
            TestHooks::ResizeScreen(c.width, c.height);
            const Rect picture = TestHooks::GetControlScreenRect(IDC_CATEGORY_PICTURE);
            EXPECT_EQ(c.picture.cx, picture.Width());
            EXPECT_EQ(c.picture.cy, picture.Height());
            TapPicture(c.tap);
            if (!c.category) {
                EXPECT_EQ(IDD_MAIN_SCREEN, TestHooks::GetActiveDialogTemplate());
                continue;
            }
            ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
            EXPECT_EQ(c.category, ShownCategory());
            if (c.width == 320 && std::string(c.category) == "Food")
                SaveScreenshot("browser-landscape");
            BackToMainScreen();
            if (c.tap.x == 205 && c.width == 240 && c.height == 320)
                SaveScreenshot("main-portrait");
            if (c.width == 320 && c.tap.y == 40)
                SaveScreenshot("main-landscape");
        }
    });
}

TEST_F(NavigationTest, EveryCategoryLeafSelectsItsEntry)
{
    const ShellEdition& edition = EditionUnderTest();
    RunProgram([&] {
        TapPicture({75, 55});   // Basic
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        for (const CategoryCommand& command : edition.categoryCommands) {
            SCOPED_TRACE("command " + std::to_string(command.commandId));
            ASSERT_TRUE(TestHooks::ChooseMenuCommand(command.commandId));
            EXPECT_EQ(Text(command.categoryName), ShownCategory());
            EXPECT_EQ(command.subCategoryEntry, TestHooks::GetListSelection(IDC_SUB_CATEGORY));
            EXPECT_EQ(ExpectedTexts(command.categoryName, command.subCategoryEntry),
                      Texts(TestHooks::GetListEntries(IDC_PHRASE_LIST)));
            EXPECT_TRUE(TestHooks::IsControlEnabled(IDC_SUB_CATEGORY));
        }
    });
}

TEST_F(NavigationTest, FavoritesCommandSwapsTheBarAndTheSubCategoryBox)
{
    const ShellEdition& edition = EditionUnderTest();
    RunProgram([&] {
        TapPicture({205, 55});
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        EXPECT_TRUE(TestHooks::HasCommand(ID_ADD_FAVORITE));
        EXPECT_FALSE(TestHooks::HasCommand(ID_DELETE_FAVORITE));
        EXPECT_EQ((std::vector<std::string>{"Category", "Tools"}), Texts(TestHooks::GetMenuBarButtons()));

        ASSERT_TRUE(TestHooks::ChooseMenuCommand(edition.favoritesCommand));
        EXPECT_EQ("Favorites", ShownCategory());
        EXPECT_FALSE(TestHooks::IsControlEnabled(IDC_SUB_CATEGORY));
        EXPECT_TRUE(TestHooks::HasCommand(ID_DELETE_FAVORITE));
        EXPECT_FALSE(TestHooks::HasCommand(ID_ADD_FAVORITE));

        const CategoryCommand& other = edition.categoryCommands[10];
        ASSERT_TRUE(TestHooks::ChooseMenuCommand(other.commandId));
        EXPECT_TRUE(TestHooks::IsControlEnabled(IDC_SUB_CATEGORY));
        EXPECT_TRUE(TestHooks::HasCommand(ID_ADD_FAVORITE));
        EXPECT_FALSE(TestHooks::HasCommand(ID_DELETE_FAVORITE));
        EXPECT_EQ(other.subCategoryEntry, TestHooks::GetListSelection(IDC_SUB_CATEGORY));
    });
}

// Where the browser's controls are, relative to its client area.
struct BrowserGeometry {
    Rect client;   // screen pixels
    Rect list;     // client pixels
    Rect combo;
    Rect frame;
};

BrowserGeometry MeasureBrowser(int frameId)
{
    BrowserGeometry g;
    TestHooks::RunOnUiThread([&] {
        PhraseBrowserDialog* browser = ProgramTest::Browser();
        if (!browser)
            return;
        g.client = browser->GetClientRect();
        browser->ClientToScreen(g.client);
        const auto clientRectOf = [&](int id) {
            Rect r = browser->GetDlgItem(id)->GetWindowRect();
            browser->ScreenToClient(r);
            return r;
        };
        g.list = clientRectOf(IDC_PHRASE_LIST);
        g.combo = clientRectOf(IDC_SUB_CATEGORY);
        g.frame = clientRectOf(frameId);
    });
    return g;
}

TEST_F(NavigationTest, BrowserFollowsRotation)
{
    const int frameId = EditionUnderTest().translationFrameId;
    RunProgram([&] {
        TapPicture({205, 55});
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        SaveScreenshot("browser-portrait");
        const BrowserGeometry portrait = MeasureBrowser(frameId);
        ControlRects designed;
        TestHooks::RunOnUiThread([&] { designed = Browser()->GetDesignedRects(); });
        ASSERT_TRUE(designed.count(IDC_PHRASE_LIST));

        TestHooks::ResizeScreen(320, 240);
        const BrowserGeometry landscape = MeasureBrowser(frameId);
        const int w = landscape.client.Width();
        const int h = landscape.client.Height();
        EXPECT_EQ(320, w);
        EXPECT_EQ(designed.at(IDC_PHRASE_LIST).left, landscape.list.left);
        EXPECT_EQ(w - 10, landscape.list.right);
        EXPECT_EQ(h - 100, landscape.list.bottom);
        EXPECT_EQ(w - 10, landscape.combo.right);
        EXPECT_EQ(5, landscape.combo.top);
        EXPECT_EQ((Rect{designed.at(frameId).left, h - 58, w - 10, h - 24}), landscape.frame);

        TestHooks::ResizeScreen(240, 240);
        const BrowserGeometry square = MeasureBrowser(frameId);
        const int hs = square.client.Height();
        EXPECT_EQ(designed.at(IDC_PHRASE_LIST).Width(), square.list.Width());
        EXPECT_EQ(hs - 100, square.list.bottom);
        EXPECT_EQ(designed.at(IDC_SUB_CATEGORY), square.combo);
        EXPECT_EQ(hs - 24, square.frame.bottom);

        TestHooks::ResizeScreen(240, 320);
        const BrowserGeometry back = MeasureBrowser(frameId);
        EXPECT_EQ(designed.at(IDC_PHRASE_LIST), back.list);
        EXPECT_EQ(portrait.list.Width(), back.list.Width());
        EXPECT_EQ(designed.at(frameId), back.frame);
    });
}

} // namespace
} // namespace editiontest
