// CPinyinBox: the white box, the line drawn in "Courier New" 16 at (2, 2) and, when it breaks,
// at (2, 19), and the geometry log line written once per line set.

#include "script/PinyinBox.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "shell/log/DebugLog.h"
#include "tests/script/GlyphPicture.h"
#include "tests/script/RasterContext.h"

using namespace scripttest;

namespace {

std::u16string Text(const String& s)
{
    return std::u16string(s.GetString(), s.GetLength());
}

}  // namespace

TEST(PinyinBoxTest, DrawsOneOrTwoLines)
{
    // 92 pixels wide: W = 10.
    struct Case {
        const char* what;
        std::u16string line;
        std::vector<std::pair<Point, std::u16string>> texts;
    } cases[] = {
        {"exactly W characters on one line", u"wǒ shì xí ", {{{2, 2}, u"wǒ shì xí "}}},
        {"breaks at the last space at or before W", u"qǐng wèn cè suǒ ", {{{2, 2}, u"qǐng wèn"}, {{2, 19}, u"cè suǒ "}}},
        {"no space to break at", u"abcdefghijklm", {{{2, 2}, u"abcdefghij"}, {{2, 19}, u"klm"}}},
        {"empty line", u"", {{{2, 2}, u""}}},
    };
    for (const Case& c : cases) {
        CPinyinBox box;
        box.SetLine(String(c.line.c_str()));
        RasterContext dc(92, 36, Rgb(128, 128, 128));
        box.OnPaint(dc);

        EXPECT_TRUE(SamePixels(GlyphPicture(92, 36, ColorWhite), [&dc](int x, int y) { return dc.At(x, y); }))
            << c.what;
        ASSERT_EQ(c.texts.size(), dc.TextCalls().size()) << c.what;
        for (size_t i = 0; i < c.texts.size(); ++i) {
            const RasterContext::TextCall& call = dc.TextCalls()[i];
            EXPECT_EQ(RasterContext::TextCall::Out, call.kind) << c.what;
            EXPECT_EQ(c.texts[i].first, (Point{call.x, call.y})) << c.what;
            EXPECT_EQ(c.texts[i].second, Text(call.text)) << c.what;
            EXPECT_EQ(16, call.font.GetHeight()) << c.what;
            EXPECT_EQ(u"Courier New", Text(call.font.GetFaceName())) << c.what;
            EXPECT_EQ(BackgroundMode::Opaque, call.mode) << c.what;
        }
        EXPECT_TRUE(dc.CurrentFont().IsDefault()) << "font restored: " << c.what;
        EXPECT_EQ(CPen(), dc.CurrentPen()) << "pen restored: " << c.what;
    }
}

TEST(PinyinBoxTest, GeometryLineOncePerLineSet)
{
    TempDir dir;
    ReleaseDebugLog();
    const String logPath = dir.PathOf("log.log");
    DebugLog* log = GetDebugLog(&logPath);
    ASSERT_NE(nullptr, log);
    log->m_threshold = 0;

    CPinyinBox box;  // not attached to a window: its window rectangle is empty
    box.SetLine(String(u"nǐ hǎo "));
    RasterContext dc(92, 36, ColorWhite);
    box.OnPaint(dc);
    box.OnPaint(dc);
    box.SetLine(String(u"xiè xie "));
    box.OnPaint(dc);
    ReleaseDebugLog();

    std::ifstream in((dir.Path() / "log.log").string(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::u16string expected =
        u"\ufeffrect[0,0,92,36]. 10, 7, wndrect[0,0,0,0]\r\nrect[0,0,92,36]. 10, 8, wndrect[0,0,0,0]\r\n";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(expected.data()), expected.size() * 2), bytes);
}
