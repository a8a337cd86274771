#pragma once
// Builds one edition's phrase book in memory from the phrase sources, ready for the
// phrase book's own WriteTo.
//
// Layout decisions (the programs rely on them):
//  - The ten major categories come first, in file order, with ids 1, 2, ...; every sub
//    category follows, in file order, with ids from 101 on. The main screen opens majors by
//    name and takes the first category of that name, and some sub categories share a
//    major's name ("Questions", "Basic"), so no sub category may come before its namesake.
//  - Every atomic phrase (plain or concrete) gets a source phrase (English) and a translation
//    phrase under its id; its one voice clip is the phrase id. A template is a source phrase
//    with atomic false, a rule with one wildcard per slot ("W1", "W2", ...) and one map per
//    concrete record (map id = pid = the concrete id); it has no translation.
//  - Tips are numbered from 1 in order of first use; the same text is stored once.
//  - Chinese translations carry the reading digits: a digit n (1 to 8) after a character
//    whose syllable in the phrase's PinYin is the character's reading n in the PinYin table
//    (0 is its usual reading and needs none). A syllable that is not among the character's
//    readings, or one beyond the eighth alternative, is an error.
//  - Kana translations store full-width ASCII forms (！？) as ASCII, since the romaji
//    conversion passes ASCII through but reports full-width forms as unknown codes.

#include <vector>

#include "tools/phrasetools/Edition.h"
#include "tools/phrasetools/PhraseSource.h"

class CPhraseBook;
class CPinyinTable;

// Fills `book` (which should be empty). `pinyin` is needed for the Chinese book only.
// Returns false when an error was appended; the book is then incomplete.
bool BuildPhraseBook(const PhraseSources& sources, BookKind kind, const CPinyinTable* pinyin,
                     CPhraseBook& book, std::vector<SourceError>& errors);

// The Chinese translation with its reading digits (see above). Errors name the phrase.
std::u16string AddReadingDigits(const SourcePhrase& phrase, const CPinyinTable& pinyin,
                                std::vector<SourceError>& errors);

// The PinYin syllables of a phrase, split at spaces and lower-cased.
std::vector<std::u16string> SplitSyllables(const std::u16string& py);

// The kana text as stored in the kana book (full-width ASCII forms as ASCII).
std::u16string KanaBookText(const std::u16string& kana);

// Category id that the book gives the source category at `index`.
int BookCategoryId(const PhraseSources& sources, int index);
