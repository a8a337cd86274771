// The demonstration dialog driven through the test hooks alone: taps, combo choices, menu
// commands, toolbar buttons, custom painting, message boxes, resizing and data exchange.

#include "tests/platform_ui/DemoDialog.h"

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

using namespace TestHooks;

namespace {

class DemoDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartPlatform();
        ClearResources();
        RegisterDemoResources();
        ResizeScreen(240, 320);
        TakeShownMessageBoxes();
    }

    // Runs the demo dialog under script; returns DoModal's result.
    int Run(const std::function<void()>& script)
    {
        return RunWithScript([this] { return dialog.DoModal(); },
                             [&script] {
                                 ASSERT_TRUE(WaitForDialog(kDemoDialog));
                                 script();
                             });
    }

    // The screen point of the middle of list entry index.
    Point ListEntryPoint(int index)
    {
        Rect item;
        RunOnUiThread([&] { dialog.GetControl<CListBox>(kDemoList)->GetItemRect(index, item); });
        return ControlClientToScreen(kDemoList, Point{item.left + 5, item.top + item.Height() / 2});
    }

    CDemoDialog dialog;
};

TEST_F(DemoDialogTest, ShowsItsTitleAndControlsFromTheTemplate)
{
    Run([&] {
        EXPECT_EQ(GetScreenTitle(), String(u"Demo"));
        EXPECT_EQ(GetControlText(kDemoLabel), String(u"Demo label:"));
        EXPECT_EQ(GetListEntries(kDemoList).size(), 4u);
        EXPECT_EQ(GetListEntries(kDemoCombo), (std::vector<String>{u"All", u"Greetings", u"Weather"}));
        EXPECT_EQ(GetListSelection(kDemoCombo), 0);
        EXPECT_EQ(GetListSelection(kDemoList), -1);
        EXPECT_FALSE(IsControlEnabled(kDemoDisabledButton));
        EXPECT_TRUE(IsControlEnabled(kDemoHelloButton));
        // A true initialisation result let the framework focus the first control that takes it.
        EXPECT_EQ(GetFocusedControl(), kDemoCombo);
        // Data exchange on open filled the edit and the check box from the members.
        EXPECT_EQ(GetControlText(kDemoEdit), String(u"start"));
    });
}

TEST_F(DemoDialogTest, TapsSelectListEntriesAndEachUserChangeNotifiesOnce)
{
    Run([&] {
        Tap(ListEntryPoint(3)); // (entry 2 would open the demo's picker)
        EXPECT_EQ(GetListSelection(kDemoList), 3);
        Tap(ListEntryPoint(0));
        EXPECT_EQ(GetListSelection(kDemoList), 0);
        RunOnUiThread([&] {
            EXPECT_EQ(dialog.selChanges, (std::vector<int>{kDemoList, kDemoList}));
            // A selection the program makes is not a user's change: no notification.
            dialog.GetControl<CListBox>(kDemoList)->SetCurSel(1);
            EXPECT_EQ(dialog.selChanges.size(), 2u);
        });
        EXPECT_EQ(GetListSelection(kDemoList), 1);
    });
}

TEST_F(DemoDialogTest, PickerMadeAtRunTimeOverTheListDropsDownAndReportsTheChoice)
{
    Run([&] {
        Tap(ListEntryPoint(1)); // no picker for this entry
        EXPECT_FALSE(HasControl(kDemoPicker));
        Tap(ListEntryPoint(2));
        ASSERT_TRUE(HasControl(kDemoPicker));
        EXPECT_TRUE(IsDropDownOpen());
        EXPECT_EQ(GetListEntries(kDemoPicker), (std::vector<String>{u"train", u"bus", u"taxi"}));
        Rect list = GetControlScreenRect(kDemoList);
        Rect picker = GetControlScreenRect(kDemoPicker);
        Point origin = ControlClientToScreen(kDemoList, Point{0, 0});
        RunOnUiThread([&] {
            EXPECT_EQ(picker.left, origin.x + dialog.pickerRect.left);
            EXPECT_EQ(picker.top, origin.y + dialog.pickerRect.top);
            EXPECT_EQ(picker.Width(), dialog.pickerRect.Width());
            ASSERT_EQ(dialog.listPenDowns.size(), 2u);
        });
        EXPECT_GE(picker.top, list.top);

        ASSERT_TRUE(ChooseOpenDropDownEntry(2));
        EXPECT_FALSE(IsDropDownOpen());
        EXPECT_FALSE(ChooseOpenDropDownEntry(0)); // nothing is open any more
        // The close-up came first and the picker went away in it; nothing reached it after.
        RunOnUiThread([&] { EXPECT_EQ(dialog.pickerChoices, (std::vector<int>{2})); });
        EXPECT_FALSE(HasControl(kDemoPicker));
        EXPECT_EQ(GetListSelection(kDemoList), 2);
    });
}

TEST_F(DemoDialogTest, TapOutsideAnOpenDropDownClosesItAndReachesNothingElse)
{
    Run([&] {
        Tap(ListEntryPoint(2));
        ASSERT_TRUE(IsDropDownOpen());
        Tap(ListEntryPoint(0));
        EXPECT_FALSE(IsDropDownOpen());
        RunOnUiThread([&] {
            EXPECT_EQ(dialog.pickerChoices, (std::vector<int>{0})); // closed up on its first value
            EXPECT_EQ(dialog.listPenDowns.size(), 1u);
        });
        EXPECT_EQ(GetListSelection(kDemoList), 2);
        EXPECT_FALSE(HasControl(kDemoPicker));
    });
}

TEST_F(DemoDialogTest, PostedNotificationArrivesAfterTheHookReturns)
{
    Run([&] {
        RunOnUiThread([&] {
            dialog.PostNotification(kDemoList, Notification::SelChange);
            EXPECT_TRUE(dialog.selChanges.empty());
        });
        RunOnUiThread([&] { EXPECT_EQ(dialog.selChanges, (std::vector<int>{kDemoList})); });
    });
}

TEST_F(DemoDialogTest, ComboChoicesNotifyWhetherChosenByHookOrFromTheTappedList)
{
    Run([&] {
        ASSERT_TRUE(ChooseComboEntry(kDemoCombo, 2));
        EXPECT_EQ(GetListSelection(kDemoCombo), 2);
        EXPECT_FALSE(IsComboDropped(kDemoCombo));

        ASSERT_TRUE(TapControl(kDemoCombo));
        EXPECT_TRUE(IsComboDropped(kDemoCombo));
        ASSERT_TRUE(ChooseOpenDropDownEntry(1));
        EXPECT_FALSE(IsDropDownOpen());
        EXPECT_EQ(GetListSelection(kDemoCombo), 1);
        EXPECT_FALSE(ChooseComboEntry(kDemoCombo, 3)); // past the end
        RunOnUiThread([&] { EXPECT_EQ(dialog.selChanges, (std::vector<int>{kDemoCombo, kDemoCombo})); });
    });
}

TEST_F(DemoDialogTest, MenusHaveTheResourceShape)
{
    Run([&] {
        EXPECT_EQ(GetMenuBarButtons(), (std::vector<String>{u"Category", u"Tools"}));
        EXPECT_EQ(GetMenuItems({u"Category"}), (std::vector<String>{u"Basic", u"-", u"Favorites"}));
        EXPECT_EQ(GetMenuItems({u"Category", u"Basic"}), (std::vector<String>{u"All", u"Greetings"}));
        EXPECT_EQ(GetMenuItems({u"Tools"}), (std::vector<String>{u"Search", u"-", u"Other bar"}));
    });
}

TEST_F(DemoDialogTest, MenuCommandsAndEnabledButtonsReachTheirHandlersDisabledOnesDoNot)
{
    Run([&] {
        EXPECT_TRUE(ChooseMenuCommand(kCmdGreetings));   // in a nested popup
        EXPECT_TRUE(TapToolbarButton(kCmdRed));
        EXPECT_FALSE(IsCommandEnabled(kCmdGreen));        // disabled by the program
        EXPECT_TRUE(TapToolbarButton(kCmdGreen));
        EXPECT_FALSE(IsCommandEnabled(kCmdBlue));         // the state query: no selection yet
        EXPECT_TRUE(TapToolbarButton(kCmdBlue));
        EXPECT_TRUE(TapControl(kDemoDisabledButton));
        RunOnUiThread([&] { EXPECT_EQ(dialog.commands, (std::vector<int>{kCmdGreetings, kCmdRed})); });

        Tap(ListEntryPoint(1));
        EXPECT_TRUE(IsCommandEnabled(kCmdBlue));
        EXPECT_TRUE(TapToolbarButton(kCmdBlue));
        RunOnUiThread([&] { EXPECT_EQ(dialog.commands.back(), kCmdBlue); });
    });
}

TEST_F(DemoDialogTest, TappedMenusOpenSubMenusAndChooseCommands)
{
    Run([&] {
        ASSERT_TRUE(TapMenuBarButton(u"Category"));
        ASSERT_TRUE(IsMenuOpen());
        ASSERT_TRUE(TapOpenMenuItem(u"Basic"));
        ASSERT_TRUE(TapOpenMenuItem(u"All"));
        EXPECT_FALSE(IsMenuOpen());
        RunOnUiThread([&] { EXPECT_EQ(dialog.commands, (std::vector<int>{kCmdAll})); });

        ASSERT_TRUE(TapMenuBarButton(u"Tools"));
        EXPECT_FALSE(TapOpenMenuItem(u"All")); // not in this menu
        Tap(Point{5, 5});                      // outside: the menu closes, nothing is chosen
        EXPECT_FALSE(IsMenuOpen());
        RunOnUiThread([&] { EXPECT_EQ(dialog.commands.size(), 1u); });
    });
}

TEST_F(DemoDialogTest, BringingTheOtherBarToFrontSwapsMenusAndButtons)
{
    Run([&] {
        EXPECT_TRUE(HasCommand(kCmdRed));
        EXPECT_FALSE(HasCommand(kCmdOrange));
        EXPECT_TRUE(ChooseMenuCommand(kCmdSwitchBar));
        EXPECT_EQ(GetMenuBarButtons(), (std::vector<String>{u"Tools"}));
        EXPECT_FALSE(HasCommand(kCmdRed));
        EXPECT_FALSE(ChooseMenuCommand(kCmdGreetings)); // not on the bar in front
        EXPECT_TRUE(TapToolbarButton(kCmdOrange));
        EXPECT_TRUE(ChooseMenuCommand(kCmdDelete));
        RunOnUiThread([&] {
            EXPECT_EQ(dialog.commands, (std::vector<int>{kCmdSwitchBar, kCmdOrange, kCmdDelete}));
        });
    });
}

TEST_F(DemoDialogTest, CustomControlGetsPenAtItsClientPointAndItsPixelsShowThere)
{
    Run([&] {
        ASSERT_TRUE(TapControlAt(kDemoCanvas, Point{10, 7}));
        RunOnUiThread([&] {
            EXPECT_EQ(dialog.canvas.penDowns, (std::vector<Point>{{10, 7}}));
            EXPECT_EQ(dialog.canvas.penUps, (std::vector<Point>{{10, 7}}));
        });
        Point mark = ControlClientToScreen(kDemoCanvas, Point{10, 7});
        Point away = ControlClientToScreen(kDemoCanvas, Point{20, 7});
        Point edge = ControlClientToScreen(kDemoCanvas, Point{0, 0});
        ScreenImage screen = CaptureScreen();
        EXPECT_EQ(screen.At(mark.x, mark.y), ColorBlue);
        EXPECT_EQ(screen.At(mark.x + 1, mark.y + 1), ColorBlue);
        EXPECT_EQ(screen.At(mark.x + 2, mark.y), ColorYellow);
        EXPECT_EQ(screen.At(away.x, away.y), ColorYellow);
        EXPECT_EQ(screen.At(edge.x, edge.y), ColorWhite); // the white pen's outline
        // The client area is inside the sunken edge.
        Rect window = GetControlScreenRect(kDemoCanvas);
        EXPECT_EQ(edge.x, window.left + 1);
        EXPECT_EQ(edge.y, window.top + 1);
    });
}

TEST_F(DemoDialogTest, TapsOnAPictureGoThroughToTheDialog)
{
    Run([&] {
        Point inside = ControlClientToScreen(kDemoPicture, Point{3, 4});
        Rect client;
        RunOnUiThread([&] { client = dialog.GetControl<CStatic>(kDemoPicture)->GetWindowRect(); });
        Tap(inside);
        RunOnUiThread([&] {
            ASSERT_EQ(dialog.dialogPenDowns.size(), 1u);
            EXPECT_EQ(dialog.dialogPenDowns[0], (Point{client.left + 3, client.top + 4}));
        });
    });
}

TEST_F(DemoDialogTest, MessageBoxIsAnsweredInAdvanceAndRecorded)
{
    Run([&] {
        AnswerNextMessageBoxes({IDCANCEL});
        ASSERT_TRUE(TapControl(kDemoHelloButton));
        RunOnUiThread([&] { EXPECT_EQ(dialog.helloAnswer, IDCANCEL); });
        ASSERT_TRUE(TapControl(kDemoHelloButton)); // nothing queued: OK
        RunOnUiThread([&] { EXPECT_EQ(dialog.helloAnswer, IDOK); });
        std::vector<ShownMessageBox> shown = TakeShownMessageBoxes();
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0].text, String(u"Hello from the demo."));
        EXPECT_EQ(shown[0].title, String(u"Demo"));
        EXPECT_EQ(shown[0].type, unsigned(MB_OKCANCEL | MB_ICONWARNING));
        EXPECT_EQ(shown[0].answer, IDCANCEL);
        EXPECT_EQ(shown[1].answer, IDOK);
    });
}

TEST_F(DemoDialogTest, ResizingCallsTheSizeHookWithTheNewClientSize)
{
    Run([&] {
        ResizeScreen(320, 240);
        RunOnUiThread([] {
            EXPECT_EQ(GetScreenWidth(), 320);
            EXPECT_EQ(GetScreenHeight(), 240);
        });
        ResizeScreen(320, 240); // no change, no call
        ResizeScreen(480, 640);
        RunOnUiThread([&] {
            EXPECT_EQ(dialog.sizes, (std::vector<Size>{{320, 240 - CCommandBar::BarHeight},
                                                       {480, 640 - CCommandBar::BarHeight}}));
        });
    });
}

TEST_F(DemoDialogTest, OkExchangesDataOutAndEndsTheRun)
{
    int result = Run([&] {
        EXPECT_TRUE(TypeText(kDemoEdit, u"typed words"));
        EXPECT_TRUE(SetCheck(kDemoCheck, false));
        EXPECT_TRUE(TapControl(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.editText, String(u"typed words"));
    EXPECT_EQ(dialog.checked, 0);
    EXPECT_TRUE(dialog.destroyed);
    EXPECT_FALSE(dialog.IsRunning());
}

TEST_F(DemoDialogTest, TitleOkEndsWithOkAndCancelLeavesTheMembers)
{
    EXPECT_EQ(Run([&] { PressTitleOk(); }), IDOK);
    CDemoDialog second;
    int result = RunWithScript([&] { return second.DoModal(); },
                               [&] {
                                   ASSERT_TRUE(WaitForDialog(kDemoDialog));
                                   TypeText(kDemoEdit, u"dropped");
                                   // the script ends: the hooks cancel what still runs
                               });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(second.editText, String(u"start"));
}

TEST_F(DemoDialogTest, NestedDialogCoversTheOuterOneAndReturnsToIt)
{
    CDemoDialog inner;
    dialog.BindCommand(kCmdSearch, [&] { inner.DoModal(); });
    Run([&] {
        ASSERT_TRUE(ChooseMenuCommand(kCmdSearch));
        EXPECT_EQ(GetRunningDialogs().size(), 2u);
        EXPECT_EQ(GetActiveDialog(), &inner);
        ASSERT_TRUE(TapToolbarButton(kCmdRed));
        PressTitleOk();
        EXPECT_EQ(GetActiveDialog(), &dialog);
        RunOnUiThread([&] {
            EXPECT_EQ(inner.commands, (std::vector<int>{kCmdRed}));
            EXPECT_TRUE(dialog.commands.empty());
        });
    });
}

TEST(DialogTemplateTest, UnknownTemplateDoesNotRun)
{
    StartPlatform();
    CDialog missing(12345);
    EXPECT_EQ(missing.DoModal(), -1);
}

} // namespace
