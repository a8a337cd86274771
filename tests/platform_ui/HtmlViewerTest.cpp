// The HTML viewer: a page whose pictures the dialog serves by name, one refused; and a dialog
// that opens and closes without a viewer.

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/HtmlViewer.h"
#include "platform/ui/Resources.h"

#include <gtest/gtest.h>

#include <set>

using namespace TestHooks;

namespace {

const int kHelpDialog = 960;
const int kViewerId = 12321;
const int kRedBitmap = 961;
const int kGreenBitmap = 962;

const DialogTemplate kHelp = {kHelpDialog, u"Help", u"System", 10, 123, 130, {}};

const char16_t kPage[] =
    u"<p><b>Help</b></p><p>Red <img src=\"red\"> green <img src=\"green\"> missing "
    u"<img src=\"missing\"> red again <img src=\"red\"></p><p><a href=\"more\">More</a></p>";

class CHelpDialog : public CDialog, public CHtmlViewerListener {
public:
    CHelpDialog() : CDialog(kHelpDialog) {}

    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (!InitHtmlControl())
            return true; // no viewer: an empty dialog that still opens and closes
        viewer = CreateHtmlViewer(*this, kViewerId, GetClientRect());
        if (!viewer)
            return true;
        viewer->SetListener(this);
        viewer->Clear();
        viewer->AddText(String(kPage).Left(40));
        viewer->AddText(String(kPage).Mid(40));
        viewer->EndOfSource();
        return true;
    }

    void OnInlineImage(CHtmlViewer& v, const String& name, uint32_t cookie) override
    {
        requests.push_back(name);
        cookies.insert(cookie);
        CBitmap bitmap;
        if (name == u"red" && bitmap.LoadBitmap(kRedBitmap))
            v.SetImage(cookie, bitmap);
        else if (name == u"green" && bitmap.LoadBitmap(kGreenBitmap))
            v.SetImage(cookie, bitmap);
        else
            v.ImageFailed(cookie);
    }

    void OnLinkTapped(CHtmlViewer&, const String& href) override { links.push_back(href); }

    std::unique_ptr<CHtmlViewer> viewer;
    std::vector<String> requests;
    std::set<uint32_t> cookies;
    std::vector<String> links;
};

class HtmlViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartPlatform();
        ClearResources();
        RegisterDialogTemplate(kHelp);
        RegisterBitmapFile(kRedBitmap, ":/demo/image-red.png");
        RegisterBitmapFile(kGreenBitmap, ":/demo/image-green.png");
        ResizeScreen(240, 320);
        SetHtmlViewerAvailable(true);
    }
    void TearDown() override { SetHtmlViewerAvailable(true); }
};

int CountPixels(const ScreenImage& image, ColorRef color)
{
    int count = 0;
    for (ColorRef pixel : image.pixels)
        count += pixel == color;
    return count;
}

TEST_F(HtmlViewerTest, ServesInlineImagesByNameAndShowsThem)
{
    CHelpDialog dialog;
    RunWithScript([&] { return dialog.DoModal(); },
                  [&] {
                      ASSERT_TRUE(WaitForDialog(kHelpDialog));
                      RunOnUiThread([&] {
                          ASSERT_TRUE(dialog.viewer);
                          // One request per name, in page order, each with its own cookie.
                          EXPECT_EQ(dialog.requests, (std::vector<String>{u"red", u"green", u"missing"}));
                          EXPECT_EQ(dialog.cookies.size(), 3u);
                          String text = dialog.viewer->GetPlainText();
                          EXPECT_GE(text.Find(u"Help"), 0);
                          EXPECT_GE(text.Find(u"More"), 0);
                      });
                      ScreenImage screen = CaptureScreen();
                      // Both served pictures are drawn whole: red twice (20 × 10), green once (12 × 12).
                      EXPECT_GE(CountPixels(screen, Rgb(255, 0, 0)), 2 * 20 * 10);
                      EXPECT_GE(CountPixels(screen, Rgb(0, 255, 0)), 12 * 12);
                      EXPECT_EQ(GetControlText(kViewerId), [&] {
                          String text;
                          RunOnUiThread([&] { text = dialog.viewer->GetPlainText(); });
                          return text;
                      }());

                      // A tapped link is only reported; the page stays.
                      ASSERT_TRUE(TapHtmlLink(kViewerId, u"more"));
                      RunOnUiThread([&] { EXPECT_EQ(dialog.links, (std::vector<String>{u"more"})); });
                      EXPECT_GE(GetControlText(kViewerId).Find(u"Red"), 0);
                      EXPECT_FALSE(TapHtmlLink(kViewerId, u"elsewhere"));
                      PressTitleOk();
                  });
    EXPECT_FALSE(dialog.IsRunning());
}

TEST_F(HtmlViewerTest, MissingViewerLeavesAnEmptyDialogThatOpensAndCloses)
{
    SetHtmlViewerAvailable(false);
    CHelpDialog dialog;
    int result = RunWithScript([&] { return dialog.DoModal(); },
                               [&] {
                                   ASSERT_TRUE(WaitForDialog(kHelpDialog));
                                   RunOnUiThread([&] { EXPECT_FALSE(dialog.viewer); });
                                   EXPECT_EQ(GetScreenTitle(), String(u"Help"));
                                   PressTitleOk();
                                   EXPECT_EQ(GetActiveDialog(), nullptr);
                               });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.requests.empty());
}

} // namespace
