#include "tests/script/RasterContext.h"

RasterContext::RasterContext(int width, int height, ColorRef background)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, background)
{
}

void RasterContext::Plot(int x, int y, ColorRef color)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[static_cast<size_t>(y) * m_width + x] = color;
}

void RasterContext::SetPixel(int x, int y, ColorRef color)
{
    ++m_setPixelCalls;
    Plot(x, y, color);
}

ColorRef RasterContext::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return ColorBlack;
    return At(x, y);
}

void RasterContext::Rectangle(int left, int top, int right, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const bool edge = x == left || x == right - 1 || y == top || y == bottom - 1;
            if (edge && m_pen.GetStyle() == CPen::Solid)
                Plot(x, y, m_pen.GetColor());
            else if (!edge && m_brush.GetStyle() == CBrush::SolidFill)
                Plot(x, y, m_brush.GetColor());
        }
}

void RasterContext::FillRect(const Rect& rect, ColorRef color)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            Plot(x, y, color);
}

void RasterContext::BitBlt(int x, int y, int width, int height, const CBitmap& source, int sourceX, int sourceY)
{
    for (int dy = 0; dy < height; ++dy)
        for (int dx = 0; dx < width; ++dx) {
            const int sx = sourceX + dx, sy = sourceY + dy;
            if (sx >= 0 && sy >= 0 && sx < source.GetWidth() && sy < source.GetHeight())
                Plot(x + dx, y + dy, source.GetPixel(sx, sy));
        }
}

void RasterContext::TextOut(int x, int y, const String& text)
{
    TextCall call{TextCall::Out, text, x, y, {}, 0, m_font, m_textColor, m_backColor, m_mode};
    m_texts.push_back(call);
}

Size RasterContext::GetTextExtent(const String& text) const
{
    return {8 * text.GetLength(), 16};
}

int RasterContext::DrawText(const String& text, Rect& rect, unsigned format)
{
    TextCall call{TextCall::InRect, text, 0, 0, rect, format, m_font, m_textColor, m_backColor, m_mode};
    m_texts.push_back(call);
    return 16;
}

CPen RasterContext::SelectPen(const CPen& pen)
{
    CPen old = m_pen;
    m_pen = pen;
    return old;
}

CBrush RasterContext::SelectBrush(const CBrush& brush)
{
    CBrush old = m_brush;
    m_brush = brush;
    return old;
}

CFont RasterContext::SelectFont(const CFont& font)
{
    CFont old = m_font;
    m_font = font;
    return old;
}

ColorRef RasterContext::SetTextColor(ColorRef color)
{
    const ColorRef old = m_textColor;
    m_textColor = color;
    return old;
}

ColorRef RasterContext::SetBkColor(ColorRef color)
{
    const ColorRef old = m_backColor;
    m_backColor = color;
    return old;
}

BackgroundMode RasterContext::SetBkMode(BackgroundMode mode)
{
    const BackgroundMode old = m_mode;
    m_mode = mode;
    return old;
}
