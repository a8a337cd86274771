// CBitmap over a shared QImage.

#include "platform/ui/Bitmap.h"
#include "platform/ui/Platform_qt.h"

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;
CBitmap::CBitmap(const CBitmap&) = default;
CBitmap& CBitmap::operator=(const CBitmap&) = default;
CBitmap::CBitmap(std::shared_ptr<BitmapData> data) : m_data(std::move(data)) {}

bool CBitmap::LoadBitmap(int resourceId)
{
    QImage image = LoadBitmapImage(resourceId);
    if (image.isNull()) {
        m_data.reset();
        return false;
    }
    m_data = std::make_shared<BitmapData>(BitmapData{image});
    return true;
}

bool CBitmap::CreateFilled(int width, int height, ColorRef color)
{
    if (width <= 0 || height <= 0)
        return false;
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(ToQColor(color));
    m_data = std::make_shared<BitmapData>(BitmapData{image});
    return true;
}

void CBitmap::DeleteObject() { m_data.reset(); }
bool CBitmap::IsNull() const { return !m_data || m_data->image.isNull(); }
int CBitmap::GetWidth() const { return IsNull() ? 0 : m_data->image.width(); }
int CBitmap::GetHeight() const { return IsNull() ? 0 : m_data->image.height(); }

ColorRef CBitmap::GetPixel(int x, int y) const
{
    if (IsNull() || !m_data->image.valid(x, y))
        return ColorBlack;
    return FromQRgb(m_data->image.pixel(x, y));
}
