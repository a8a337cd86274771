#pragma once
// GlyphPicture: the picture a painting control is expected to leave, built independently of the
// control from the fixture glyphs, and its pixel-for-pixel comparison with what was drawn.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/ui/Color.h"
#include "tests/script/ScriptTestFiles.h"

namespace scripttest {

class GlyphPicture {
public:
    GlyphPicture(int width, int height, ColorRef background)
        : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, background) {}

    // The fixture glyph of `code` with its top-left corner at (x, y): ink pixels in `ink`, and,
    // when `paintBackground`, the others in `background` (clipped to the picture).
    void DrawMarker(char16_t code, int x, int y, ColorRef ink, bool paintBackground = false,
                    ColorRef background = ColorWhite)
    {
        const GlyphBits glyph = MarkerGlyph(code);
        for (int row = 0; row < 16; ++row)
            for (int column = 0; column < 16; ++column) {
                const bool isInk = glyph.Ink(column, row);
                if (isInk || paintBackground)
                    Set(x + column, y + row, isInk ? ink : background);
            }
    }

    void Set(int x, int y, ColorRef color)
    {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            m_pixels[static_cast<size_t>(y) * m_width + x] = color;
    }
    ColorRef At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width;
    int m_height;
    std::vector<ColorRef> m_pixels;
};

// Compares every pixel of the expected picture with `actual(x, y)`; names the first difference.
inline ::testing::AssertionResult SamePixels(const GlyphPicture& expected,
                                             const std::function<ColorRef(int, int)>& actual)
{
    int differences = 0;
    int firstX = -1, firstY = -1;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (actual(x, y) != expected.At(x, y)) {
                if (differences++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
    if (differences == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differences << " pixels differ, first at (" << firstX << ", " << firstY << "): expected "
           << std::hex << expected.At(firstX, firstY) << ", drawn " << actual(firstX, firstY);
}

}  // namespace scripttest
