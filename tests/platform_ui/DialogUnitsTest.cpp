// Dialog units become pixels by the dialog font's base units: the designed 147 × 165 screen
// fills the portrait screen above its command bar.

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/CommandBar.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Resources.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace TestHooks;

namespace {

const int kFullDialog = 970;
const int kFullStatic = 1;
const int kComboId = 2;

const ControlTemplate kFullControls[] = {
    {kFullStatic, ControlKind::Static, nullptr, 0, 0, 0, 147, 165},
    // A combo box's template height is that of its dropped list; the box itself is one line.
    {kComboId, ControlKind::ComboBox, nullptr, 0, 58, 7, 75, 105},
};
const DialogTemplate kFull = {kFullDialog, u"Full", u"System", 8, 147, 165, kFullControls};

struct Case {
    const char16_t* face;
    int points;
};

TEST(DialogUnitsTest, DesignedScreenFillsThePortraitScreenAboveTheCommandBar)
{
    StartPlatform();
    ClearResources();
    RegisterDialogTemplate(kFull);
    ResizeScreen(240, 320);
    CDialog dialog(kFullDialog);
    RunWithScript([&] { return dialog.DoModal(); },
                  [&] {
                      ASSERT_TRUE(WaitForDialog(kFullDialog));
                      Rect rect = GetControlScreenRect(kFullStatic);
                      EXPECT_EQ(rect.left, 0);
                      EXPECT_EQ(rect.top, 0);
                      EXPECT_LE(std::abs(rect.right - 240), 3);
                      EXPECT_LE(std::abs(rect.bottom - (320 - CCommandBar::BarHeight)), 3);
                      Rect client;
                      RunOnUiThread([&] { client = dialog.GetClientRect(); });
                      EXPECT_EQ(client, (Rect{0, 0, 240, 320 - CCommandBar::BarHeight}));

                      Rect combo = GetControlScreenRect(kComboId);
                      EXPECT_LT(combo.Height(), 40);
                      EXPECT_GT(combo.Height(), 10);
                  });
}

TEST(DialogUnitsTest, TenPointDialogsKeepTheirUsualContentOnTheScreen)
{
    // The 10-point dialogs place controls over 134 × 147 units; they must stay on the screen
    // (above the bar strip) and still be wider than the 8-point ones.
    static const ControlTemplate controls[] = {
        {1, ControlKind::Static, nullptr, 0, 0, 0, 134, 147},
    };
    static const DialogTemplate tenPoint = {971, u"Ten", u"System", 10, 140, 150, controls};
    StartPlatform();
    ClearResources();
    RegisterDialogTemplate(tenPoint);
    ResizeScreen(240, 320);
    CDialog dialog(971);
    RunWithScript([&] { return dialog.DoModal(); },
                  [&] {
                      ASSERT_TRUE(WaitForDialog(971));
                      Rect rect = GetControlScreenRect(1);
                      EXPECT_LE(rect.right, 240);
                      EXPECT_LE(rect.bottom, 320 - CCommandBar::BarHeight);
                      EXPECT_GT(rect.right, 134 * 240 / 147);
                  });
}

} // namespace
