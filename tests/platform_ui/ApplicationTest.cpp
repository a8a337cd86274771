// The application object's run: initialisation step, the message loop only after a true
// result, then the exit step whose result is the program's.

#include "tests/platform_ui/DemoDialog.h"

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Application.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace TestHooks;

namespace {

class CRecordingApp : public CApplication {
public:
    explicit CRecordingApp(bool runMainScreen, bool initResult)
        : m_runMainScreen(runMainScreen), m_initResult(initResult) {}

    bool InitInstance() override
    {
        steps.push_back("init");
        sawItself = GetApplication() == this;
        if (m_runMainScreen) {
            CDemoDialog main;
            SetMainWindow(&main);
            mainResult = main.DoModal();
            SetMainWindow(nullptr);
            steps.push_back("main screen closed");
        }
        return m_initResult;
    }

    int ExitInstance() override
    {
        steps.push_back("exit");
        return 7;
    }

    std::vector<std::string> steps;
    bool sawItself = false;
    int mainResult = 0;

private:
    bool m_runMainScreen;
    bool m_initResult;
};

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartPlatform();
        ClearResources();
        RegisterDemoResources();
    }
};

TEST_F(ApplicationTest, FalseFromInitialisationRunsNoLoopAndGoesStraightToExit)
{
    CRecordingApp app(false, false);
    char name[] = "test";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(RunApplication(1, argv, app), 7);
    EXPECT_EQ(app.steps, (std::vector<std::string>{"init", "exit"}));
    EXPECT_TRUE(app.sawItself);
    EXPECT_EQ(GetApplication(), nullptr);
}

TEST_F(ApplicationTest, ProgramLifeIsItsModalMainScreen)
{
    CRecordingApp app(true, false);
    int result = RunProgram(app, [] {
        ASSERT_TRUE(WaitForDialog(kDemoDialog));
        EXPECT_EQ(GetScreenTitle(), String(u"Demo"));
        RunOnUiThread([] { EXPECT_EQ(GetPlatformType(), String(u"PocketPC")); });
        PressTitleOk(); // closing the main screen ends the program
    });
    EXPECT_EQ(result, 7);
    EXPECT_EQ(app.mainResult, IDOK);
    EXPECT_EQ(app.steps, (std::vector<std::string>{"init", "main screen closed", "exit"}));
}

TEST_F(ApplicationTest, TrueFromInitialisationRunsTheLoopUntilTheEnd)
{
    CRecordingApp app(false, true);
    int result = RunProgram(app, [&] {
        RunOnUiThread([&] { EXPECT_EQ(app.steps, (std::vector<std::string>{"init"})); });
    });
    EXPECT_EQ(result, 7);
    EXPECT_EQ(app.steps, (std::vector<std::string>{"init", "exit"}));
}

} // namespace
