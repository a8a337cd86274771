#pragma once

// The drawing context over a QPainter that paints an image (a custom control's canvas, or any
// image). The painter is set up by the caller and outlives the context.

#include "platform/ui/DrawingContext.h"

#include <QFont>
#include <QImage>
#include <QPainter>

class CPainterDrawingContext : public CDrawingContext {
public:
    // canvas is the image painter paints on; defaultFont is the window's font.
    CPainterDrawingContext(QPainter& painter, const QImage& canvas, const QFont& defaultFont);

    Rect GetClientRect() const override;
    void SetPixel(int x, int y, ColorRef color) override;
    ColorRef GetPixel(int x, int y) const override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FillRect(const Rect& rect, ColorRef color) override;
    void BitBlt(int x, int y, int width, int height, const CBitmap& source, int sourceX,
                int sourceY) override;
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
    QPainter& m_painter;
    const QImage& m_canvas;
    QFont m_defaultFont;
    QFont m_qfont;
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    ColorRef m_textColor = ColorBlack;
    ColorRef m_bkColor = ColorWhite;
    BackgroundMode m_bkMode = BackgroundMode::Opaque;
};
