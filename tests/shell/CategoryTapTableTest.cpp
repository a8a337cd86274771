// Which screen size is which layout, and which category a tap on the main screen's picture opens:
// the shared edges of neighbouring icons, the taller "Travel" and "Sightseeing" icons of the
// square picture, and the empty cell of the portrait picture's last row.

#include <gtest/gtest.h>

#include <string>

#include "shell/app/CategoryTapTable.h"
#include "shell/app/ScreenLayout.h"

namespace {

TEST(ScreenLayoutTest, SizesOfTheTableAndAnyOtherSize)
{
    struct Case {
        int width, height;
        ScreenLayout layout;
    };
    const Case cases[] = {
        {240, 320, LayoutPortrait}, {480, 640, LayoutPortrait}, {240, 240, LayoutSquare},
        {480, 480, LayoutSquare},   {320, 240, LayoutLandscape}, {640, 480, LayoutLandscape},
        {800, 480, LayoutPortrait},  // not in the table
        {320, 320, LayoutPortrait}, {0, 0, LayoutPortrait},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.layout, GetScreenLayout(c.width, c.height)) << c.width << " x " << c.height;
}

std::string Hit(ScreenLayout layout, int x, int y)
{
    const char16_t* name = HitTestCategory(layout, {x, y});
    if (!name)
        return "(none)";
    std::string text;
    for (const char16_t* p = name; *p; ++p)
        text.push_back(static_cast<char>(*p));
    return text;
}

TEST(CategoryTapTableTest, EdgesAndOverlapsInEveryLayout)
{
    struct Case {
        ScreenLayout layout;
        int x, y;
        const char* category;
    };
    const Case cases[] = {
        // Portrait: both bounds inclusive, nothing between the icons, the empty middle cell.
        {LayoutPortrait, 100, 78, "Basic"},
        {LayoutPortrait, 50, 33, "Basic"},
        {LayoutPortrait, 101, 78, "(none)"},
        {LayoutPortrait, 49, 50, "(none)"},
        {LayoutPortrait, 205, 55, "Food"},
        {LayoutPortrait, 230, 239, "Favorites"},
        {LayoutPortrait, 231, 239, "(none)"},
        {LayoutPortrait, 140, 200, "(none)"},
        {LayoutPortrait, 140, 160, "Shopping and Services"},
        {LayoutPortrait, 75, 239, "Questions"},
        {LayoutPortrait, 75, 240, "(none)"},
        // Landscape: shared edges go to the icon listed first.
        {LayoutLandscape, 255, 40, "Food"},
        {LayoutLandscape, 256, 40, "Lodging"},
        {LayoutLandscape, 255, 90, "Social"},
        {LayoutLandscape, 256, 90, "Emergency"},
        {LayoutLandscape, 100, 135, "Shopping and Services"},
        {LayoutLandscape, 290, 135, "(none)"},
        // Square: "Travel" reaches down to 65 and "Sightseeing" to 112.
        {LayoutSquare, 120, 62, "Travel"},
        {LayoutSquare, 120, 66, "Business"},
        {LayoutSquare, 170, 100, "Sightseeing"},
        {LayoutSquare, 170, 113, "Emergency"},
        {LayoutSquare, 60, 59, "Basic"},
        {LayoutSquare, 60, 135, "Social"},
        {LayoutSquare, 60, 136, "Questions"},
        {LayoutSquare, 200, 171, "Favorites"},
        {LayoutSquare, 130, 150, "(none)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.category, Hit(c.layout, c.x, c.y)) << "layout " << c.layout << " at " << c.x << ", " << c.y;
}

} // namespace
