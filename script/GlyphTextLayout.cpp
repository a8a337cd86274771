#include "script/GlyphTextLayout.h"

namespace {

constexpr int kCell = 16;

std::vector<GlyphCell> LayoutChinese(int width, int height, const String& text)
{
    std::vector<GlyphCell> cells;
    const int n = text.GetLength();
    const int perLine = GlyphsPerLine(TranslationDrawing::ChineseGlyphs, width);
    int y = (n <= perLine && height >= 36) ? 17 : 6;
    int x = 0;
    for (int i = 0; i < n; ++i) {
        if (i == perLine) {
            y += kCell;
            x = 0;
        }
        const char16_t c = text[i];
        if (c >= u'0' && c <= u'9')
            continue;
        cells.push_back({i, x, y});
        x += kCell;
    }
    return cells;
}

std::vector<GlyphCell> LayoutJapanese(int width, int height, const String& text)
{
    constexpr int kLineStep = 21;
    std::vector<GlyphCell> cells;
    const int n = text.GetLength();
    const int perLine = GlyphsPerLine(TranslationDrawing::JapaneseGlyphs, width);
    int y;
    if (n <= perLine && height > 36)
        y = 18;
    else if (n <= perLine || n < 2 * perLine)
        y = 6;
    else
        y = 2;
    int x = 0;
    for (int i = 0; i < n; ++i) {
        if (i == perLine || i == 2 * perLine) {
            y += kLineStep;
            x = 0;
        }
        cells.push_back({i, x, y});
        x += kCell;
    }
    return cells;
}

}  // namespace

int GlyphsPerLine(TranslationDrawing drawing, int width)
{
    return drawing == TranslationDrawing::ChineseGlyphs ? width / kCell - 1 : width / kCell;
}

std::vector<GlyphCell> LayoutGlyphText(TranslationDrawing drawing, int width, int height,
                                       const String& text)
{
    switch (drawing) {
    case TranslationDrawing::ChineseGlyphs:
        return LayoutChinese(width, height, text);
    case TranslationDrawing::JapaneseGlyphs:
        return LayoutJapanese(width, height, text);
    case TranslationDrawing::KoreanTrueType:
        break;
    }
    return {};
}
