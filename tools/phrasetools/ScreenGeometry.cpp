#include "tools/phrasetools/ScreenGeometry.h"

#include <cmath>

namespace {

// The platform's base units of the handheld dialog font at 8 points.
constexpr double kBaseX = 240.0 * 4 / 147;
constexpr double kBaseY = 294.0 * 8 / 165;

int Round(double value)
{
    return static_cast<int>(std::floor(value + 0.5));
}

}  // namespace

BoxSize DialogUnitsToPixels(int x, int y, int cx, int cy)
{
    int left = Round(x * kBaseX / 4);
    int right = Round((x + cx) * kBaseX / 4);
    int top = Round(y * kBaseY / 8);
    int bottom = Round((y + cy) * kBaseY / 8);
    return {right - left, bottom - top};
}

// Rectangles of dialog 131 per edition (translation box 1012, phonetic line 1006).
EditionGeometry ChineseGeometry()
{
    return {DialogUnitsToPixels(16, 102, 114, 35), DialogUnitsToPixels(4, 79, 127, 21)};
}

EditionGeometry JapaneseGeometry()
{
    return {DialogUnitsToPixels(20, 94, 111, 44), DialogUnitsToPixels(4, 66, 129, 24)};
}

EditionGeometry KoreanGeometry()
{
    return {DialogUnitsToPixels(19, 117, 109, 32), BoxSize{}};
}
