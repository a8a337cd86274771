// String: construction, extraction clipping, search, trimming, replacing and number conversion.

#include "baselib/String.h"

#include "TextOf.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(StringTest, DefaultIsEmptyWithTerminator)
{
    String s;
    EXPECT_EQ(s.GetLength(), 0);
    EXPECT_TRUE(s.IsEmpty());
    ASSERT_NE(s.GetString(), nullptr);
    EXPECT_EQ(s.GetString()[0], 0);
}

TEST(StringTest, ConstructionFromUnitsNarrowTextAndRepeats)
{
    const char16_t units[] = {u'a', 0, u'b'};
    String fromUnits(units, 3);
    EXPECT_EQ(fromUnits.GetLength(), 1);
    EXPECT_EQ(TextOf(fromUnits), u"a");
    EXPECT_EQ(fromUnits.GetAt(2), u'b');  // the units after the zero were copied too

    EXPECT_EQ(TextOf(String(u'x', 3)), u"xxx");
    EXPECT_EQ(TextOf(String(u'x', 0)), u"");
    EXPECT_EQ(TextOf(String("plain")), u"plain");
    EXPECT_EQ(TextOf(String("caf\xC3\xA9 \xE4\xBD\xA0")), u"café 你");
    EXPECT_EQ(TextOf(String("\xF0\x9F\x98\x80")), u"\U0001F600");  // becomes a surrogate pair

    String init(u"old");
    init.Init(u"abcdef", 2);
    EXPECT_EQ(TextOf(init), u"ab");
    init.Empty();
    EXPECT_TRUE(init.IsEmpty());
}

TEST(StringTest, CopiesOwnTheirText)
{
    String a(u"text");
    String b(a);
    b.SetAt(0, u'n');
    EXPECT_EQ(TextOf(a), u"text");
    EXPECT_EQ(TextOf(b), u"next");
    EXPECT_NE(a.GetString(), b.GetString());

    const String& self = a;
    a = self;  // self-assignment keeps the text
    EXPECT_EQ(TextOf(a), u"text");
    a = a.GetString() + 1;  // assigning from inside the own buffer
    EXPECT_EQ(TextOf(a), u"ext");
    a = u'z';
    EXPECT_EQ(TextOf(a), u"z");
}

TEST(StringTest, AppendingAndJoining)
{
    String s(u"ab");
    s += s;  // its own text
    EXPECT_EQ(TextOf(s), u"abab");
    s += s.GetString() + 2;
    EXPECT_EQ(TextOf(s), u"ababab");
    s = u"n=";
    s += u'1';
    s += 2.5;
    EXPECT_EQ(TextOf(s), u"n=12.500000");

    String x(u"x");
    EXPECT_EQ(TextOf(x + String(u"y")), u"xy");
    EXPECT_EQ(TextOf(x + u'y'), u"xy");
    EXPECT_EQ(TextOf(u'y' + x), u"yx");
    EXPECT_EQ(TextOf(x + u"yz"), u"xyz");
    EXPECT_EQ(TextOf(u"yz" + x), u"yzx");
}

TEST(StringTest, SetAtZeroShortensTheVisibleText)
{
    String s(u"hello");
    s.SetAt(2, 0);
    EXPECT_EQ(s.GetLength(), 2);
    EXPECT_EQ(s.GetAt(2), 0);
}

struct ExtractCase {
    const char* what;
    String (*extract)(const String&);
    const char16_t* expected;
};

TEST(StringTest, ExtractionClipsToTheText)
{
    const ExtractCase cases[] = {
        {"Mid(1, 3)", [](const String& s) { return s.Mid(1, 3); }, u"ell"},
        {"Mid(3, 10) clips the count", [](const String& s) { return s.Mid(3, 10); }, u"lo"},
        {"Mid(9, 2) starts past the end", [](const String& s) { return s.Mid(9, 2); }, u""},
        {"Mid(9)", [](const String& s) { return s.Mid(9); }, u""},
        {"Mid(2)", [](const String& s) { return s.Mid(2); }, u"llo"},
        {"Mid(0, 0)", [](const String& s) { return s.Mid(0, 0); }, u""},
        {"Mid(5, 1) at the end", [](const String& s) { return s.Mid(5, 1); }, u""},
        {"Right(2)", [](const String& s) { return s.Right(2); }, u"lo"},
        {"Right(10)", [](const String& s) { return s.Right(10); }, u"hello"},
        {"Right(0)", [](const String& s) { return s.Right(0); }, u""},
        {"Left(2)", [](const String& s) { return s.Left(2); }, u"he"},
        {"Left(10)", [](const String& s) { return s.Left(10); }, u"hello"},
        {"SubString(1, 2) takes a count", [](const String& s) { return s.SubString(1, 2); }, u"el"},
        {"SubString(3)", [](const String& s) { return s.SubString(3); }, u"lo"},
        {"Mid(-2, 2) treats a negative start as 0", [](const String& s) { return s.Mid(-2, 2); }, u"he"},
        {"Left(-1)", [](const String& s) { return s.Left(-1); }, u""},
    };
    const String hello(u"hello");
    for (const ExtractCase& c : cases)
        EXPECT_EQ(TextOf(c.extract(hello)), c.expected) << c.what;
}

TEST(StringTest, SpansFilterTheWholeText)
{
    const String text(u"a1b2");
    EXPECT_EQ(TextOf(text.SpanIncluding(u"0123456789")), u"12");
    EXPECT_EQ(TextOf(text.SpanExcluding(u"0123456789")), u"ab");
    EXPECT_EQ(TextOf(text.SpanIncluding(u"")), u"");
    EXPECT_EQ(TextOf(text.SpanExcluding(u"")), u"a1b2");
}

TEST(StringTest, Search)
{
    const String banana(u"banana");
    struct {
        const char* what;
        int found;
        int expected;
    } cases[] = {
        {"Find('a')", banana.Find(u'a'), 1},
        {"ReverseFind('a')", banana.ReverseFind(u'a'), 5},
        {"ReverseFind('z')", banana.ReverseFind(u'z'), -1},
        {"Find('a', 2)", banana.Find(u'a', 2), 3},
        {"Find('a', 5) at the last unit", banana.Find(u'a', 5), 5},
        {"Find('z', 2)", banana.Find(u'z', 2), -1},
        {"Find('a', 9) past the end", banana.Find(u'a', 9), -1},
        {"Find('b', 6) at the end", banana.Find(u'b', 6), -1},
        {"Find(0) finds the terminator", banana.Find(char16_t(0)), 6},
        {"Find(\"nan\")", banana.Find(u"nan"), 2},
        {"Find(\"nab\")", banana.Find(u"nab"), -1},
        {"Find(\"\") is at 0", banana.Find(u""), 0},
        {"Find of a longer text", banana.Find(u"bananas"), -1},
        {"FindOneOf(\"xyzn\")", banana.FindOneOf(u"xyzn"), 2},
        {"FindOneOf(\"xyz\")", banana.FindOneOf(u"xyz"), -1},
        {"FindOneOf(\"\")", banana.FindOneOf(u""), -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.found, c.expected) << c.what;
}

TEST(StringTest, ComparisonAndCase)
{
    const String abc(u"abc");
    EXPECT_EQ(abc.Compare(u"abc"), 0);
    EXPECT_LT(abc.Compare(u"abd"), 0);
    EXPECT_GT(abc.Compare(u"ab"), 0);
    EXPECT_LT(String(u"Z").Compare(u"a"), 0);  // code-unit order, not dictionary order
    EXPECT_GT(String(u"\uFF21").Compare(u"z"), 0);  // units above 0x7FFF compare unsigned
    EXPECT_EQ(abc.CompareNoCase(u"ABC"), 0);
    EXPECT_TRUE(abc.EqualsNoCase(u"aBc"));
    EXPECT_FALSE(abc.Equals(u"aBc"));
    EXPECT_TRUE(abc == u"abc");
    EXPECT_TRUE(abc == String(u"abc"));
    EXPECT_TRUE(abc != u"abd");
    EXPECT_TRUE(String(u"Ärger").EqualsNoCase(u"ärger"));

    String mixed(u"Hello, Wörld 123");
    mixed.MakeUpper();
    EXPECT_EQ(TextOf(mixed), u"HELLO, WÖRLD 123");
    mixed.MakeLower();
    EXPECT_EQ(TextOf(mixed), u"hello, wörld 123");
    String sharpS(u"straße");
    sharpS.MakeUpper();
    EXPECT_EQ(TextOf(sharpS), u"STRAßE");  // no one-unit capital: left as it is
    String cjk(u"你好");
    cjk.MakeUpper();
    EXPECT_EQ(TextOf(cjk), u"你好");
}

TEST(StringTest, ReverseTrimAndReplace)
{
    String s(u"abc");
    s.MakeReverse();
    EXPECT_EQ(TextOf(s), u"cba");
    String one(u"x");
    one.MakeReverse();
    EXPECT_EQ(TextOf(one), u"x");

    struct {
        const char16_t* text;
        const char16_t* trimmed;
        const char16_t* left;
        const char16_t* right;
    } cases[] = {
        {u"  \tx\r\n", u"x", u"x\r\n", u"  \tx"},
        {u" \v\f ", u"", u"", u""},
        {u"", u"", u"", u""},
        {u"a b", u"a b", u"a b", u"a b"},
        {u"\u3000全角\u3000", u"全角", u"全角\u3000", u"\u3000全角"},
    };
    for (const auto& c : cases) {
        String both(c.text), left(c.text), right(c.text);
        both.Trim();
        left.TrimLeft();
        right.TrimRight();
        EXPECT_EQ(TextOf(both), c.trimmed);
        EXPECT_EQ(TextOf(left), c.left);
        EXPECT_EQ(TextOf(right), c.right);
    }

    String banana(u"banana");
    banana.Replace(u'a', u'o');
    EXPECT_EQ(TextOf(banana), u"bonono");
    banana.Replace(u'o', u'o');
    EXPECT_EQ(TextOf(banana), u"bonono");
    banana.Replace(u'n', char16_t(0));
    EXPECT_EQ(TextOf(banana), u"bo");
}

TEST(StringTest, ReplaceTextRescansFromTheStart)
{
    struct {
        const char16_t* text;
        const char16_t* oldText;
        const char16_t* newText;
        const char16_t* expected;
    } cases[] = {
        {u"aab", u"ab", u"b", u"b"},  // aab -> ab -> b: inserted text is searched again
        {u"a-b-c", u"-", u"", u"abc"},
        {u"[W1] and [W1]", u"[W1]", u"tea", u"tea and tea"},
        {u"abc", u"x", u"y", u"abc"},
        {u"", u"x", u"y", u""},
        {u"abc", u"", u"y", u"abc"},  // an empty old text would never stop: nothing to do
        {u"aa", u"a", u"aa", u"aaaa"},  // new contains old: every original occurrence once
        {u"xax", u"a", u"bab", u"xbabx"},
        {u"abab", u"ab", u"ab", u"abab"},
    };
    for (const auto& c : cases) {
        String s(c.text);
        s.Replace(c.oldText, c.newText);
        EXPECT_EQ(TextOf(s), c.expected) << "replacing in " << testing::PrintToString(std::u16string(c.text));
    }
    String own(u"abcabc");
    own.Replace(own.GetString() + 3, u"x");  // the old text lies in the buffer being replaced
    EXPECT_EQ(TextOf(own), u"xx");
}

TEST(StringTest, NumberConversion)
{
    EXPECT_EQ(TextOf(String::ValueOf(0)), u"0");
    EXPECT_EQ(TextOf(String::ValueOf(-7)), u"-7");
    EXPECT_EQ(TextOf(String::ValueOf(-42)), u"-42");
    EXPECT_EQ(TextOf(String::ValueOf(2147483647)), u"2147483647");
    EXPECT_EQ(TextOf(String::ValueOf(2.5)), u"2.500000");
    EXPECT_EQ(TextOf(String::ValueOf(3.14)), u"3.140000");
    EXPECT_EQ(TextOf(String::ValueOf(100.0)), u"100.000000");
    EXPECT_EQ(TextOf(String::ValueOf(-0.0000004)), u"-0.000000");
    EXPECT_EQ(String::ValueOf(1e300).GetLength(), 301 + 7);

    struct {
        const char16_t* text;
        int asInt;
        double asDouble;
    } cases[] = {
        {u"12ab", 12, 12.0},
        {u"abc", 0, 0.0},
        {u"  -34", -34, -34.0},
        {u"+5", 5, 5.0},
        {u"\t7.75e2x", 7, 775.0},
        {u"", 0, 0.0},
        {u"- 3", 0, 0.0},
        {u"99999999999999999999", 2147483647, 1e20},
        {u"-99999999999999999999", -2147483647 - 1, -1e20},
    };
    for (const auto& c : cases) {
        String s(c.text);
        EXPECT_EQ(s.ParseInt(), c.asInt) << testing::PrintToString(std::u16string(c.text));
        EXPECT_DOUBLE_EQ(s.ParseDouble(), c.asDouble) << testing::PrintToString(std::u16string(c.text));
    }
    EXPECT_EQ(String(u"123456789012").ParseLong(), 123456789012L);
    EXPECT_EQ(String(u" -15 apples").ParseLong(), -15L);
}

TEST(StringTest, AnsiConversion)
{
    char out[16];
    String(u"abc").GetAnsiString(out);
    EXPECT_STREQ(out, "abc");

    // Non-ASCII text needs more bytes than units; the result is cut at a whole character
    // within the L + 1 bytes the caller provides, never beyond.
    char guarded[8];
    std::memset(guarded, 'G', sizeof guarded);
    String(u"aé").GetAnsiString(guarded);  // needs 3 bytes + terminator, gets 3
    EXPECT_STREQ(guarded, "a");
    EXPECT_EQ(guarded[3], 'G');
}

}  // namespace
