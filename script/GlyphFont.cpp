#include "script/GlyphFont.h"

#include <cstring>

namespace {

uint16_t ReadLe16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ReadLe32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Number of codes of a range; a range whose last code is below its first holds none.
uint32_t RangeCount(uint16_t first, uint16_t last)
{
    return last < first ? 0u : static_cast<uint32_t>(last - first) + 1u;
}

}  // namespace

CGlyphFont::CGlyphFont() = default;

CGlyphFont::~CGlyphFont()
{
    CloseGlyphFont();
}

bool CGlyphFont::OpenGlyphFont(const String& indexPath, const String& dataPath)
{
    if (IsOpen())
        Close();
    if (!Open(indexPath, CFile::modeRead))
        return false;
    if (m_data.IsOpen())
        m_data.Close();
    if (!m_data.Open(dataPath, CFile::modeRead))
        return false;

    uint8_t header[kHeaderBytes];
    if (!Seek(0) || Read(header, kHeaderBytes) != kHeaderBytes) {
        CloseGlyphFont();
        return false;
    }
    m_first1 = ReadLe16(header + 0);
    m_last1 = ReadLe16(header + 2);
    m_first2 = ReadLe16(header + 4);
    m_last2 = ReadLe16(header + 6);
    return true;
}

void CGlyphFont::CloseGlyphFont()
{
    if (IsOpen())
        Close();
    if (m_data.IsOpen())
        m_data.Close();
    m_first1 = m_first2 = 1;
    m_last1 = m_last2 = 0;
}

bool CGlyphFont::FindEntry(char16_t code, uint32_t& entry) const
{
    const uint32_t count1 = RangeCount(m_first1, m_last1);
    if (count1 != 0 && code >= m_first1 && code <= m_last1) {
        entry = code - m_first1;
        return true;
    }
    if (RangeCount(m_first2, m_last2) != 0 && code >= m_first2 && code <= m_last2) {
        entry = count1 + (code - m_first2);
        return true;
    }
    return false;
}

bool CGlyphFont::ReadGlyphRecord(uint32_t entry)
{
    // 64-bit arithmetic: entry * 4 and offset + 32 must not wrap around below the file sizes.
    const uint64_t entryAt = kHeaderBytes + 4ull * entry;
    if (entryAt + 4 > GetLength())
        return false;
    uint8_t offsetBytes[4];
    if (!Seek(static_cast<uint32_t>(entryAt)) || Read(offsetBytes, 4) != 4)
        return false;

    const uint32_t glyphAt = ReadLe32(offsetBytes);
    if (static_cast<uint64_t>(glyphAt) + kGlyphRecordBytes > m_data.GetLength())
        return false;
    uint8_t record[kGlyphRecordBytes];
    if (!m_data.Seek(glyphAt) || m_data.Read(record, kGlyphRecordBytes) != kGlyphRecordBytes)
        return false;
    std::memcpy(m_glyph, record, kGlyphRecordBytes);
    return true;
}

bool CGlyphFont::GetGlyph(char16_t code, void* pixels, uint32_t bufferSize, int pixelMode)
{
    if (!IsGlyphFontOpen() && !OpenGlyphFont(String(u"fnt.idx"), String(u"fnt.dat")))
        return false;
    if ((pixelMode == kPixelMode16 || pixelMode == kPixelMode32) &&
        (pixels == nullptr || bufferSize < static_cast<uint32_t>(kGlyphPixels * pixelMode / 8)))
        return false;

    uint32_t entry = 0;
    if (!FindEntry(code, entry) || !ReadGlyphRecord(entry))
        return false;
    ExpandGlyph(pixels, pixelMode);
    return true;
}

void CGlyphFont::ExpandGlyph(void* pixels, int pixelMode) const
{
    if (pixelMode != kPixelMode16 && pixelMode != kPixelMode32)
        return;
    const int bytesPerPixel = pixelMode / 8;
    auto* out = static_cast<uint8_t*>(pixels);
    for (uint32_t byteIndex = 0; byteIndex < kGlyphRecordBytes; ++byteIndex) {
        for (int bit = 0; bit < 8; ++bit) {
            const bool ink = (m_glyph[byteIndex] & (0x80 >> bit)) != 0;
            const int pixel = static_cast<int>(byteIndex) * 8 + bit;
            std::memset(out + pixel * bytesPerPixel, ink ? 0x00 : 0xFF, bytesPerPixel);
        }
    }
}
