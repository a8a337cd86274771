// Captured screens of the demonstration dialog in portrait and landscape, compared with the
// reference images committed beside this file. Set PHRASEBOOK_UPDATE_REFERENCES=1 to write
// new references after an intended change of the look.

#include "tests/platform_ui/DemoDialog.h"

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Resources.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace TestHooks;

namespace {

struct Orientation {
    const char* name;
    int width;
    int height;
};

// Fonts may be rasterised a little differently from one machine to the next; the layout,
// colours and pictures must match.
const int kChannelTolerance = 48;
const double kMaxDifferingShare = 0.02;

class ReferenceScreenTest : public ::testing::TestWithParam<Orientation> {};

TEST_P(ReferenceScreenTest, DemoLooksLikeItsReference)
{
    const Orientation& o = GetParam();
    StartPlatform();
    ClearResources();
    RegisterDemoResources();
    ResizeScreen(240, 320);
    CDemoDialog dialog;
    ScreenImage captured;
    RunWithScript([&] { return dialog.DoModal(); },
                  [&] {
                      ASSERT_TRUE(WaitForDialog(kDemoDialog));
                      ResizeScreen(o.width, o.height);
                      TapControlAt(kDemoCanvas, Point{12, 9});
                      captured = CaptureScreen();
                  });
    ResizeScreen(240, 320);
    ASSERT_EQ(captured.width, o.width);
    ASSERT_EQ(captured.height, o.height);

    String path = String(PLATFORM_UI_REFERENCE_DIR "/demo-") + String(o.name) + String(".png");
    const char* update = std::getenv("PHRASEBOOK_UPDATE_REFERENCES");
    if (update && *update == '1') {
        ASSERT_TRUE(SavePng(captured, path));
        return;
    }
    ScreenImage reference;
    ASSERT_TRUE(LoadPng(path, reference)) << "missing reference image; run with PHRASEBOOK_UPDATE_REFERENCES=1";
    double share = CompareImages(captured, reference, kChannelTolerance);
    if (share > kMaxDifferingShare)
        SavePng(captured, String(o.name) + String("-captured.png"));
    EXPECT_LE(share, kMaxDifferingShare) << "captured screen written to the test folder";
}

INSTANTIATE_TEST_SUITE_P(Screens, ReferenceScreenTest,
                         ::testing::Values(Orientation{"portrait", 240, 320},
                                           Orientation{"landscape", 320, 240}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
