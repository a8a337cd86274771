// Fuzzes CG2bTable over an arbitrary table file; each pair of input bytes is also a code to
// convert, together with the codes at the table's edges.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "script/G2bTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    "/g2b-fuzz-" + std::to_string(getpid()) + ".tab";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return 0;
    if (size != 0)
        std::fwrite(data, 1, size, f);
    std::fclose(f);

    CG2bTable table;
    if (!table.Open(String(path.c_str())))
        return 0;
    const char16_t past = static_cast<char16_t>(0x4E00 + size / 2);
    for (char16_t code : {char16_t(0), char16_t(0x4DFF), char16_t(0x4E00), char16_t(past - 1), past,
                          char16_t(0xFFFF)})
        table.ToTraditional(code);
    for (size_t i = 0; i + 1 < size && i < 64; i += 2)
        table.ToTraditional(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    return 0;
}
