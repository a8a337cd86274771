// CScriptToggle: the yellow button with the sample glyph of the current script in blue at
// (column + 1, row + 1), and the flip of the application-wide flag on a tap.

#include "script/ScriptToggle.h"

#include <gtest/gtest.h>

#include "script/EditionProfile.h"
#include "script/GlyphFont.h"
#include "tests/script/GlyphPicture.h"
#include "tests/script/RasterContext.h"

using namespace scripttest;

namespace {

class ScriptToggleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const FixtureFont& files = SharedFixtureFont();
        ASSERT_TRUE(m_font.OpenGlyphFont(files.indexPath, files.dataPath));
    }

    ScriptEnvironment Environment(const EditionProfile& profile)
    {
        ScriptEnvironment environment;
        environment.profile = &profile;
        environment.glyphFont = &m_font;
        environment.scriptFlag = &m_flag;
        return environment;
    }

    // The toggle painted on a 20 x 20 grey picture.
    static ::testing::AssertionResult ShowsSample(CScriptToggle& toggle, char16_t sample)
    {
        RasterContext dc(20, 20, Rgb(128, 128, 128));
        toggle.OnPaint(dc);
        GlyphPicture expected(20, 20, ColorYellow);
        expected.DrawMarker(sample, 1, 1, ColorBlue, true, ColorYellow);
        return SamePixels(expected, [&dc](int x, int y) { return dc.At(x, y); });
    }

    CGlyphFont m_font;
    uint32_t m_flag = 1;
};

}  // namespace

TEST_F(ScriptToggleTest, ChineseSamplesFollowTheFlag)
{
    CScriptToggle toggle(Environment(VeloraProfile()));
    EXPECT_TRUE(ShowsSample(toggle, 0x7B80)) << "simplified";
    toggle.OnPenDown({2, 2});
    EXPECT_EQ(0u, m_flag);
    EXPECT_TRUE(ShowsSample(toggle, 0x7E41)) << "traditional after one tap";
    toggle.OnPenDown({2, 2});
    EXPECT_EQ(1u, m_flag);
    EXPECT_TRUE(ShowsSample(toggle, 0x7B80)) << "simplified after a second tap";
}

TEST_F(ScriptToggleTest, JapaneseSamplesAndTheScreensRefresh)
{
    CScriptToggle toggle(Environment(MiravelProfile()));
    int refreshes = 0;
    uint32_t flagSeenByRefresh = 99;
    toggle.SetRefreshHandler([&] {
        ++refreshes;
        flagSeenByRefresh = m_flag;
    });
    EXPECT_TRUE(ShowsSample(toggle, 0x6F22)) << "kanji";
    toggle.OnPenDown({2, 2});
    EXPECT_EQ(1, refreshes);
    EXPECT_EQ(0u, flagSeenByRefresh) << "the views refresh after the flag flipped";
    EXPECT_TRUE(ShowsSample(toggle, 0x3042)) << "kana";
}

TEST_F(ScriptToggleTest, WithoutAGlyphOnlyYellowShows)
{
    EditionProfile profile = VeloraProfile();
    profile.toggleSamples = {0x0041, 0x0042};  // not in the fixture font
    CScriptToggle toggle(Environment(profile));
    RasterContext dc(20, 20, Rgb(128, 128, 128));
    toggle.OnPaint(dc);
    GlyphPicture expected(20, 20, ColorYellow);
    EXPECT_TRUE(SamePixels(expected, [&dc](int x, int y) { return dc.At(x, y); }));
}
