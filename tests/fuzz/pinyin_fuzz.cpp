// Fuzzes the PinYin table reader over an arbitrary "py_pool.dat", then looks up every reading of
// the codes the input names and builds a line over the input read as text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "script/PinyinLine.h"
#include "script/PinyinTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CPinyinTable table;
    table.LoadPinyinFromBytes(data, size);

    String syllable;
    std::u16string text;
    for (size_t i = 0; i + 1 < size && text.size() < 256; i += 2) {
        const char16_t code = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        text.push_back(code);
        for (int reading = 0; reading < 10; ++reading)
            table.LookupReading(code, syllable, reading);
    }
    BuildPinyinLine(table, String(text.data(), static_cast<int>(text.size())));
    return 0;
}
