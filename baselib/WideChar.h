#pragma once

// Wide-character routines for 16-bit UTF-16 code units (char16_t).
//
// wchar_t is 32 bits on Linux, so the C library's wcs* family cannot be used on the 16-bit text
// that the data files hold. These are the char16_t counterparts of the runtime routines the
// string class is built on. Every pointer argument must be non-null and zero-terminated unless a
// length is given.
//
// Case mapping and blank classification are table-driven and independent of the C locale (a Qt
// program switches the locale at start): case maps ASCII, Latin-1, basic Greek and Cyrillic and
// full-width Latin letters; blanks are 9..13, 32 and the Unicode space separators.
//
// The "ANSI" conversions use UTF-8, the narrow encoding of this platform.

#include "baselib/TesselExport.h"

#include <cstddef>
#include <string>

TESSEL_API size_t wcslen16(const char16_t* text);
TESSEL_API int wcscmp16(const char16_t* a, const char16_t* b);
// Compares after mapping both units to lower case, like the platform's _wcsicmp.
TESSEL_API int wcsicmp16(const char16_t* a, const char16_t* b);
// Maps the text to upper (lower) case in place and returns it, like _wcsupr (_wcslwr).
TESSEL_API char16_t* wcsupr16(char16_t* text);
TESSEL_API char16_t* wcslwr16(char16_t* text);
TESSEL_API char16_t towupper16(char16_t c);
TESSEL_API char16_t towlower16(char16_t c);
TESSEL_API bool iswspace16(char16_t c);
// First unit equal to c, or null; searching for 0 finds the terminator.
TESSEL_API const char16_t* wcschr16(const char16_t* text, char16_t c);
// Last unit equal to c, or null.
TESSEL_API const char16_t* wcsrchr16(const char16_t* text, char16_t c);
// First occurrence of needle, or null; an empty needle is found at text.
TESSEL_API const char16_t* wcsstr16(const char16_t* text, const char16_t* needle);
// A malloc'ed copy (release with free), or null when out of memory.
TESSEL_API char16_t* wcsdup16(const char16_t* text);

// Like the platform's _wtol: leading blanks, an optional sign, decimal digits up to the first
// other unit; 0 without digits. Saturates at LONG_MIN / LONG_MAX instead of overflowing.
TESSEL_API long wtol16(const char16_t* text);

// The re-entrant wcstok: splits *text at the units of delimiters. Pass the text on the first call
// and null afterwards; *state keeps the scanning position between calls. The delimiter ending a
// token is overwritten with zero. Returns null when only delimiters or nothing remain.
TESSEL_API char16_t* wcstok16(char16_t* text, const char16_t* delimiters, char16_t** state);

// UTF-16 to UTF-8 into out, which holds outBytes bytes (outBytes > 0). Writes whole characters
// only, always zero-terminates, and returns the number of bytes written before the terminator.
// Unpaired surrogates become U+FFFD.
TESSEL_API size_t wcstombs16(char* out, const char16_t* text, size_t outBytes);
// UTF-8 to UTF-16 into out, which holds outUnits units (outUnits > 0). Writes whole characters
// only, always zero-terminates and returns the units written before the terminator. Malformed
// bytes become U+FFFD; characters above U+FFFF become surrogate pairs.
TESSEL_API size_t mbstowcs16(char16_t* out, const char* text, size_t outUnits);

// Whole-text conversions for callers that talk to UTF-8 interfaces (file names, the terminal).
TESSEL_API std::string ToAnsiString(const char16_t* text);
TESSEL_API std::u16string FromAnsiString(const char* text);
