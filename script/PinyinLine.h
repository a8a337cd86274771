#pragma once
// BuildPinyinLine: the PinYin line of a Chinese translation, one syllable per character.

#include "baselib/String.h"

class CPinyinTable;

// Builds the line of `text`: for each code unit c, the next unit d picks the reading (d - '0' when
// d is one of "1" to "8", else the usual reading 0), and a found reading is appended followed by
// one space, so a non-empty line always ends with a space. Units without the reading (digits,
// Latin letters, punctuation, characters missing from the table) contribute nothing; so does
// everything when the table was never loaded. `lastResult`, when given, receives the result of
// the last lookup (LookupReading's 0, 3 or 4; 4 for the empty text).
String BuildPinyinLine(const CPinyinTable& table, const String& text, int* lastResult = nullptr);

// Splits a phonetic line for a box `width` pixels wide, where W = width / 9 characters fit a line.
// A line of at most W characters stays whole (`second` empty). A longer one breaks at the last
// space at or before index W: `first` is the text before that space, `second` the text after it,
// to the end. A line with no space there is cut at W. There are never more than two lines.
void BreakPinyinLine(const String& line, int width, String& first, String& second);
