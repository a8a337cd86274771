// Start-up and its failures in the Chinese program: a missing PinYin table, a damaged phrase
// book, a missing voice archive, the platform warning, the font added and removed, and the
// debug log recreated at every start.

#include "tests/editions/ProgramRun.h"

#include "platform/ui/Font.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"
#include "tests/editions/EditionUnderTest.h"

#include <fstream>
#include <iterator>

namespace editiontest {
namespace {

using StartupTest = ProgramTest;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(StartupTest, NormalStartShowsNoMessageAndLeavesAnEmptyLog)
{
    int fontsDuringRun = -1;
    RunProgram([&] {
        fontsDuringRun = App()->GetFontAddCount();
        EXPECT_TRUE(TakeMessages().empty());
        EXPECT_EQ("Velora Phrase Book", Text(TestHooks::GetScreenTitle()));
    });
    EXPECT_EQ(1, fontsDuringRun);
    EXPECT_EQ(0, App()->GetFontAddCount()) << "the exit step removes the font";
    // The version line is below the log's threshold: the file holds the byte-order mark only.
    EXPECT_EQ(std::string("\xFF\xFE"), ReadFile(Folder().PathOf("log.log")));
}

TEST_F(StartupTest, MissingPinyinTableIsReportedOnce)
{
    Folder().Remove("py_pool.dat");
    bool mainScreen = false;
    RunProgram([&] {
        mainScreen = TestHooks::GetActiveDialogTemplate() == IDD_MAIN_SCREEN;
        EXPECT_EQ(std::vector<std::string>{"Cannot load PinYin data."}, TakeMessages());
        // The browser still works; the PinYin line stays empty.
        TapPicture({205, 55});
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        EXPECT_FALSE(TestHooks::GetListEntries(IDC_PHRASE_LIST).empty());
        EXPECT_TRUE(TakeMessages().empty());
    });
    EXPECT_TRUE(mainScreen);
}

TEST_F(StartupTest, DamagedPhraseBookGivesAnEmptyWorkingProgram)
{
    // The right framing string, then a category count far beyond what the file holds.
    std::string damaged("\x09\x00\x00\x00", 4);
    for (char c : std::string("19760424"))
        damaged += std::string{c, '\0'};
    damaged += std::string("\0\0", 2) + std::string("\xFF\xFF\xFF\x7F", 4) + std::string(16, '\x01');
    Folder().Replace("phrases.dat", damaged);
    RunProgram([&] {
        EXPECT_EQ(std::vector<std::string>{"Phrase book data corrupted."}, TakeMessages());
        TapPicture({205, 55});
        EXPECT_FALSE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER, 500)) << "no category can be found";
        EXPECT_EQ(IDD_MAIN_SCREEN, TestHooks::GetActiveDialogTemplate());
        // Search and about still run.
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_ABOUT));
        EXPECT_TRUE(TestHooks::WaitForDialog(IDD_ABOUT));
        TestHooks::PressTitleOk();
        EXPECT_TRUE(TestHooks::WaitForDialog(IDD_MAIN_SCREEN));
    });
}

TEST_F(StartupTest, MissingPhraseBookIsReportedOnceAndTheProgramGoesOn)
{
    Folder().Remove("phrases.dat");
    RunProgram([&] {
        const std::vector<std::string> messages = TakeMessages();
        ASSERT_EQ(1u, messages.size());
        EXPECT_NE(std::string::npos, messages[0].find("phrases.dat")) << messages[0];
        TapPicture({205, 55});
        EXPECT_FALSE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER, 500));
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_SEARCH));
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_SEARCH));
        ASSERT_TRUE(TestHooks::TypeText(IDC_SEARCH_TEXT, String(u"water")));
        ASSERT_TRUE(TestHooks::TapControl(IDOK));
        EXPECT_EQ(std::vector<std::string>{"Your search didn't return any result."}, TakeMessages());
    });
}

TEST_F(StartupTest, MissingVoiceArchiveFailsOnPlay)
{
    Folder().Remove("voice.dat");
    RunProgram([&] {
        EXPECT_EQ(std::vector<std::string>{"Open Voice File Error"}, TakeMessages());
        TapPicture({205, 55});
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        ASSERT_TRUE(TestHooks::TapControl(EditionUnderTest().translationFrameId));
        EXPECT_EQ(std::vector<std::string>{"OstrelSoft Software Error Code 003"}, TakeMessages());
        EXPECT_TRUE(Wave().Buffers().empty());
    });
}

TEST_F(StartupTest, SmartPhoneWarning)
{
    // Cancel: the program ends before any font is added or any screen is shown.
    TestHooks::AnswerNextMessageBoxes({IDCANCEL});
    bool mainScreen = true;
    RunProgram([&] { mainScreen = TestHooks::GetActiveDialogTemplate() == IDD_MAIN_SCREEN; }, u"SmartPhone");
    EXPECT_FALSE(mainScreen);
    EXPECT_EQ(0, App()->GetFontAddCount());
    EXPECT_FALSE(App()->GetGlyphFont().IsGlyphFontOpen());
    const auto boxes = TestHooks::TakeShownMessageBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Warning", Text(boxes[0].title));
    EXPECT_EQ(0u, Text(boxes[0].text).find("Your device is not a Pocket PC!\n"));
    EXPECT_NE(std::string::npos, Text(boxes[0].text).find("\nDo you want to continue?"));
    EXPECT_EQ(static_cast<unsigned>(MB_OKCANCEL | MB_ICONWARNING), boxes[0].type);

    // OK: a normal start.
    TestHooks::AnswerNextMessageBoxes({IDOK});
    mainScreen = false;
    RunProgram([&] { mainScreen = TestHooks::GetActiveDialogTemplate() == IDD_MAIN_SCREEN; }, u"SmartPhone");
    EXPECT_TRUE(mainScreen);
}

} // namespace
} // namespace editiontest
