#pragma once
// RasterContext: a drawing context over an in-memory picture, for testing painting controls
// without a screen. Pixels, rectangles and fills are rasterised exactly (clipped to the client
// area); text calls are recorded with the font, colours and mode current at the call, since
// their pixels belong to the platform's font engine.

#include <vector>

#include "platform/ui/DrawingContext.h"

class RasterContext : public CDrawingContext {
public:
    struct TextCall {
        enum Kind { Out, InRect } kind;
        String text;
        int x = 0, y = 0;       // TextOut position
        Rect rect;              // DrawText rectangle
        unsigned format = 0;
        CFont font;
        ColorRef textColor = ColorBlack;
        ColorRef backColor = ColorWhite;
        BackgroundMode mode = BackgroundMode::Opaque;
    };

    // A client area of width x height, filled with `background`.
    RasterContext(int width, int height, ColorRef background);

    ColorRef At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<TextCall>& TextCalls() const { return m_texts; }
    int SetPixelCalls() const { return m_setPixelCalls; }
    const CFont& CurrentFont() const { return m_font; }
    const CPen& CurrentPen() const { return m_pen; }
    const CBrush& CurrentBrush() const { return m_brush; }

    Rect GetClientRect() const override { return {0, 0, m_width, m_height}; }
    void SetPixel(int x, int y, ColorRef color) override;
    ColorRef GetPixel(int x, int y) const override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FillRect(const Rect& rect, ColorRef color) override;
    void BitBlt(int x, int y, int width, int height, const CBitmap& source, int sourceX, int sourceY) override;
    void TextOut(int x, int y, const String& text) override;
    Size GetTextExtent(const String& text) const override;
    int DrawText(const String& text, Rect& rect, unsigned format) override;
    CPen SelectPen(const CPen& pen) override;
    CBrush SelectBrush(const CBrush& brush) override;
    CFont SelectFont(const CFont& font) override;
    ColorRef SetTextColor(ColorRef color) override;
    ColorRef SetBkColor(ColorRef color) override;
    BackgroundMode SetBkMode(BackgroundMode mode) override;

private:
    void Plot(int x, int y, ColorRef color);

    int m_width;
    int m_height;
    std::vector<ColorRef> m_pixels;
    std::vector<TextCall> m_texts;
    int m_setPixelCalls = 0;
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    ColorRef m_textColor = ColorBlack;
    ColorRef m_backColor = ColorWhite;
    BackgroundMode m_mode = BackgroundMode::Opaque;
};
