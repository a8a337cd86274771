// Fonts: descriptions resolved to Qt fonts, the handheld's dialog font, and fonts registered for
// the process through Qt's application font database.

#include "platform/ui/Platform_qt.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>

#include <map>

namespace {

// The handheld's "System" face is drawn with Liberation Sans, whose metrics are those of the
// sans-serif face such devices used.
const char* const kSystemFamily = "Liberation Sans";

bool IsSystemFace(const QString& face)
{
    return face.isEmpty() || face.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0 ||
           face.compare(QLatin1String("MS Shell Dlg"), Qt::CaseInsensitive) == 0;
}

struct RegisteredFont {
    int fontId = -1;
    int count = 0;
    int faces = 0;
};
std::map<QString, RegisteredFont>& RegisteredFonts()
{
    static std::map<QString, RegisteredFont> fonts;
    return fonts;
}

} // namespace

bool CFont::CreateFont(int height, const String& faceName, int weight, bool italic)
{
    if (faceName.IsEmpty() || height < 0)
        return false;
    m_height = height;
    m_faceName = faceName;
    m_weight = weight;
    m_italic = italic;
    return true;
}

QFont ToQFont(const CFont& font, const QFont& fallback)
{
    if (font.IsDefault())
        return fallback;
    QString face = ToQString(font.GetFaceName());
    QFont result(IsSystemFace(face) ? QString::fromLatin1(kSystemFamily) : face);
    if (font.GetHeight() > 0)
        result.setPixelSize(font.GetHeight());
    else if (fallback.pixelSize() > 0)
        result.setPixelSize(fallback.pixelSize());
    result.setWeight(font.GetWeight() >= CFont::WeightBold ? QFont::Bold : QFont::Normal);
    result.setItalic(font.IsItalic());
    // Pixel fonts are drawn without hinting differences between machines.
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

CFont FromQFont(const QFont& font)
{
    int height = font.pixelSize() > 0 ? font.pixelSize() : QFontMetricsF(font).height();
    return CFont(height, FromQString(font.family()),
                 font.weight() >= QFont::Bold ? CFont::WeightBold : CFont::WeightNormal, font.italic());
}

QFont DialogFont(const QString& face, int pointSize)
{
    QFont font(IsSystemFace(face) ? QString::fromLatin1(kSystemFamily) : face);
    // The handheld drew its dialog fonts two pixels taller than their point size.
    font.setPixelSize(pointSize > 0 ? pointSize + 2 : 10);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DialogBaseUnits(const QString& face, int pointSize, double& baseX, double& baseY)
{
    if (IsSystemFace(face)) {
        // The handheld's system face: at 8 points a 147 × 165 unit dialog fills the 240 × 294
        // pixels above a command bar; each further point adds what its 10-point dialogs need to
        // keep 134 × 147 units of controls on the same screen.
        int points = pointSize > 0 ? pointSize : 8;
        baseX = 240.0 * 4 / 147 + (points - 8) * 0.235;
        baseY = 294.0 * 8 / 165 + (points - 8) * 0.875;
        return;
    }
    QFontMetricsF metrics(DialogFont(face, pointSize));
    baseX = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
    baseY = metrics.height();
}

int AddFontResource(const String& path)
{
    QString key = ToQString(path);
    auto& fonts = RegisteredFonts();
    auto found = fonts.find(key);
    if (found != fonts.end()) {
        ++found->second.count;
        return found->second.faces;
    }
    int id = QFontDatabase::addApplicationFont(key);
    if (id < 0)
        return 0;
    RegisteredFont entry;
    entry.fontId = id;
    entry.count = 1;
    entry.faces = static_cast<int>(QFontDatabase::applicationFontFamilies(id).size());
    if (entry.faces == 0)
        entry.faces = 1;
    fonts[key] = entry;
    return entry.faces;
}

bool RemoveFontResource(const String& path)
{
    auto& fonts = RegisteredFonts();
    auto found = fonts.find(ToQString(path));
    if (found == fonts.end())
        return false;
    if (--found->second.count == 0) {
        QFontDatabase::removeApplicationFont(found->second.fontId);
        fonts.erase(found);
    }
    return true;
}

void BroadcastFontChange()
{
    if (QWidget* screen = GetScreenWidget())
        screen->update();
}
