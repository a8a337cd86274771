#pragma once
// CGlyphFont: the bitmap font of the Chinese and Japanese editions, one 16 x 16 one-bit glyph per
// UTF-16 code unit, read from an index file and a glyph data file.
//
// Index file (all integers little-endian):
//
//   offset                 size                 field
//   0                      2                    F1  first code of range 1 (unsigned)
//   2                      2                    L1  last code of range 1
//   4                      2                    F2  first code of range 2
//   6                      2                    L2  last code of range 2
//   8                      4 * (L1 - F1 + 1)    glyph offsets of the codes F1 .. L1, in code order
//   8 + 4 * (L1 - F1 + 1)  4 * (L2 - F2 + 1)    glyph offsets of the codes F2 .. L2, in code order
//
//   A glyph offset is an unsigned 32-bit byte offset into the glyph data file. A code inside both
//   ranges belongs to range 1. A range whose last code is below its first code holds no codes (and
//   takes no entries in the index).
//
// Glyph data file: 32-byte glyph records, reached only through the index. 16 rows from top to
// bottom, 2 bytes per row; the first byte holds the left 8 pixels, the second the right 8; the most
// significant bit is the leftmost pixel; a set bit is ink.
//
// Bad data never leads to a read outside either file: an index entry past the end of the index
// file, or a glyph offset whose 32 bytes do not lie wholly inside the data file, means "no glyph".

#include <cstdint>

#include "baselib/String.h"
#include "platform/core/File.h"

class CGlyphFont : public CFile {
public:
    static constexpr int kGlyphSide = 16;
    static constexpr int kGlyphPixels = kGlyphSide * kGlyphSide;
    static constexpr uint32_t kGlyphRecordBytes = 32;
    static constexpr uint32_t kHeaderBytes = 8;

    // Pixel modes of GetGlyph / ExpandGlyph: bytes written per pixel is mode / 8.
    static constexpr int kPixelMode16 = 16;
    static constexpr int kPixelMode32 = 32;
    // Size of the buffer that mode 16 fills (the size every drawing caller passes).
    static constexpr uint32_t kMode16BufferBytes = kGlyphPixels * 2;

    CGlyphFont();
    ~CGlyphFont();
    CGlyphFont(const CGlyphFont&) = delete;
    CGlyphFont& operator=(const CGlyphFont&) = delete;

    // Opens the index file, then the data file, both read-only, and reads the range header.
    // Returns true when both files are open and the header was read whole. When the index file
    // fails to open, false at once; when the data file fails, false with the index file left open.
    // An index file shorter than its header closes both and returns false, so that the next lookup
    // falls back to the default names like any other font that is not open.
    bool OpenGlyphFont(const String& indexPath, const String& dataPath);

    // Finds the glyph of `code` and expands it into `pixels` (see ExpandGlyph). When a file is not
    // open, first tries OpenGlyphFont("fnt.idx", "fnt.dat") with those plain names. Returns false
    // when no glyph was found; then `pixels` is untouched. Modes other than 16 and 32 read the glyph
    // and write nothing. A buffer smaller than the mode needs is refused (false, nothing written).
    bool GetGlyph(char16_t code, void* pixels, uint32_t bufferSize, int pixelMode);

    // Expands the last glyph read into `pixels`, pixel index = row * 16 + column: an ink pixel
    // becomes all-zero bytes, a background pixel all-0xFF bytes (2 bytes each in mode 16, 4 in
    // mode 32). `pixels` must hold 256 * mode / 8 bytes; other modes write nothing.
    void ExpandGlyph(void* pixels, int pixelMode) const;

    // True for an ink pixel of a mode-16 buffer filled by GetGlyph (its first byte is 0).
    static bool IsInk16(const uint8_t* pixels, int column, int row)
    {
        return pixels[(row * kGlyphSide + column) * 2] == 0;
    }

    // Closes whichever file is open.
    void CloseGlyphFont();

    bool IsGlyphFontOpen() const { return IsOpen() && m_data.IsOpen(); }

private:
    // Index entry number of `code`, or false when the code lies in neither range.
    bool FindEntry(char16_t code, uint32_t& entry) const;
    bool ReadGlyphRecord(uint32_t entry);

    CFile m_data;
    uint16_t m_first1 = 1;   // an empty range (last < first) until a header is read
    uint16_t m_last1 = 0;
    uint16_t m_first2 = 1;
    uint16_t m_last2 = 0;
    uint8_t m_glyph[kGlyphRecordBytes] = {};
};
