// The char16_t runtime routines: comparison, tokenizing, number parsing and UTF-8 conversion.

#include "baselib/WideChar.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(WideCharTest, CompareCaseInsensitively)
{
    EXPECT_EQ(wcsicmp16(u"Hello", u"hELLO"), 0);
    EXPECT_LT(wcsicmp16(u"apple", u"Banana"), 0);  // compared as lower case
    EXPECT_EQ(wcsicmp16(u"ÉTÉ", u"été"), 0);
    EXPECT_EQ(wcsicmp16(u"ＡＢＣ", u"ａｂｃ"), 0);
    EXPECT_NE(wcsicmp16(u"ab", u"abc"), 0);
}

TEST(WideCharTest, Wtol)
{
    const struct {
        const char16_t* text;
        long value;
    } cases[] = {
        {u"42", 42}, {u"  -17xyz", -17}, {u"+8", 8}, {u"x1", 0}, {u"", 0},
        {u"9223372036854775807", LONG_MAX}, {u"9223372036854775808", LONG_MAX},
        {u"-9223372036854775808", LONG_MIN}, {u"-99999999999999999999", LONG_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wtol16(c.text), c.value);
}

TEST(WideCharTest, Utf8ConversionBothWays)
{
    const struct {
        const char16_t* wide;
        const char* narrow;
    } cases[] = {
        {u"ascii", "ascii"},
        {u"é", "\xC3\xA9"},
        {u"你好", "\xE4\xBD\xA0\xE5\xA5\xBD"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {u"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToAnsiString(c.wide), c.narrow);
        EXPECT_EQ(FromAnsiString(c.narrow), c.wide);
    }
    // Malformed input: a lone surrogate, a cut sequence, an overlong form, a stray continuation.
    EXPECT_EQ(ToAnsiString(u"a\xD800z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(FromAnsiString("a\xE4\xBD"), u"a\uFFFD\uFFFD");
    EXPECT_EQ(FromAnsiString("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(FromAnsiString("\x80x"), u"\uFFFDx");
}

TEST(WideCharTest, BoundedConversionsWriteWholeCharactersOnly)
{
    char narrow[4];
    std::memset(narrow, 'G', sizeof narrow);
    EXPECT_EQ(wcstombs16(narrow, u"a你", 3), 1u);  // 你 needs 3 bytes, only 1 left
    EXPECT_STREQ(narrow, "a");
    EXPECT_EQ(narrow[2], 'G');

    char16_t wide[3];
    EXPECT_EQ(mbstowcs16(wide, "x\xF0\x9F\x98\x80", 3), 1u);  // the pair needs 2 units, 1 left
    EXPECT_EQ(std::u16string(wide), u"x");
}

TEST(WideCharTest, TokenizeWithState)
{
    char16_t text[] = u"  a  bc ";
    char16_t* state = nullptr;
    EXPECT_EQ(std::u16string(wcstok16(text, u" ", &state)), u"a");
    EXPECT_EQ(std::u16string(wcstok16(nullptr, u" ", &state)), u"bc");
    EXPECT_EQ(wcstok16(nullptr, u" ", &state), nullptr);
    EXPECT_EQ(wcstok16(nullptr, u" ", &state), nullptr);
}

}  // namespace
