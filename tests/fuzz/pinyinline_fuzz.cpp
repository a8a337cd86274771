// Fuzzes BuildPinyinLine over arbitrary text (UTF-16 units, digits included) with a small table
// in which some characters have several readings.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "script/PinyinLine.h"
#include "script/PinyinTable.h"

namespace {

const CPinyinTable& SampleTable()
{
    static CPinyinTable table;
    static bool loaded = false;
    if (!loaded) {
        std::vector<uint8_t> file;
        auto put = [&file](uint16_t v) {
            file.push_back(static_cast<uint8_t>(v));
            file.push_back(static_cast<uint8_t>(v >> 8));
        };
        const std::u16string syllables[] = {u"xíng", u"háng", u"zhuàngg", u"a"};
        put(4);
        put(6);
        for (const std::u16string& s : syllables)
            for (size_t i = 0; i < 7; ++i)
                put(i < s.size() ? s[i] : 0);
        const uint16_t map[][2] = {{0x884C, 1}, {0x884C, 2}, {0x884C, 3}, {u'1', 4}, {0x4E00, 4}, {0, 1}};
        for (const auto& entry : map) {
            put(entry[0]);
            put(entry[1]);
        }
        table.LoadPinyinFromBytes(file.data(), file.size());
        loaded = true;
    }
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    int last = 0;
    BuildPinyinLine(SampleTable(), String(text.data(), static_cast<int>(text.size())), &last);
    return 0;
}
