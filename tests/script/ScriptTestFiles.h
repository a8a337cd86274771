#pragma once
// Small files for the script tests: a temporary folder, little-endian byte assembly and a glyph
// font builder whose glyphs can be told apart in a captured picture.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "baselib/String.h"

namespace scripttest {

using Bytes = std::vector<uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The full path of `name` inside the folder, as the readers take it.
    String PathOf(const std::string& name) const;
    // Writes `bytes` to `name` inside the folder and returns its full path.
    String Write(const std::string& name, const Bytes& bytes) const;

private:
    std::filesystem::path m_path;
};

void PutLe16(Bytes& out, uint16_t value);
void PutLe32(Bytes& out, uint32_t value);
// The code units of `text` as little-endian bytes.
Bytes Utf16Bytes(const std::u16string& text);

// One 16 x 16 glyph: rows[r] holds the row's 16 pixels, bit 15 the leftmost; a set bit is ink.
struct GlyphBits {
    uint16_t rows[16] = {};
    bool Ink(int column, int row) const { return (rows[row] >> (15 - column)) & 1; }
};

// The fixture glyph of `code`: a full top row, so that a cell's position shows, and one dot
// inside whose place depends on the code, so that the glyph drawn shows which code was looked up.
GlyphBits MarkerGlyph(char16_t code);

// Builds the index and data files of a glyph font with the ranges F1..L1 and F2..L2. Each code of
// the ranges gets MarkerGlyph(code), stored in the data file in code order, except the codes given
// as `missing`, whose index entries point past the end of the data file.
struct GlyphFontFiles {
    Bytes index;
    Bytes data;
};
GlyphFontFiles BuildGlyphFont(uint16_t first1, uint16_t last1, uint16_t first2, uint16_t last2,
                              const std::vector<char16_t>& missing = {});

// The glyph font shared by the painting tests, written once per test program: digits
// (U+0030..U+0039) in range 1, U+3040..U+7EFF in range 2 (kana, the toggle samples and the
// artificial "characters" the tests draw), except U+4E10 whose entry points past the data file.
struct FixtureFont {
    String indexPath;
    String dataPath;
};
constexpr char16_t kMissingGlyph = 0x4E10;
const FixtureFont& SharedFixtureFont();

// A conversion table, written once per test program, that maps U+4E00 + k to U+4E80 + k for
// k < 0x40 (every other entry holds its own code).
String SharedConversionTablePath();

}  // namespace scripttest
