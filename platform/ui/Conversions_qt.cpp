// Conversions between the portable types and Qt's.

#include "platform/ui/Platform_qt.h"

QString ToQString(const String& text)
{
    return QString::fromUtf16(text.GetString(), text.GetLength());
}

QString ToQString(const char16_t* text)
{
    return text ? QString::fromUtf16(text) : QString();
}

String FromQString(const QString& text)
{
    return String(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<int>(text.size()));
}

QColor ToQColor(ColorRef color)
{
    return QColor(static_cast<int>(RedOf(color)), static_cast<int>(GreenOf(color)),
                  static_cast<int>(BlueOf(color)));
}

ColorRef FromQRgb(QRgb rgb)
{
    return Rgb(static_cast<unsigned>(qRed(rgb)), static_cast<unsigned>(qGreen(rgb)),
               static_cast<unsigned>(qBlue(rgb)));
}

Rect FromQRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}
