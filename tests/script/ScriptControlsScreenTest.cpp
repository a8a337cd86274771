// The painting controls on a real (offscreen) screen: a dialog holding a translation box, a
// script toggle and a PinYin box is run, the screen is captured, and the boxes are checked
// pixel for pixel against the fixture glyphs, before and after taps on the toggle. The Korean
// box and the PinYin box draw with TrueType faces, so for them the capture is checked for where
// ink lies (lines and margins), not for exact pixels.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "phrasebook/Phrase.h"
#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Resources.h"
#include "script/EditionProfile.h"
#include "script/G2bTable.h"
#include "script/GlyphFont.h"
#include "script/PinyinBox.h"
#include "script/ScriptToggle.h"
#include "script/TranslationBox.h"
#include "tests/script/GlyphPicture.h"

using namespace scripttest;

namespace {

constexpr int kDialogId = 9101;
// Plain statics, so that each control's client area starts at its screen rectangle.
const ControlTemplate kControls[] = {
    {1006, ControlKind::Static, nullptr, 0, 4, 20, 127, 21},
    {1012, ControlKind::Static, nullptr, 0, 16, 50, 114, 35},
    {1014, ControlKind::Static, nullptr, 0, 108, 100, 12, 12},
};
const DialogTemplate kDialog = {kDialogId, u"Script", u"System", 8, 147, 165, kControls};

class ScriptDialog : public CDialog {
public:
    explicit ScriptDialog(const ScriptEnvironment& environment)
        : CDialog(kDialogId), box(environment), toggle(environment) {}

    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        AttachCustomControl(1006, pinyin);
        AttachCustomControl(1012, box);
        AttachCustomControl(1014, toggle);
        box.SetScriptToggle(&toggle);
        toggle.SetTranslationBox(&box);
        return true;
    }

    CPinyinBox pinyin;
    CTranslationBox box;
    CScriptToggle toggle;
};

std::u16string Han(int first, int n)
{
    std::u16string text;
    for (int i = 0; i < n; ++i)
        text.push_back(static_cast<char16_t>(0x4E00 + first + i));
    return text;
}

// Compares the captured pixels inside `rect` with `expected`, whose (0, 0) is the rect's corner.
::testing::AssertionResult CaptureShows(const Rect& rect, const GlyphPicture& expected)
{
    const TestHooks::ScreenImage screen = TestHooks::CaptureScreen();
    if (rect.IsEmpty() || rect.right > screen.width || rect.bottom > screen.height)
        return ::testing::AssertionFailure() << "control not on the screen";
    return SamePixels(expected, [&](int x, int y) { return screen.At(rect.left + x, rect.top + y) & 0xFFFFFF; });
}

bool IsWhite(uint32_t color)
{
    return (color & 0xFFFFFF) == ColorWhite;
}

// Rows of `rect` in the capture that hold any non-white pixel.
std::vector<bool> InkRows(const Rect& rect, int* leftmostInk = nullptr)
{
    const TestHooks::ScreenImage screen = TestHooks::CaptureScreen();
    std::vector<bool> rows(rect.Height(), false);
    int leftmost = rect.Width();
    for (int y = 0; y < rect.Height(); ++y)
        for (int x = 0; x < rect.Width(); ++x)
            if (!IsWhite(screen.At(rect.left + x, rect.top + y))) {
                rows[y] = true;
                leftmost = std::min(leftmost, x);
            }
    if (leftmostInk != nullptr)
        *leftmostInk = leftmost;
    return rows;
}

// Number of separate runs of rows with ink (text lines).
int InkBands(const std::vector<bool>& rows)
{
    int bands = 0;
    for (size_t y = 0; y < rows.size(); ++y)
        if (rows[y] && (y == 0 || !rows[y - 1]))
            ++bands;
    return bands;
}

class ScriptControlsScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        TestHooks::StartPlatform();
        RegisterDialogTemplate(kDialog);
    }

    void SetUp() override
    {
        const FixtureFont& files = SharedFixtureFont();
        ASSERT_TRUE(m_font.OpenGlyphFont(files.indexPath, files.dataPath));
        ASSERT_TRUE(m_table.Open(SharedConversionTablePath()));
        m_environment.glyphFont = &m_font;
        m_environment.scriptFlag = &m_flag;
        m_environment.conversionTable = &m_table;
    }

    // Runs the dialog with `text` shown in the box and `line` in the PinYin box, and `script`
    // on the helper thread while it runs.
    void Run(const EditionProfile& profile, const std::u16string& text, const std::u16string& line,
             const std::function<void()>& script)
    {
        ScriptEnvironment environment = m_environment;
        environment.profile = &profile;
        ScriptDialog dialog(environment);
        m_phrase.name = String(text.c_str());
        dialog.box.SetTranslation(&m_phrase);
        dialog.pinyin.SetLine(String(line.c_str()));
        TestHooks::RunWithScript([&dialog] { return dialog.DoModal(); },
                                 [&] {
                                     ASSERT_TRUE(TestHooks::WaitForDialog(kDialogId));
                                     script();
                                 });
    }

    CGlyphFont m_font;
    CG2bTable m_table;
    uint32_t m_flag = 1;
    ScriptEnvironment m_environment;
    CPhrase m_phrase;
};

}  // namespace

TEST_F(ScriptControlsScreenTest, ChineseBoxAndToggleOnScreen)
{
    Rect boxRect;  // the box's size on this screen
    Run(VeloraProfile(), u"", u"", [&] { boxRect = TestHooks::GetControlScreenRect(1012); });
    ASSERT_FALSE(boxRect.IsEmpty());
    const int perLine = boxRect.Width() / 16 - 1;
    ASSERT_GE(boxRect.Height(), 36) << "the template box is at least 36 pixels high";

    // P characters: one line at y = 17; after a toggle tap the traditional codes (U+4E80 + k).
    const std::u16string fits = Han(0, perLine);
    Run(VeloraProfile(), fits, u"", [&] {
        const Rect box = TestHooks::GetControlScreenRect(1012);
        const Rect toggle = TestHooks::GetControlScreenRect(1014);
        GlyphPicture simplified(box.Width(), box.Height(), ColorWhite);
        GlyphPicture traditional(box.Width(), box.Height(), ColorWhite);
        for (int i = 0; i < perLine; ++i) {
            simplified.DrawMarker(fits[i], 16 * i, 17, ColorBlack);
            traditional.DrawMarker(static_cast<char16_t>(fits[i] + 0x80), 16 * i, 17, ColorBlack);
        }
        GlyphPicture simplifiedSample(toggle.Width(), toggle.Height(), ColorYellow);
        simplifiedSample.DrawMarker(0x7B80, 1, 1, ColorBlue, true, ColorYellow);
        GlyphPicture traditionalSample(toggle.Width(), toggle.Height(), ColorYellow);
        traditionalSample.DrawMarker(0x7E41, 1, 1, ColorBlue, true, ColorYellow);

        EXPECT_TRUE(CaptureShows(box, simplified)) << "simplified";
        EXPECT_TRUE(CaptureShows(toggle, simplifiedSample)) << "simplified sample";
        ASSERT_TRUE(TestHooks::TapControl(1014));
        EXPECT_TRUE(CaptureShows(box, traditional)) << "after one tap";
        EXPECT_TRUE(CaptureShows(toggle, traditionalSample)) << "traditional sample";
        ASSERT_TRUE(TestHooks::TapControl(1014));
        EXPECT_TRUE(CaptureShows(box, simplified)) << "after a second tap";
        EXPECT_TRUE(CaptureShows(toggle, simplifiedSample)) << "simplified sample again";
    });
    EXPECT_EQ(1u, m_flag);

    // P + 1 characters with a digit and a missing glyph: from y = 6, last one on the second line.
    std::u16string longer = Han(0, perLine + 1);
    longer[1] = kMissingGlyph;
    longer.insert(2, u"3");
    Run(VeloraProfile(), longer, u"", [&] {
        const Rect box = TestHooks::GetControlScreenRect(1012);
        GlyphPicture expected(box.Width(), box.Height(), ColorWhite);
        int x = 0;
        for (int i = 0; i < static_cast<int>(longer.size()); ++i) {
            if (i == perLine)
                x = 0;
            const int y = i < perLine ? 6 : 22;
            if (longer[i] == u'3')
                continue;
            if (longer[i] != kMissingGlyph)
                expected.DrawMarker(longer[i], x, y, ColorBlack);
            x += 16;
        }
        EXPECT_TRUE(CaptureShows(box, expected));
    });
}

TEST_F(ScriptControlsScreenTest, PinyinBoxBreaksIntoTwoLines)
{
    Run(VeloraProfile(), u"", u"qǐng wèn xǐ shǒu jiān zài nǎr ", [&] {
        const Rect rect = TestHooks::GetControlScreenRect(1006);
        ASSERT_LT(rect.Width() / 9, 30) << "the line must be longer than the box";
        const std::vector<bool> rows = InkRows(rect);
        bool firstLine = false, secondLine = false;
        for (int y = 2; y < 19 && y < rect.Height(); ++y)
            firstLine = firstLine || rows[y];
        for (int y = 19; y < rect.Height(); ++y)
            secondLine = secondLine || rows[y];
        EXPECT_TRUE(firstLine);
        EXPECT_TRUE(secondLine);
        EXPECT_FALSE(rows[0] || rows[1]) << "text starts at y = 2";
    });
    Run(VeloraProfile(), u"", u"nǐ hǎo ", [&] {
        const std::vector<bool> rows = InkRows(TestHooks::GetControlScreenRect(1006));
        bool below = false;
        for (size_t y = 19; y < rows.size(); ++y)
            below = below || rows[y];
        EXPECT_FALSE(below) << "a short line stays on the first line";
    });
}

TEST_F(ScriptControlsScreenTest, KoreanBoxWrapsALongText)
{
    Run(SerrakProfile(), u"안녕하세요", u"", [&] {
        int leftmost = 0;
        const Rect rect = TestHooks::GetControlScreenRect(1012);
        const std::vector<bool> rows = InkRows(rect, &leftmost);
        EXPECT_EQ(1, InkBands(rows)) << "a short text stays on one line";
        EXPECT_GE(leftmost, 6) << "text starts 6 pixels from the left";
    });
    Run(SerrakProfile(), u"실례합니다 가장 가까운 지하철역이 어디에 있습니까", u"", [&] {
        int leftmost = 0;
        const Rect rect = TestHooks::GetControlScreenRect(1012);
        const std::vector<bool> rows = InkRows(rect, &leftmost);
        EXPECT_GE(InkBands(rows), 2) << "the long text wraps";
        EXPECT_GE(leftmost, 6);
        for (int y = 0; y < 4 && y < rect.Height(); ++y)
            EXPECT_FALSE(rows[y]) << "nothing above y = 4, row " << y;
    });
}
