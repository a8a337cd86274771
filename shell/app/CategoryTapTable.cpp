#include "shell/app/CategoryTapTable.h"

namespace {

struct IconBounds {
    int left, right;   // inclusive
    int top, bottom;   // inclusive
};

// One category's icon in each of the three main screen pictures, in ScreenLayout order.
struct CategoryIcon {
    const char16_t* category;
    IconBounds bounds[3];
};

// Landscape is picture 172 (320 x 186), square picture 171 (240 x 188), portrait picture 145
// (240 x 270). Rows are searched in order in every layout. In the square picture "Travel" reaches
// down to 65 and "Sightseeing" to 112, over the icons below them; the search order gives those
// taps to the upper icon.
constexpr CategoryIcon kIcons[] = {
    //                          landscape              square                portrait
    {u"Basic",                  {{64, 124, 28, 58},    {42, 95, 22, 59},     {50, 100, 33, 78}}},
    {u"Travel",                 {{128, 188, 28, 58},   {108, 161, 22, 65},   {115, 165, 33, 78}}},
    {u"Food",                   {{195, 255, 28, 58},   {166, 219, 22, 59},   {180, 230, 33, 78}}},
    {u"Lodging",                {{255, 315, 28, 58},   {42, 95, 59, 96},     {50, 100, 86, 131}}},
    {u"Business",               {{64, 124, 75, 105},   {108, 161, 59, 96},   {115, 165, 86, 131}}},
    {u"Sightseeing",            {{128, 188, 75, 105},  {166, 219, 59, 112},  {180, 230, 86, 131}}},
    {u"Social",                 {{195, 255, 75, 105},  {42, 95, 98, 135},    {50, 100, 139, 184}}},
    {u"Shopping and Services",  {{64, 124, 120, 150},  {108, 161, 98, 135},  {115, 165, 139, 184}}},
    {u"Emergency",              {{255, 315, 75, 105},  {166, 219, 98, 135},  {180, 230, 139, 184}}},
    {u"Questions",              {{128, 188, 120, 150}, {42, 95, 134, 171},   {50, 100, 194, 239}}},
    {u"Favorites",              {{195, 255, 120, 150}, {166, 219, 134, 171}, {180, 230, 194, 239}}},
};

// The column of kIcons for the layout; any other value is treated as portrait.
int ColumnOf(ScreenLayout layout)
{
    switch (layout) {
    case LayoutLandscape:
    case LayoutSquare:
    case LayoutPortrait: return layout;
    }
    return LayoutPortrait;
}

} // namespace

const char16_t* HitTestCategory(ScreenLayout layout, Point point)
{
    const int column = ColumnOf(layout);
    for (const CategoryIcon& icon : kIcons) {
        const IconBounds& b = icon.bounds[column];
        if (point.x >= b.left && point.x <= b.right && point.y >= b.top && point.y <= b.bottom)
            return icon.category;
    }
    return nullptr;
}
