#include "script/PinyinLine.h"

#include "script/PinyinTable.h"

String BuildPinyinLine(const CPinyinTable& table, const String& text, int* lastResult)
{
    String line;
    int result = CPinyinTable::kNoReading;
    const int length = text.GetLength();
    for (int i = 0; i < length; ++i) {
        const char16_t c = text[i];
        const char16_t next = i + 1 < length ? text[i + 1] : char16_t(0);
        const int reading = (next >= u'1' && next <= u'8') ? next - u'0' : 0;
        String syllable;
        result = table.LookupReading(c, syllable, reading);
        // Only a found reading is written: an unloaded table yields an empty line rather than a
        // line of bare spaces.
        if (result == CPinyinTable::kFound) {
            line += syllable;
            line += u' ';
        }
    }
    if (lastResult != nullptr)
        *lastResult = result;
    return line;
}

void BreakPinyinLine(const String& line, int width, String& first, String& second)
{
    const int fit = width / 9;
    const int length = line.GetLength();
    if (length <= fit) {
        first = line;
        second.Empty();
        return;
    }
    int at = fit;
    while (at >= 0 && line[at] != u' ')
        --at;
    if (at < 0) {
        // No space to break at: cut at W rather than leave the first line empty.
        first = line.Left(fit);
        second = line.Mid(fit);
        return;
    }
    first = line.Left(at);
    second = line.Mid(at + 1);
}
