// CGlyphFont: index lookup across the two ranges, glyph expansion, the fallback names, and bad
// index or data files that must end in "no glyph" rather than a read outside either file.

#include "script/GlyphFont.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "tests/script/ScriptTestFiles.h"

using namespace scripttest;

namespace {

// Reads `code` in mode 16 and compares every pixel with the fixture glyph of `expected`.
::testing::AssertionResult DrawsMarkerOf(CGlyphFont& font, char16_t code, char16_t expected)
{
    uint8_t pixels[CGlyphFont::kMode16BufferBytes];
    if (!font.GetGlyph(code, pixels, sizeof pixels, CGlyphFont::kPixelMode16))
        return ::testing::AssertionFailure() << "no glyph for " << std::hex << int(code);
    const GlyphBits want = MarkerGlyph(expected);
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            if (CGlyphFont::IsInk16(pixels, column, row) != want.Ink(column, row))
                return ::testing::AssertionFailure() << "pixel " << column << "," << row;
    return ::testing::AssertionSuccess();
}

struct FontFolder {
    TempDir dir;
    String index;
    String data;
    FontFolder(const GlyphFontFiles& files)
        : index(dir.Write("ch.idx", files.index)), data(dir.Write("ch.fon", files.data)) {}
};

}  // namespace

TEST(GlyphFontTest, FindsCodesOfBothRangesWithRangeTwoDirectlyAfterRangeOne)
{
    // F2 = L1 + 1: the code F2 reads the entry right after range 1's last.
    FontFolder folder(BuildGlyphFont(0x41, 0x43, 0x44, 0x45));
    CGlyphFont font;
    ASSERT_TRUE(font.OpenGlyphFont(folder.index, folder.data));
    for (char16_t code : {u'A', u'B', u'C', u'D', u'E'})
        EXPECT_TRUE(DrawsMarkerOf(font, code, code)) << char(code);
}

TEST(GlyphFontTest, RangeTwoFarFromRangeOne)
{
    FontFolder folder(BuildGlyphFont(0x30, 0x39, 0x4E00, 0x4E05));
    CGlyphFont font;
    ASSERT_TRUE(font.OpenGlyphFont(folder.index, folder.data));
    EXPECT_TRUE(DrawsMarkerOf(font, u'0', u'0'));
    EXPECT_TRUE(DrawsMarkerOf(font, 0x4E00, 0x4E00));
    EXPECT_TRUE(DrawsMarkerOf(font, 0x4E05, 0x4E05));
}

TEST(GlyphFontTest, CodeInBothRangesUsesRangeOne)
{
    // Range 1 = A..B, range 2 = B..C; the index's range-2 entry for B points at C's glyph, so the
    // glyph drawn tells which entry was used.
    GlyphFontFiles files;
    for (uint16_t v : {0x41, 0x42, 0x42, 0x43})
        PutLe16(files.index, v);
    for (char16_t code : {u'A', u'B', u'C'}) {
        const GlyphBits glyph = MarkerGlyph(code);
        for (uint16_t row : glyph.rows) {
            files.data.push_back(uint8_t(row >> 8));
            files.data.push_back(uint8_t(row));
        }
    }
    for (uint32_t offset : {0u, 32u, 64u, 64u})
        PutLe32(files.index, offset);
    FontFolder folder(files);
    CGlyphFont font;
    ASSERT_TRUE(font.OpenGlyphFont(folder.index, folder.data));
    EXPECT_TRUE(DrawsMarkerOf(font, u'B', u'B'));
    EXPECT_TRUE(DrawsMarkerOf(font, u'C', u'C'));
}

TEST(GlyphFontTest, NoGlyphLeavesTheBufferUntouched)
{
    FontFolder folder(BuildGlyphFont(0x41, 0x43, 0x61, 0x63, {u'b'}));
    CGlyphFont font;
    ASSERT_TRUE(font.OpenGlyphFont(folder.index, folder.data));

    struct Case {
        const char* what;
        char16_t code;
    } cases[] = {
        {"below range 1", 0x40},
        {"between the ranges", 0x44},
        {"above range 2", 0x64},
        {"index entry pointing past the data file", u'b'},
    };
    for (const Case& c : cases) {
        uint8_t pixels[CGlyphFont::kMode16BufferBytes];
        std::memset(pixels, 0x5A, sizeof pixels);
        EXPECT_FALSE(font.GetGlyph(c.code, pixels, sizeof pixels, 16)) << c.what;
        EXPECT_EQ(0x5A, pixels[0]) << c.what;
        EXPECT_EQ(0x5A, pixels[sizeof pixels - 1]) << c.what;
    }
    // The neighbours of the broken entry still work.
    EXPECT_TRUE(DrawsMarkerOf(font, u'a', u'a'));
    EXPECT_TRUE(DrawsMarkerOf(font, u'c', u'c'));
}

TEST(GlyphFontTest, BrokenIndexFilesGiveNoGlyph)
{
    struct Case {
        const char* what;
        GlyphFontFiles files;
        char16_t code;
    };
    GlyphFontFiles truncated = BuildGlyphFont(0x41, 0x50, 1, 0);
    truncated.index.resize(8 + 4 * 3 + 2);  // entries for A, B, C and half of D
    GlyphFontFiles reversed = BuildGlyphFont(1, 0, 0x41, 0x43);
    reversed.index[0] = 0x50;  // F1 = 0x50 > L1 = 0x40: range 1 holds nothing
    reversed.index[2] = 0x40;
    GlyphFontFiles lastGlyphCut = BuildGlyphFont(0x41, 0x43, 1, 0);
    lastGlyphCut.data.resize(lastGlyphCut.data.size() - 1);

    Case cases[] = {
        {"entry past a truncated index", truncated, u'E'},
        {"entry cut in half", truncated, u'D'},
        {"last glyph record one byte short", lastGlyphCut, u'C'},
    };
    for (const Case& c : cases) {
        FontFolder folder(c.files);
        CGlyphFont font;
        ASSERT_TRUE(font.OpenGlyphFont(folder.index, folder.data)) << c.what;
        uint8_t pixels[CGlyphFont::kMode16BufferBytes];
        EXPECT_FALSE(font.GetGlyph(c.code, pixels, sizeof pixels, 16)) << c.what;
    }

    // What is still whole in those files keeps working; a reversed range 1 takes no index room.
    FontFolder truncatedFolder(truncated);
    CGlyphFont font;
    ASSERT_TRUE(font.OpenGlyphFont(truncatedFolder.index, truncatedFolder.data));
    EXPECT_TRUE(DrawsMarkerOf(font, u'C', u'C'));
    FontFolder reversedFolder(reversed);
    ASSERT_TRUE(font.OpenGlyphFont(reversedFolder.index, reversedFolder.data));
    EXPECT_TRUE(DrawsMarkerOf(font, u'A', u'A'));
}

TEST(GlyphFontTest, OpenFailures)
{
    FontFolder folder(BuildGlyphFont(0x41, 0x43, 1, 0));
    CGlyphFont font;
    EXPECT_FALSE(font.OpenGlyphFont(folder.dir.PathOf("missing.idx"), folder.data));
    EXPECT_FALSE(font.IsOpen());
    EXPECT_FALSE(font.OpenGlyphFont(folder.index, folder.dir.PathOf("missing.fon")));
    EXPECT_TRUE(font.IsOpen()) << "the index file opened first stays open";
    EXPECT_FALSE(font.IsGlyphFontOpen());

    const String shortIndex = folder.dir.Write("short.idx", {0x41, 0x00, 0x43, 0x00, 0x01});
    EXPECT_FALSE(font.OpenGlyphFont(shortIndex, folder.data)) << "header shorter than 8 bytes";
    EXPECT_FALSE(font.IsOpen());
}

TEST(GlyphFontTest, FallsBackToPlainNamesWhenNotOpen)
{
    TempDir dir;
    const GlyphFontFiles files = BuildGlyphFont(0x41, 0x43, 1, 0);
    dir.Write("fnt.idx", files.index);
    dir.Write("fnt.dat", files.data);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());

    CGlyphFont font;
    const bool found = DrawsMarkerOf(font, u'B', u'B');
    const bool opened = font.IsGlyphFontOpen();
    std::filesystem::current_path(previous);
    EXPECT_TRUE(found);
    EXPECT_TRUE(opened);
}

TEST(GlyphFontTest, NothingToFallBackTo)
{
    TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    CGlyphFont font;
    uint8_t pixels[CGlyphFont::kMode16BufferBytes];
    const bool found = font.GetGlyph(u'A', pixels, sizeof pixels, 16);
    std::filesystem::current_path(previous);
    EXPECT_FALSE(found);
}

TEST(GlyphFontTest, PixelModes)
{
    FontFolder folder(BuildGlyphFont(0x41, 0x41, 1, 0));
    CGlyphFont font;
    ASSERT_TRUE(font.OpenGlyphFont(folder.index, folder.data));
    const GlyphBits want = MarkerGlyph(u'A');

    uint8_t wide[CGlyphFont::kGlyphPixels * 4];
    ASSERT_TRUE(font.GetGlyph(u'A', wide, sizeof wide, CGlyphFont::kPixelMode32));
    for (int pixel = 0; pixel < CGlyphFont::kGlyphPixels; ++pixel) {
        const uint8_t expected = want.Ink(pixel % 16, pixel / 16) ? 0x00 : 0xFF;
        for (int b = 0; b < 4; ++b)
            ASSERT_EQ(expected, wide[pixel * 4 + b]) << "pixel " << pixel;
    }

    uint8_t narrow[CGlyphFont::kMode16BufferBytes];
    ASSERT_TRUE(font.GetGlyph(u'A', narrow, sizeof narrow, CGlyphFont::kPixelMode16));
    EXPECT_EQ(0x00, narrow[1]) << "ink fills both bytes of the pixel";
    EXPECT_EQ(0xFF, narrow[2 * 16 * 3 + 1]) << "background fills both bytes of the pixel";

    uint8_t untouched[CGlyphFont::kMode16BufferBytes];
    std::memset(untouched, 0x5A, sizeof untouched);
    EXPECT_TRUE(font.GetGlyph(u'A', untouched, sizeof untouched, 8)) << "other modes read the glyph";
    EXPECT_EQ(0x5A, untouched[0]) << "and write nothing";

    EXPECT_FALSE(font.GetGlyph(u'A', narrow, sizeof narrow, CGlyphFont::kPixelMode32))
        << "a 512-byte buffer cannot take mode 32";
}
