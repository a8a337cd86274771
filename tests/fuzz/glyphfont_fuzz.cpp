// Fuzzes CGlyphFont over arbitrary index and glyph data files. Input: a 2-byte little-endian
// length n, then n bytes of index file, the rest is the glyph data file. Every code of the header's
// ranges' edges and a few from the input are looked up in each pixel mode.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "script/GlyphFont.h"

namespace {

std::string ScratchPath(const char* name)
{
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(base) + "/glyphfont-fuzz-" + std::to_string(getpid()) + "-" + name;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return;
    if (size != 0)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string indexPath = ScratchPath("idx");
    static const std::string dataPath = ScratchPath("fon");
    if (size < 2)
        return 0;
    size_t indexSize = data[0] | (data[1] << 8);
    data += 2;
    size -= 2;
    if (indexSize > size)
        indexSize = size;
    WriteFile(indexPath, data, indexSize);
    WriteFile(dataPath, data + indexSize, size - indexSize);

    CGlyphFont font;
    if (!font.OpenGlyphFont(String(indexPath.c_str()), String(dataPath.c_str())))
        return 0;

    char16_t codes[12] = {0, 0xFFFF, 0x4E00, u'A'};
    int count = 4;
    if (indexSize >= 8) {
        for (int i = 0; i < 4; ++i) {
            const char16_t edge = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
            codes[count++] = edge;
            codes[count++] = static_cast<char16_t>(edge + 1);
        }
    }
    static uint8_t pixels[CGlyphFont::kGlyphPixels * 4];
    for (int i = 0; i < count; ++i) {
        font.GetGlyph(codes[i], pixels, CGlyphFont::kMode16BufferBytes, CGlyphFont::kPixelMode16);
        font.GetGlyph(codes[i], pixels, sizeof pixels, CGlyphFont::kPixelMode32);
        font.GetGlyph(codes[i], pixels, sizeof pixels, 8);
    }
    return 0;
}
