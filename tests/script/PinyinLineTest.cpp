// BuildPinyinLine: which reading each character gets, and what contributes nothing.

#include "script/PinyinLine.h"

#include <gtest/gtest.h>

#include <string>

#include "script/PinyinTable.h"
#include "tests/script/ScriptTestFiles.h"

using namespace scripttest;

namespace {

// 行 (U+884C) has entries for syllables 5 and 9; 我 (U+6211), 是 (U+662F) one each.
CPinyinTable& SampleTable()
{
    static CPinyinTable table;
    static bool loaded = false;
    if (!loaded) {
        Bytes file;
        const std::u16string syllables[] = {u"a", u"b", u"c", u"d", u"xíng", u"wǒ", u"shì", u"e", u"háng"};
        PutLe16(file, 9);
        PutLe16(file, 4);
        for (const std::u16string& s : syllables)
            for (size_t i = 0; i < 7; ++i)
                PutLe16(file, i < s.size() ? s[i] : 0);
        for (auto [code, syllable] : {std::pair<uint16_t, uint16_t>{0x884C, 5}, {0x6211, 6}, {0x662F, 7}, {0x884C, 9}}) {
            PutLe16(file, code);
            PutLe16(file, syllable);
        }
        EXPECT_EQ(CPinyinTable::kLoaded, table.LoadPinyinFromBytes(file.data(), file.size()));
        loaded = true;
    }
    return table;
}

std::u16string Line(const CPinyinTable& table, const std::u16string& text, int* last = nullptr)
{
    const String line = BuildPinyinLine(table, String(text.c_str()), last);
    return std::u16string(line.GetString(), line.GetLength());
}

}  // namespace

TEST(PinyinLineTest, ReadingsDigitsAndTheTrailingSpace)
{
    struct Case {
        const char* what;
        std::u16string text;
        std::u16string line;
    } cases[] = {
        {"usual reading without a digit", u"行", u"xíng "},
        {"digit 1 picks the second entry", u"行1", u"háng "},
        {"digit 2 asks for a reading it lacks", u"行2", u""},
        {"digits 0 and 9 pick the usual reading", u"行0行9", u"xíng xíng "},
        {"three characters, each followed by a space", u"我是行", u"wǒ shì xíng "},
        {"digit between two characters", u"行1我", u"háng wǒ "},
        {"ASCII, digits and punctuation give nothing", u"A1 b?7。", u""},
        {"mixed", u"我 is 行1!", u"wǒ háng "},
        {"empty text", u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.line, Line(SampleTable(), c.text)) << c.what;
}

TEST(PinyinLineTest, ReportsTheLastLookup)
{
    int last = -1;
    Line(SampleTable(), u"我", &last);
    EXPECT_EQ(CPinyinTable::kFound, last);
    Line(SampleTable(), u"我!", &last);
    EXPECT_EQ(CPinyinTable::kNoReading, last);
}

TEST(PinyinLineTest, UnloadedTableGivesAnEmptyLine)
{
    CPinyinTable never;
    int last = -1;
    EXPECT_EQ(u"", Line(never, u"我是", &last));
    EXPECT_EQ(CPinyinTable::kNotLoaded, last);
}

TEST(PinyinLineTest, BreaksIntoAtMostTwoLines)
{
    // 90 pixels: W = 10 characters per line.
    struct Case {
        const char* what;
        std::u16string line, first, second;
    } cases[] = {
        {"short line stays whole", u"nǐ hǎo ", u"nǐ hǎo ", u""},
        {"exactly W characters stay whole", u"abcd efghi", u"abcd efghi", u""},
        {"breaks at the last space before W", u"abcde fghij", u"abcde", u"fghij"},
        {"a space at index W itself", u"abcdefghij klm", u"abcdefghij", u"klm"},
        {"the second line runs to the end", u"ab cd ef gh ij kl mn op ", u"ab cd ef", u"gh ij kl mn op "},
        {"no space at or before W: cut at W", u"abcdefghijkl m", u"abcdefghij", u"kl m"},
        {"only a leading space", u" abcdefghijk", u"", u"abcdefghijk"},
        {"empty line", u"", u"", u""},
    };
    for (const Case& c : cases) {
        String first(u"x"), second(u"x");
        BreakPinyinLine(String(c.line.c_str()), 90, first, second);
        EXPECT_EQ(c.first, std::u16string(first.GetString())) << c.what;
        EXPECT_EQ(c.second, std::u16string(second.GetString())) << c.what;
    }
}
