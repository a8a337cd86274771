#pragma once
// Conversions between the UTF-8 of the text sources and the UTF-16 units of the data files.
// Malformed UTF-8 is reported, not guessed: a phrase text with a broken byte would otherwise
// reach the phrase book as a wrong character.

#include <string>

#include "baselib/String.h"

namespace Utf {

// Decodes UTF-8 into UTF-16 units. Returns false (and leaves `out` partly filled) on a byte
// sequence that is not UTF-8, an overlong form or a surrogate code point.
bool Decode(const std::string& utf8, std::u16string& out);
std::string Encode(const std::u16string& units);
std::string Encode(const String& text);
String ToString(const std::u16string& units);
std::u16string FromString(const String& text);

// Unicode character classes the tools care about, by UTF-16 unit.
bool IsIdeograph(char16_t c);   // CJK unified ideographs (and U+3007), read with a PinYin syllable
bool IsKana(char16_t c);        // hiragana and katakana blocks
bool IsHangul(char16_t c);      // precomposed syllables and jamo

}  // namespace Utf
