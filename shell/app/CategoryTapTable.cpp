#include "shell/app/CategoryTapTable.h"

#include <span>

namespace {

struct CategoryIcon {
    int left, right;   // inclusive
    int top, bottom;   // inclusive
    const char16_t* category;
};

// Picture 145, 240 x 270.
constexpr CategoryIcon kPortrait[] = {
    {50, 100, 33, 78, u"Basic"},        {115, 165, 33, 78, u"Travel"},
    {180, 230, 33, 78, u"Food"},        {50, 100, 86, 131, u"Lodging"},
    {115, 165, 86, 131, u"Business"},   {180, 230, 86, 131, u"Sightseeing"},
    {50, 100, 139, 184, u"Social"},     {115, 165, 139, 184, u"Shopping and Services"},
    {180, 230, 139, 184, u"Emergency"}, {50, 100, 194, 239, u"Questions"},
    {180, 230, 194, 239, u"Favorites"},
};

// Picture 171, 240 x 188. "Travel" reaches down to 65 and "Sightseeing" to 112, over the icons
// below them; the search order gives those taps to the upper icon.
constexpr CategoryIcon kSquare[] = {
    {42, 95, 22, 59, u"Basic"},         {108, 161, 22, 65, u"Travel"},
    {166, 219, 22, 59, u"Food"},        {42, 95, 59, 96, u"Lodging"},
    {108, 161, 59, 96, u"Business"},    {166, 219, 59, 112, u"Sightseeing"},
    {42, 95, 98, 135, u"Social"},       {108, 161, 98, 135, u"Shopping and Services"},
    {166, 219, 98, 135, u"Emergency"},  {42, 95, 134, 171, u"Questions"},
    {166, 219, 134, 171, u"Favorites"},
};

// Picture 172, 320 x 186.
constexpr CategoryIcon kLandscape[] = {
    {64, 124, 28, 58, u"Basic"},        {128, 188, 28, 58, u"Travel"},
    {195, 255, 28, 58, u"Food"},        {255, 315, 28, 58, u"Lodging"},
    {64, 124, 75, 105, u"Business"},    {128, 188, 75, 105, u"Sightseeing"},
    {195, 255, 75, 105, u"Social"},     {64, 124, 120, 150, u"Shopping and Services"},
    {255, 315, 75, 105, u"Emergency"},  {128, 188, 120, 150, u"Questions"},
    {195, 255, 120, 150, u"Favorites"},
};

std::span<const CategoryIcon> IconsOf(ScreenLayout layout)
{
    switch (layout) {
    case LayoutLandscape: return kLandscape;
    case LayoutSquare: return kSquare;
    case LayoutPortrait: break;
    }
    return kPortrait;
}

} // namespace

const char16_t* HitTestCategory(ScreenLayout layout, Point point)
{
    for (const CategoryIcon& icon : IconsOf(layout)) {
        if (point.x >= icon.left && point.x <= icon.right && point.y >= icon.top && point.y <= icon.bottom)
            return icon.category;
    }
    return nullptr;
}
