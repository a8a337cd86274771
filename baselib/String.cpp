#include "baselib/String.h"

#include <charconv>
#include <clocale>
#include <climits>
#include <cmath>
#include <cstring>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace {

// A malloc'ed buffer of length units plus a zero terminator; the units are left for the caller.
char16_t* AllocateUnits(size_t length)
{
    auto* buffer = static_cast<char16_t*>(std::malloc((length + 1) * sizeof(char16_t)));
    if (buffer == nullptr)
        std::abort();  // allocation failure is outside the contract; fail loudly, not corruptly
    buffer[length] = 0;
    return buffer;
}

// A malloc'ed copy of length units of source, plus a zero terminator.
char16_t* NewBuffer(const char16_t* source, size_t length)
{
    char16_t* buffer = AllocateUnits(length);
    if (length != 0)
        std::memcpy(buffer, source, length * sizeof(char16_t));
    return buffer;
}

// Joins two texts into one new buffer.
char16_t* JoinBuffers(const char16_t* a, size_t lengthA, const char16_t* b, size_t lengthB)
{
    char16_t* buffer = AllocateUnits(lengthA + lengthB);
    std::memcpy(buffer, a, lengthA * sizeof(char16_t));
    std::memcpy(buffer + lengthA, b, lengthB * sizeof(char16_t));
    return buffer;
}

int ClampToZero(int value)
{
    return value < 0 ? 0 : value;
}

String FromAscii(const char* text, size_t length)
{
    std::u16string units(text, text + length);
    return String(units.c_str(), static_cast<int>(units.size()));
}

}  // namespace

String::String() : m_pBuffer(NewBuffer(nullptr, 0)) {}

String::String(const String& other) : m_pBuffer(NewBuffer(other.m_pBuffer, wcslen16(other.m_pBuffer))) {}

String::String(const char16_t* text) : m_pBuffer(NewBuffer(text, wcslen16(text))) {}

String::String(const char* text)
{
    // UTF-8 never needs more UTF-16 units than it has bytes.
    size_t bytes = std::strlen(text);
    m_pBuffer = AllocateUnits(bytes);
    mbstowcs16(m_pBuffer, text, bytes + 1);
}

String::String(const char16_t* buffer, int length) : m_pBuffer(NewBuffer(buffer, ClampToZero(length))) {}

String::String(char16_t c, int count) : m_pBuffer(AllocateUnits(ClampToZero(count)))
{
    for (int i = 0; i < count; ++i)
        m_pBuffer[i] = c;
}

void String::Adopt(char16_t* buffer)
{
    std::free(m_pBuffer);
    m_pBuffer = buffer;
}

void String::Init(const char16_t* buffer, int length)
{
    Adopt(NewBuffer(buffer, ClampToZero(length)));
}

void String::Empty()
{
    Adopt(NewBuffer(nullptr, 0));
}

String& String::operator=(const String& other)
{
    return *this = other.m_pBuffer;
}

String& String::operator=(const char16_t* text)
{
    // The copy is made before the old buffer goes, so text may point into this String.
    Adopt(NewBuffer(text, wcslen16(text)));
    return *this;
}

String& String::operator=(char16_t c)
{
    Adopt(NewBuffer(&c, 1));
    return *this;
}

String& String::operator+=(const String& other)
{
    return *this += other.m_pBuffer;
}

String& String::operator+=(const char16_t* text)
{
    Adopt(JoinBuffers(m_pBuffer, wcslen16(m_pBuffer), text, wcslen16(text)));
    return *this;
}

String& String::operator+=(char16_t c)
{
    size_t length = wcslen16(m_pBuffer);
    auto* buffer = static_cast<char16_t*>(std::realloc(m_pBuffer, (length + 2) * sizeof(char16_t)));
    if (buffer == nullptr)
        std::abort();
    m_pBuffer = buffer;
    m_pBuffer[length] = c;
    m_pBuffer[length + 1] = 0;
    return *this;
}

String& String::operator+=(double value)
{
    return *this += ValueOf(value);
}

int String::Compare(const char16_t* text) const
{
    return wcscmp16(m_pBuffer, text);
}

int String::CompareNoCase(const char16_t* text) const
{
    return wcsicmp16(m_pBuffer, text);
}

bool String::Equals(const char16_t* text) const
{
    return Compare(text) == 0;
}

bool String::EqualsNoCase(const char16_t* text) const
{
    return CompareNoCase(text) == 0;
}

void String::MakeUpper()
{
    wcsupr16(m_pBuffer);
}

void String::MakeLower()
{
    wcslwr16(m_pBuffer);
}

void String::MakeReverse()
{
    size_t length = wcslen16(m_pBuffer);
    for (size_t i = 0; i < length / 2; ++i) {
        char16_t c = m_pBuffer[i];
        m_pBuffer[i] = m_pBuffer[length - 1 - i];
        m_pBuffer[length - 1 - i] = c;
    }
}

void String::Trim()
{
    TrimLeft();
    TrimRight();
}

void String::TrimLeft()
{
    size_t blanks = 0;
    while (iswspace16(m_pBuffer[blanks]))
        ++blanks;
    if (blanks != 0)
        std::memmove(m_pBuffer, m_pBuffer + blanks, (wcslen16(m_pBuffer + blanks) + 1) * sizeof(char16_t));
}

void String::TrimRight()
{
    size_t length = wcslen16(m_pBuffer);
    while (length > 0 && iswspace16(m_pBuffer[length - 1]))
        m_pBuffer[--length] = 0;
}

void String::Replace(char16_t from, char16_t to)
{
    if (from == 0 || from == to)
        return;
    for (char16_t* p = m_pBuffer; *p != 0; ++p) {
        if (*p == from)
            *p = to;
    }
}

void String::Replace(const char16_t* oldTextIn, const char16_t* newTextIn)
{
    // Own copies: either text may point into this String's buffer, which each step replaces.
    const std::u16string oldCopy(oldTextIn);
    const std::u16string newCopy(newTextIn);
    const char16_t* oldText = oldCopy.c_str();
    const char16_t* newText = newCopy.c_str();
    size_t oldLength = oldCopy.size();
    if (oldLength == 0)
        return;
    size_t newLength = newCopy.size();
    // With oldText inside newText every step would make a new occurrence: one pass instead.
    bool rescan = wcsstr16(newText, oldText) == nullptr;
    size_t from = 0;
    for (;;) {
        const char16_t* found = wcsstr16(m_pBuffer + from, oldText);
        if (found == nullptr)
            return;
        size_t at = static_cast<size_t>(found - m_pBuffer);
        size_t length = wcslen16(m_pBuffer);
        char16_t* buffer = AllocateUnits(length - oldLength + newLength);
        std::memcpy(buffer, m_pBuffer, at * sizeof(char16_t));
        std::memcpy(buffer + at, newText, newLength * sizeof(char16_t));
        std::memcpy(buffer + at + newLength, m_pBuffer + at + oldLength,
                    (length - at - oldLength) * sizeof(char16_t));
        Adopt(buffer);
        from = rescan ? 0 : at + newLength;
    }
}

String String::Mid(int first, int count) const
{
    int length = GetLength();
    first = ClampToZero(first);
    count = ClampToZero(count);
    if (first > length)
        first = length;
    if (count > length - first)
        count = length - first;
    return String(m_pBuffer + first, count);
}

String String::Mid(int first) const
{
    return Mid(first, INT_MAX);
}

String String::Left(int count) const
{
    return Mid(0, count);
}

String String::Right(int count) const
{
    int length = GetLength();
    count = ClampToZero(count);
    if (count > length)
        count = length;
    return String(m_pBuffer + length - count, count);
}

String String::SubString(int first, int count) const
{
    return Mid(first, count);
}

String String::SubString(int first) const
{
    return Mid(first);
}

String String::SpanIncluding(const char16_t* set) const
{
    std::u16string kept;
    for (const char16_t* p = m_pBuffer; *p != 0; ++p) {
        if (wcschr16(set, *p) != nullptr)
            kept += *p;
    }
    return String(kept.c_str(), static_cast<int>(kept.size()));
}

String String::SpanExcluding(const char16_t* set) const
{
    std::u16string kept;
    for (const char16_t* p = m_pBuffer; *p != 0; ++p) {
        if (wcschr16(set, *p) == nullptr)
            kept += *p;
    }
    return String(kept.c_str(), static_cast<int>(kept.size()));
}

int String::Find(char16_t c) const
{
    const char16_t* found = wcschr16(m_pBuffer, c);
    return found != nullptr ? static_cast<int>(found - m_pBuffer) : -1;
}

int String::Find(char16_t c, int start) const
{
    start = ClampToZero(start);
    if (start >= GetLength())
        return -1;
    const char16_t* found = wcschr16(m_pBuffer + start, c);
    return found != nullptr ? static_cast<int>(found - m_pBuffer) : -1;
}

int String::Find(const char16_t* text) const
{
    const char16_t* found = wcsstr16(m_pBuffer, text);
    return found != nullptr ? static_cast<int>(found - m_pBuffer) : -1;
}

int String::ReverseFind(char16_t c) const
{
    const char16_t* found = wcsrchr16(m_pBuffer, c);
    return found != nullptr ? static_cast<int>(found - m_pBuffer) : -1;
}

int String::FindOneOf(const char16_t* set) const
{
    for (const char16_t* p = m_pBuffer; *p != 0; ++p) {
        if (wcschr16(set, *p) != nullptr)
            return static_cast<int>(p - m_pBuffer);
    }
    return -1;
}

void String::GetAnsiString(char* out) const
{
    wcstombs16(out, m_pBuffer, wcslen16(m_pBuffer) + 1);
}

int String::ParseInt() const
{
    long value = wtol16(m_pBuffer);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

long String::ParseLong() const
{
    std::string narrow(GetLength() + 1, '\0');
    GetAnsiString(narrow.data());
    return std::strtol(narrow.c_str(), nullptr, 10);
}

double String::ParseDouble() const
{
    // strtod follows the C locale's decimal point, which a Qt program sets from the user's
    // environment; the "C" locale keeps '.' as data files and callers expect.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    std::string narrow(GetLength() + 1, '\0');
    GetAnsiString(narrow.data());
    return strtod_l(narrow.c_str(), nullptr, cLocale);
}

String String::ValueOf(int value)
{
    char text[16];
    auto result = std::to_chars(text, text + sizeof text, value);
    return FromAscii(text, static_cast<size_t>(result.ptr - text));
}

String String::ValueOf(double value)
{
    // Fixed notation of the largest double has 309 digits before the point; 1,024 is ample.
    char text[1024];
    if (std::isnan(value))
        return String(std::signbit(value) ? u"-nan" : u"nan");
    if (std::isinf(value))
        return String(value < 0 ? u"-inf" : u"inf");
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return FromAscii(text, static_cast<size_t>(result.ptr - text));
}

String operator+(const String& a, const String& b)
{
    String result(a);
    result += b;
    return result;
}

String operator+(const String& a, char16_t b)
{
    String result(a);
    result += b;
    return result;
}

String operator+(char16_t a, const String& b)
{
    String result(a, 1);
    result += b;
    return result;
}

String operator+(const String& a, const char16_t* b)
{
    String result(a);
    result += b;
    return result;
}

String operator+(const char16_t* a, const String& b)
{
    String result(a);
    result += b;
    return result;
}
