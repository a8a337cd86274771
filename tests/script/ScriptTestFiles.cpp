#include "tests/script/ScriptTestFiles.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "baselib/WideChar.h"

namespace scripttest {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "script-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr)
        m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}

String TempDir::PathOf(const std::string& name) const
{
    return String((m_path / name).string().c_str());
}

String TempDir::Write(const std::string& name, const Bytes& bytes) const
{
    std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return PathOf(name);
}

void PutLe16(Bytes& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutLe32(Bytes& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

Bytes Utf16Bytes(const std::u16string& text)
{
    Bytes out;
    for (char16_t unit : text)
        PutLe16(out, unit);
    return out;
}

GlyphBits MarkerGlyph(char16_t code)
{
    GlyphBits glyph;
    glyph.rows[0] = 0xFFFF;
    const int column = 1 + code % 14;
    const int row = 2 + (code / 14) % 13;
    glyph.rows[row] = static_cast<uint16_t>(1u << (15 - column));
    return glyph;
}

GlyphFontFiles BuildGlyphFont(uint16_t first1, uint16_t last1, uint16_t first2, uint16_t last2,
                              const std::vector<char16_t>& missing)
{
    GlyphFontFiles files;
    PutLe16(files.index, first1);
    PutLe16(files.index, last1);
    PutLe16(files.index, first2);
    PutLe16(files.index, last2);

    std::vector<char16_t> codes;
    for (uint32_t c = first1; last1 >= first1 && c <= last1; ++c)
        codes.push_back(static_cast<char16_t>(c));
    for (uint32_t c = first2; last2 >= first2 && c <= last2; ++c)
        codes.push_back(static_cast<char16_t>(c));

    const uint32_t pastTheEnd = static_cast<uint32_t>(codes.size()) * 32 + 1000;
    for (char16_t code : codes) {
        if (std::find(missing.begin(), missing.end(), code) != missing.end()) {
            PutLe32(files.index, pastTheEnd);
            continue;
        }
        PutLe32(files.index, static_cast<uint32_t>(files.data.size()));
        const GlyphBits glyph = MarkerGlyph(code);
        for (uint16_t row : glyph.rows) {
            files.data.push_back(static_cast<uint8_t>(row >> 8));
            files.data.push_back(static_cast<uint8_t>(row));
        }
    }
    return files;
}

const FixtureFont& SharedFixtureFont()
{
    static TempDir dir;
    static const FixtureFont font = [] {
        const GlyphFontFiles files = BuildGlyphFont(0x30, 0x39, 0x3040, 0x7EFF, {kMissingGlyph});
        return FixtureFont{dir.Write("fixture.idx", files.index), dir.Write("fixture.fon", files.data)};
    }();
    return font;
}

String SharedConversionTablePath()
{
    static TempDir dir;
    static const String path = [] {
        Bytes table;
        for (uint32_t k = 0; k < 0x100; ++k)
            PutLe16(table, static_cast<uint16_t>(k < 0x40 ? 0x4E80 + k : 0x4E00 + k));
        return dir.Write("g2b.tab", table);
    }();
    return path;
}

}  // namespace scripttest
