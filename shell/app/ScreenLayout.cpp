#include "shell/app/ScreenLayout.h"

#include "platform/ui/Screen.h"

namespace {

struct LayoutRow {
    int width;
    int height;
    ScreenLayout layout;
};

// Searched in order; the first match wins.
constexpr LayoutRow kLayouts[] = {
    {240, 320, LayoutPortrait},  {480, 640, LayoutPortrait},  {240, 240, LayoutSquare},
    {480, 480, LayoutSquare},    {320, 240, LayoutLandscape}, {640, 480, LayoutLandscape},
};

} // namespace

ScreenLayout GetScreenLayout(int width, int height)
{
    for (const LayoutRow& row : kLayouts) {
        if (row.width == width && row.height == height)
            return row.layout;
    }
    return LayoutPortrait;
}

ScreenLayout GetScreenLayout(const CWindow&)
{
    // Every window is on the one screen; its resolution is the screen's.
    return GetScreenLayout(GetScreenWidth(), GetScreenHeight());
}
