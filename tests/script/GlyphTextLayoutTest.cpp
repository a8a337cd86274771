// GlyphTextLayout: the cells of the Chinese and Japanese translation boxes, line breaks and
// starting heights for texts around P characters, and the digits the Chinese box skips.

#include "script/GlyphTextLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Cell {
    int index, x, y;
    bool operator==(const Cell&) const = default;
};

std::vector<Cell> Layout(TranslationDrawing drawing, int width, int height, const std::u16string& text)
{
    std::vector<Cell> cells;
    for (const GlyphCell& c : LayoutGlyphText(drawing, width, height, String(text.c_str())))
        cells.push_back({c.textIndex, c.x, c.y});
    return cells;
}

// n cells of consecutive indexes from `first`, on one line starting at (0, y).
std::vector<Cell> Line(int first, int n, int y)
{
    std::vector<Cell> cells;
    for (int i = 0; i < n; ++i)
        cells.push_back({first + i, 16 * i, y});
    return cells;
}

std::vector<Cell> Join(std::vector<Cell> a, const std::vector<Cell>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void PrintTo(const Cell& c, std::ostream* os)
{
    *os << "{" << c.index << "," << c.x << "," << c.y << "}";
}

}  // namespace

TEST(GlyphTextLayoutTest, ChineseBox)
{
    // 160 pixels wide: P = 160 / 16 - 1 = 9.
    const std::u16string nine = u"一二三四五六七八九";
    struct Case {
        const char* what;
        int height;
        std::u16string text;
        std::vector<Cell> cells;
    } cases[] = {
        {"P characters fit one line at y = 17", 40, nine, Line(0, 9, 17)},
        {"one line in a box exactly 36 high", 36, nine, Line(0, 9, 17)},
        {"one line in a lower box starts at 6", 35, nine, Line(0, 9, 6)},
        {"P + 1 characters: start at 6, last on the second line", 40, nine + u"十",
         Join(Line(0, 9, 6), Line(9, 1, 22))},
        {"everything after the break stays on the second line", 40, nine + nine + u"十",
         Join(Line(0, 9, 6), Line(9, 10, 22))},
        {"a digit takes no cell", 40, u"一2二", {{0, 0, 17}, {2, 16, 17}}},
        {"digits count towards the break", 40, u"1一二三四五六七八九",
         Join({{1, 0, 6}, {2, 16, 6}, {3, 32, 6}, {4, 48, 6}, {5, 64, 6}, {6, 80, 6}, {7, 96, 6}, {8, 112, 6}},
              {{9, 0, 22}})},
        {"empty text", 40, u"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.cells, Layout(TranslationDrawing::ChineseGlyphs, 160, c.height, c.text)) << c.what;
}

TEST(GlyphTextLayoutTest, JapaneseBox)
{
    // 160 pixels wide: P = 10.
    const std::u16string ten = u"あいうえおかきくけこ";
    struct Case {
        const char* what;
        int height;
        std::u16string text;
        std::vector<Cell> cells;
    } cases[] = {
        {"P characters in a box over 36 high start at 18", 44, ten, Line(0, 10, 18)},
        {"P characters in a box 36 high start at 6", 36, ten, Line(0, 10, 6)},
        {"digits are drawn", 44, u"1時", Line(0, 2, 18)},
        {"two lines 21 apart", 44, ten + u"さし", Join(Line(0, 10, 6), Line(10, 2, 27))},
        {"2P characters: three lines from 2", 44, ten + ten,
         Join(Line(0, 10, 2), Line(10, 10, 23))},
        {"the third line runs on", 44, ten + ten + ten + u"さし",
         Join(Join(Line(0, 10, 2), Line(10, 10, 23)), Line(20, 12, 44))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.cells, Layout(TranslationDrawing::JapaneseGlyphs, 160, c.height, c.text)) << c.what;
}

TEST(GlyphTextLayoutTest, KoreanBoxHasNoGlyphCells)
{
    EXPECT_TRUE(Layout(TranslationDrawing::KoreanTrueType, 160, 40, u"안녕하세요").empty());
}
