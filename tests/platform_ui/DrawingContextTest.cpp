// The drawing context as paint hooks see it: exact pixels of rectangles, bitmap copies, opaque
// text and word-broken text, captured from the screen.

#include "platform/testhooks/TestHooks.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Font.h"
#include "platform/ui/Resources.h"

#include <gtest/gtest.h>

using namespace TestHooks;

namespace {

const int kDrawingDialog = 980;
const int kCanvasId = 1;
const int kPictureBitmap = 981;

const ControlTemplate kDrawingControls[] = {
    {kCanvasId, ControlKind::Static, nullptr, 0, 0, 0, 140, 60},
};
const DialogTemplate kDrawing = {kDrawingDialog, u"Drawing", u"System", 8, 147, 165, kDrawingControls};

const char16_t kWords[] = u"one two three four five six";

class CPrimitives : public CCustomControl {
public:
    void OnPaint(CDrawingContext& dc) override
    {
        Rect client = dc.GetClientRect();
        dc.FillRect(client, ColorWhite);

        CPen oldPen = dc.SelectPen(CPen(CPen::Solid, 1, Rgb(255, 0, 0)));
        CBrush oldBrush = dc.SelectBrush(CBrush(ColorBlue));
        dc.Rectangle(2, 2, 12, 10);
        dc.SelectPen(CPen(CPen::Null, 0, ColorBlack));
        dc.Rectangle(14, 2, 18, 6);
        dc.SelectPen(oldPen);
        dc.SelectBrush(oldBrush);

        CBitmap picture;
        picture.LoadBitmap(kPictureBitmap); // 24 × 20 magenta, teal at 4..19 × 4..15
        dc.BitBlt(20, 2, 16, 16, picture, 4, 4);
        dc.BitBlt(40, 2, 16, 16, picture, 16, 10); // half of it lies outside the picture

        dc.SetBkMode(BackgroundMode::Opaque);
        dc.SetBkColor(ColorYellow);
        dc.SetTextColor(ColorBlack);
        dc.TextOut(2, 24, u"Hi");
        textExtent = dc.GetTextExtent(u"Hi");

        CFont previous = dc.SelectFont(CFont(24, u"Liberation Sans"));
        largeExtent = dc.GetTextExtent(u"Hi");
        CFont restored = dc.SelectFont(previous);
        selectReturnedLarge = restored.GetHeight() == 24;
        restoredExtent = dc.GetTextExtent(u"Hi");

        Rect wordRect{100, 2, 140, 400};
        wrappedHeight = dc.DrawText(kWords, wordRect, DT_WORDBREAK | DT_CALCRECT);
        Rect oneLine{100, 2, 140, 400};
        singleHeight = dc.DrawText(kWords, oneLine, DT_SINGLELINE | DT_CALCRECT);
        calcBottom = wordRect.bottom;
        Rect drawn{100, 2, 140, 2 + wrappedHeight};
        dc.SetBkMode(BackgroundMode::Transparent);
        dc.DrawText(kWords, drawn, DT_WORDBREAK);
    }

    Size textExtent, largeExtent, restoredExtent;
    bool selectReturnedLarge = false;
    int wrappedHeight = 0;
    int singleHeight = 0;
    int calcBottom = 0;
};

class CDrawingDialog : public CDialog {
public:
    CDrawingDialog() : CDialog(kDrawingDialog) {}
    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        AttachCustomControl(kCanvasId, primitives);
        return true;
    }
    CPrimitives primitives;
};

TEST(DrawingContextTest, PaintsExactPixelsThatTheCaptureShows)
{
    StartPlatform();
    ClearResources();
    RegisterDialogTemplate(kDrawing);
    RegisterBitmapFile(kPictureBitmap, ":/demo/picture.png");
    ResizeScreen(240, 320);
    CDrawingDialog dialog;
    RunWithScript([&] { return dialog.DoModal(); }, [&] {
        ASSERT_TRUE(WaitForDialog(kDrawingDialog));
        ScreenImage screen = CaptureScreen();
        auto at = [&](int x, int y) {
            Point p = ControlClientToScreen(kCanvasId, Point{x, y});
            return screen.At(p.x, p.y);
        };
        const ColorRef red = Rgb(255, 0, 0), teal = Rgb(0, 128, 128), magenta = Rgb(255, 0, 255);
        struct Pixel {
            int x, y;
            ColorRef expected;
            const char* why;
        };
        const Pixel checks[] = {
            {2, 2, red, "the pen outlines the top-left corner"},
            {11, 9, red, "the outline ends one pixel inside right and bottom"},
            {12, 10, ColorWhite, "right and bottom are exclusive"},
            {3, 3, ColorBlue, "the brush fills the inside"},
            {10, 8, ColorBlue, "the inside ends inside the outline"},
            {14, 2, ColorBlue, "a null pen: the brush fills the whole rectangle"},
            {17, 5, ColorBlue, "a null pen: up to the exclusive edges"},
            {18, 6, ColorWhite, "a null pen: not beyond them"},
            {20, 2, teal, "the copy starts at the source point"},
            {35, 13, teal, "the copy's last teal pixel"},
            {35, 14, magenta, "rows below the teal part come from the picture too"},
            {40, 2, teal, "a copy partly outside the source draws its inside part"},
            {47, 2, magenta, "the last column inside the source"},
            {48, 2, ColorWhite, "columns outside the source draw nothing"},
        };
        for (const Pixel& p : checks)
            EXPECT_EQ(at(p.x, p.y), p.expected) << p.why << " at " << p.x << ", " << p.y;

        Size extent;
        RunOnUiThread([&] { extent = dialog.primitives.textExtent; });
        ASSERT_GT(extent.cx, 4);
        int yellow = 0, dark = 0;
        for (int y = 24; y < 24 + extent.cy; ++y)
            for (int x = 2; x < 2 + extent.cx; ++x) {
                ColorRef c = at(x, y);
                yellow += c == ColorYellow;
                dark += RedOf(c) < 128 && GreenOf(c) < 128;
                EXPECT_NE(c, ColorWhite) << "the opaque background covers the whole cell, at " << x << ", " << y;
            }
        EXPECT_GT(yellow, 0);
        EXPECT_GT(dark, 0);
        EXPECT_EQ(at(2 + extent.cx, 24 + extent.cy / 2), ColorWhite);
        EXPECT_EQ(at(2, 24 + extent.cy), ColorWhite);

        RunOnUiThread([&] {
            const CPrimitives& p = dialog.primitives;
            EXPECT_GT(p.largeExtent.cy, p.textExtent.cy);
            EXPECT_TRUE(p.selectReturnedLarge);
            EXPECT_EQ(p.restoredExtent, p.textExtent);
            EXPECT_GE(p.wrappedHeight, 3 * p.singleHeight); // six words in 40 pixels
            EXPECT_EQ(p.calcBottom, 2 + p.wrappedHeight);
        });
        int ink = 0;
        for (int y = 2 + extent.cy; y < 2 + 3 * extent.cy; ++y)
            for (int x = 100; x < 140; ++x)
                ink += at(x, y) != ColorWhite;
        EXPECT_GT(ink, 0) << "the broken lines are drawn below the first";
        for (int y = 2; y < 60; ++y)
            EXPECT_EQ(at(141, y), ColorWhite) << "word-broken text stays inside its rectangle";
    });
}

TEST(FontResourceTest, RegistrationIsCountedPerPath)
{
    StartPlatform();
    const String font = u"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    EXPECT_EQ(AddFontResource(u"/nonexistent/font.ttf"), 0);
    EXPECT_FALSE(RemoveFontResource(u"/nonexistent/font.ttf"));
    int faces = AddFontResource(font);
    ASSERT_GE(faces, 1) << "needs the fonts-dejavu-core package";
    EXPECT_EQ(AddFontResource(font), faces);
    EXPECT_TRUE(RemoveFontResource(font));
    EXPECT_TRUE(RemoveFontResource(font));
    EXPECT_FALSE(RemoveFontResource(font));
}

TEST(FontTest, CreateFontRefusesWhatThePlatformCallWould)
{
    CFont font;
    EXPECT_FALSE(font.CreateFont(16, u""));
    EXPECT_FALSE(font.CreateFont(-1, u"Courier New"));
    EXPECT_TRUE(font.IsDefault());
    EXPECT_TRUE(font.CreateFont(16, u"Courier New"));
    EXPECT_EQ(font.GetHeight(), 16);
    EXPECT_EQ(font.GetFaceName(), String(u"Courier New"));
}

} // namespace
