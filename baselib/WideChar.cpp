#include "baselib/WideChar.h"

#include <climits>
#include <cstdlib>
#include <cstring>

size_t wcslen16(const char16_t* text)
{
    const char16_t* end = text;
    while (*end != 0)
        ++end;
    return static_cast<size_t>(end - text);
}

int wcscmp16(const char16_t* a, const char16_t* b)
{
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return static_cast<int>(*a) - static_cast<int>(*b);
}

int wcsicmp16(const char16_t* a, const char16_t* b)
{
    for (;; ++a, ++b) {
        char16_t ca = towlower16(*a);
        char16_t cb = towlower16(*b);
        if (ca != cb || ca == 0)
            return static_cast<int>(ca) - static_cast<int>(cb);
    }
}

// Case pairs are ranges where upper + delta = lower. Latin-1 skips the multiplication and
// division signs (U+00D7, U+00F7), which have no case.
char16_t towupper16(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7)
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x03B1 && c <= 0x03C9 && c != 0x03C2)  // Greek; final sigma has no capital of its own
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x0430 && c <= 0x044F)  // Cyrillic а..я
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x0450 && c <= 0x045F)  // Cyrillic ѐ..џ
        return static_cast<char16_t>(c - 0x50);
    if (c >= 0xFF41 && c <= 0xFF5A)  // full-width a..z
        return static_cast<char16_t>(c - 0x20);
    return c;
}

char16_t towlower16(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7)
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2)
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0410 && c <= 0x042F)
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F)
        return static_cast<char16_t>(c + 0x50);
    if (c >= 0xFF21 && c <= 0xFF3A)
        return static_cast<char16_t>(c + 0x20);
    return c;
}

char16_t* wcsupr16(char16_t* text)
{
    for (char16_t* p = text; *p != 0; ++p)
        *p = towupper16(*p);
    return text;
}

char16_t* wcslwr16(char16_t* text)
{
    for (char16_t* p = text; *p != 0; ++p)
        *p = towlower16(*p);
    return text;
}

bool iswspace16(char16_t c)
{
    if (c == 32 || (c >= 9 && c <= 13))
        return true;
    switch (c) {
    case 0x0085: case 0x1680: case 0x2028: case 0x2029: case 0x205F: case 0x3000:
        return true;
    default:
        // U+2000..U+200A are spaces, except the figure space U+2007, which does not break.
        return c >= 0x2000 && c <= 0x200A && c != 0x2007;
    }
}

const char16_t* wcschr16(const char16_t* text, char16_t c)
{
    for (;; ++text) {
        if (*text == c)
            return text;
        if (*text == 0)
            return nullptr;
    }
}

const char16_t* wcsrchr16(const char16_t* text, char16_t c)
{
    const char16_t* found = nullptr;
    for (;; ++text) {
        if (*text == c)
            found = text;
        if (*text == 0)
            return found;
    }
}

const char16_t* wcsstr16(const char16_t* text, const char16_t* needle)
{
    if (*needle == 0)
        return text;
    for (; *text != 0; ++text) {
        const char16_t* t = text;
        const char16_t* n = needle;
        while (*n != 0 && *t == *n) {
            ++t;
            ++n;
        }
        if (*n == 0)
            return text;
    }
    return nullptr;
}

char16_t* wcsdup16(const char16_t* text)
{
    size_t bytes = (wcslen16(text) + 1) * sizeof(char16_t);
    auto* copy = static_cast<char16_t*>(std::malloc(bytes));
    if (copy != nullptr)
        std::memcpy(copy, text, bytes);
    return copy;
}

long wtol16(const char16_t* text)
{
    while (iswspace16(*text))
        ++text;
    bool negative = false;
    if (*text == u'-' || *text == u'+') {
        negative = *text == u'-';
        ++text;
    }
    // Accumulate towards the sign's side so that LONG_MIN is reachable without overflow.
    long value = 0;
    for (; *text >= u'0' && *text <= u'9'; ++text) {
        int digit = *text - u'0';
        if (negative) {
            if (value < (LONG_MIN + digit) / 10)
                return LONG_MIN;
            value = value * 10 - digit;
        } else {
            if (value > (LONG_MAX - digit) / 10)
                return LONG_MAX;
            value = value * 10 + digit;
        }
    }
    return value;
}

char16_t* wcstok16(char16_t* text, const char16_t* delimiters, char16_t** state)
{
    char16_t* p = text != nullptr ? text : *state;
    if (p == nullptr)
        return nullptr;
    while (*p != 0 && wcschr16(delimiters, *p) != nullptr)
        ++p;
    if (*p == 0) {
        *state = p;
        return nullptr;
    }
    char16_t* token = p;
    while (*p != 0 && wcschr16(delimiters, *p) == nullptr)
        ++p;
    if (*p != 0)
        *p++ = 0;
    *state = p;
    return token;
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-16 character at *text, advancing past it.
char32_t NextCodePoint(const char16_t*& text)
{
    char32_t c = *text++;
    if (c >= 0xD800 && c <= 0xDBFF) {
        if (*text >= 0xDC00 && *text <= 0xDFFF)
            return 0x10000 + ((c - 0xD800) << 10) + (*text++ - 0xDC00);
        return kReplacement;
    }
    if (c >= 0xDC00 && c <= 0xDFFF)
        return kReplacement;
    return c;
}

int EncodeUtf8(char32_t c, char* out)
{
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

// Decodes one UTF-8 character at *text (not at its terminator), advancing past it. A malformed
// sequence (bad lead byte, missing continuation, overlong form, surrogate, beyond U+10FFFF)
// yields U+FFFD and consumes one byte, so decoding always moves on.
char32_t NextUtf8(const unsigned char*& text)
{
    unsigned char lead = *text;
    int extra;
    char32_t c;
    char32_t minimum;
    if (lead < 0x80) {
        ++text;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        ++text;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        if ((text[i] & 0xC0) != 0x80) {
            ++text;
            return kReplacement;
        }
        c = (c << 6) | (text[i] & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++text;
        return kReplacement;
    }
    text += extra + 1;
    return c;
}

}  // namespace

size_t wcstombs16(char* out, const char16_t* text, size_t outBytes)
{
    size_t written = 0;
    while (*text != 0) {
        char bytes[4];
        int n = EncodeUtf8(NextCodePoint(text), bytes);
        if (written + n + 1 > outBytes)
            break;
        std::memcpy(out + written, bytes, n);
        written += n;
    }
    out[written] = 0;
    return written;
}

size_t mbstowcs16(char16_t* out, const char* text, size_t outUnits)
{
    auto* p = reinterpret_cast<const unsigned char*>(text);
    size_t written = 0;
    while (*p != 0) {
        const unsigned char* before = p;
        char32_t c = NextUtf8(p);
        size_t units = c > 0xFFFF ? 2 : 1;
        if (written + units + 1 > outUnits) {
            p = before;
            break;
        }
        if (units == 2) {
            out[written++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out[written++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out[written++] = static_cast<char16_t>(c);
        }
    }
    out[written] = 0;
    return written;
}

std::string ToAnsiString(const char16_t* text)
{
    // At most three bytes per unit (a surrogate pair gives four bytes for two units).
    std::string out(wcslen16(text) * 3 + 1, '\0');
    out.resize(wcstombs16(out.data(), text, out.size()));
    return out;
}

std::u16string FromAnsiString(const char* text)
{
    // Never more units than bytes.
    std::u16string out(std::strlen(text) + 1, u'\0');
    out.resize(mbstowcs16(out.data(), text, out.size()));
    return out;
}
