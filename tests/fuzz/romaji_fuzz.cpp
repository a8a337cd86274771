// Fuzzes the romaji table: the input is loaded as a "Romaji.tab" text (little-endian units, a
// last odd byte ignored), every key of it is looked up, and the same text is converted with the
// loaded table. Message boxes are answered silently.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/core/MessageBox.h"
#include "script/RomajiTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = [] {
        SetMessageBoxHandler([](const String&, const String&, unsigned) { return IDOK; });
        return true;
    }();
    (void)silenced;

    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    CRomajiTable table;
    table.LoadFromText(text.data(), text.size());
    for (size_t i = 0; i < text.size() && i < 64; ++i) {
        table.Lookup(String(&text[i], 1));
        if (i + 1 < text.size())
            table.Lookup(String(&text[i], 2));
    }
    ConvertToRomaji(table, String(text.data(), static_cast<int>(text.size())));
    return 0;
}
