// GDI-shaped drawing on a QPainter: exact pixels, no antialiasing, half-open rectangles.

#include "platform/ui/PainterDrawingContext_qt.h"
#include "platform/ui/Platform_qt.h"

#include <QFontMetrics>
#include <QTextOption>

CPainterDrawingContext::CPainterDrawingContext(QPainter& painter, const QImage& canvas,
                                               const QFont& defaultFont)
    : m_painter(painter), m_canvas(canvas), m_defaultFont(defaultFont), m_qfont(defaultFont)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setFont(m_qfont);
}

Rect CPainterDrawingContext::GetClientRect() const
{
    return {0, 0, m_canvas.width(), m_canvas.height()};
}

void CPainterDrawingContext::SetPixel(int x, int y, ColorRef color)
{
    m_painter.fillRect(x, y, 1, 1, ToQColor(color));
}

ColorRef CPainterDrawingContext::GetPixel(int x, int y) const
{
    if (!m_canvas.valid(x, y))
        return ColorBlack;
    return FromQRgb(m_canvas.pixel(x, y));
}

void CPainterDrawingContext::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    int edge = 0;
    if (m_pen.GetStyle() != CPen::Null) {
        edge = m_pen.GetWidth() < 1 ? 1 : m_pen.GetWidth();
        m_painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(m_pen.GetColor()));
    }
    if (m_brush.GetStyle() == CBrush::SolidFill) {
        QRect inside(left + edge, top + edge, right - left - 2 * edge, bottom - top - 2 * edge);
        if (inside.isValid())
            m_painter.fillRect(inside, ToQColor(m_brush.GetColor()));
    }
}

void CPainterDrawingContext::FillRect(const Rect& rect, ColorRef color)
{
    if (!rect.IsEmpty())
        m_painter.fillRect(ToQRect(rect), ToQColor(color));
}

void CPainterDrawingContext::BitBlt(int x, int y, int width, int height, const CBitmap& source,
                                    int sourceX, int sourceY)
{
    if (source.IsNull() || width <= 0 || height <= 0)
        return;
    const QImage& image = source.GetData()->image;
    QRect wanted(sourceX, sourceY, width, height);
    QRect part = wanted.intersected(image.rect());
    if (part.isEmpty())
        return;
    m_painter.drawImage(QPoint(x + part.left() - sourceX, y + part.top() - sourceY), image, part);
}

void CPainterDrawingContext::TextOut(int x, int y, const String& text)
{
    QString q = ToQString(text);
    QFontMetrics metrics(m_qfont);
    if (m_bkMode == BackgroundMode::Opaque)
        m_painter.fillRect(QRect(x, y, metrics.horizontalAdvance(q), metrics.height()), ToQColor(m_bkColor));
    m_painter.setPen(ToQColor(m_textColor));
    m_painter.drawText(QPoint(x, y + metrics.ascent()), q);
}

Size CPainterDrawingContext::GetTextExtent(const String& text) const
{
    QFontMetrics metrics(m_qfont);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

int CPainterDrawingContext::DrawText(const String& text, Rect& rect, unsigned format)
{
    QString q = ToQString(text);
    QTextOption option;
    Qt::Alignment align = Qt::AlignTop;
    if (format & DT_CENTER)
        align = Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        align = Qt::AlignRight;
    else
        align = Qt::AlignLeft;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        align |= Qt::AlignVCenter;
    else
        align |= Qt::AlignTop;
    option.setAlignment(align);
    option.setWrapMode((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)
                           ? QTextOption::WrapAtWordBoundaryOrAnywhere
                           : QTextOption::NoWrap);
    QRectF area(rect.left, rect.top, rect.Width(), rect.Height());
    if (format & DT_CALCRECT)
        area.setHeight(1 << 20);
    QRectF used = m_painter.boundingRect(area, q, option);
    int height = static_cast<int>(used.height() + 0.5);
    if (format & DT_CALCRECT) {
        rect.bottom = rect.top + height;
        if (!(format & DT_WORDBREAK))
            rect.right = rect.left + static_cast<int>(used.width() + 0.5);
        return height;
    }
    m_painter.save();
    if (!(format & DT_NOCLIP))
        m_painter.setClipRect(area, Qt::IntersectClip);
    if (m_bkMode == BackgroundMode::Opaque)
        m_painter.fillRect(used.intersected(area), ToQColor(m_bkColor));
    m_painter.setPen(ToQColor(m_textColor));
    m_painter.drawText(area, q, option);
    m_painter.restore();
    return height;
}

CPen CPainterDrawingContext::SelectPen(const CPen& pen)
{
    CPen previous = m_pen;
    m_pen = pen;
    return previous;
}

CBrush CPainterDrawingContext::SelectBrush(const CBrush& brush)
{
    CBrush previous = m_brush;
    m_brush = brush;
    return previous;
}

CFont CPainterDrawingContext::SelectFont(const CFont& font)
{
    CFont previous = m_font;
    m_font = font;
    m_qfont = ToQFont(font, m_defaultFont);
    m_painter.setFont(m_qfont);
    return previous;
}

ColorRef CPainterDrawingContext::SetTextColor(ColorRef color)
{
    ColorRef previous = m_textColor;
    m_textColor = color;
    return previous;
}

ColorRef CPainterDrawingContext::SetBkColor(ColorRef color)
{
    ColorRef previous = m_bkColor;
    m_bkColor = color;
    return previous;
}

BackgroundMode CPainterDrawingContext::SetBkMode(BackgroundMode mode)
{
    BackgroundMode previous = m_bkMode;
    m_bkMode = mode;
    return previous;
}
