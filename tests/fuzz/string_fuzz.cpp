// Feeds arbitrary text to String and StringTokenizer. The input is split into UTF-16 units: the
// first unit chooses the delimiter set and pattern lengths, the rest is the text. Every operation
// runs on it, with indexes and counts taken from the input, and the results are checked against
// the contracts that callers rely on.

#include "baselib/String.h"
#include "baselib/StringTokenizer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Texts in the system are short; long inputs only make the quadratic operations slow.
    if (size < 2 || size > 1024)
        return 0;
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2)
        units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    const unsigned control = units[0];
    const std::u16string body = units.substr(1);
    const String text(body.data(), static_cast<int>(body.size()));
    const int length = text.GetLength();
    Check(length <= static_cast<int>(body.size()));

    const int a = static_cast<int>(control & 0x3F);
    const int b = static_cast<int>((control >> 6) & 0x3F);
    Check(text.Mid(a, b).GetLength() <= b);
    Check(text.Mid(a).GetLength() == (a < length ? length - a : 0));
    Check(text.Left(a).GetLength() == (a < length ? a : length));
    Check(text.Right(b).GetLength() == (b < length ? b : length));
    Check(text.SubString(a, b).Equals(text.Mid(a, b)));

    // Patterns taken from the text itself, so that they occur.
    const String pattern = text.Mid(a, 1 + (b % 3));
    const String set = text.Mid(b, 1 + (a % 4));
    Check(text.SpanIncluding(set).GetLength() + text.SpanExcluding(set).GetLength() == length);
    int found = text.Find(pattern);
    Check(found >= -1 && found <= length);
    if (!pattern.IsEmpty())
        Check(found >= 0 && found <= a);
    Check(text.Find(pattern[0], a) == -1 || text.Find(pattern[0], a) >= a);
    int oneOf = text.FindOneOf(set);
    Check(oneOf >= -1 && oneOf < length);
    Check(text.ReverseFind(text[0]) >= (length > 0 ? 0 : -1));

    String copy(text);
    copy.Trim();
    Check(copy.GetLength() <= length);
    copy = text;
    copy.MakeReverse();
    copy.MakeReverse();
    Check(copy == text);
    copy.MakeUpper();
    copy.MakeLower();
    Check(copy.GetLength() == length);
    Check(copy.CompareNoCase(text) == 0);  // case mapping is one unit to one unit, both ways agree

    String replaced(text);
    replaced.Replace(pattern, text.Mid(b, a % 3));
    if (!pattern.IsEmpty() && text.Mid(b, a % 3).Find(pattern) < 0)
        Check(replaced.Find(pattern) < 0);  // rescanning leaves no occurrence behind
    replaced = text;
    if (pattern[0] != 0)
        replaced.Replace(pattern[0], static_cast<char16_t>(control));

    std::string narrow(static_cast<size_t>(length) + 1, '\0');
    text.GetAnsiString(narrow.data());
    Check(String(narrow.c_str()).GetLength() <= length);
    volatile unsigned parsed = static_cast<unsigned>(text.ParseInt()) + static_cast<unsigned>(text.ParseLong());
    volatile double real = text.ParseDouble();
    (void)parsed;
    (void)real;
    Check(String::ValueOf(static_cast<int>(control) - 30000).ParseInt() == static_cast<int>(control) - 30000);

    StringTokenizer tokenizer(text, set);
    int tokens = 0;
    while (const char16_t* token = tokenizer.NextToken()) {
        Check(token[0] != 0);  // never an empty token
        Check(++tokens <= length);
    }
    Check(tokenizer.NextToken() == nullptr);
    return 0;
}
