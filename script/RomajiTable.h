#pragma once
// CRomajiTable: the kana-to-romaji table of the Japanese edition.
//
// File "Romaji.tab": UTF-16 little-endian code units, no header and no byte-order mark; a last odd
// byte is ignored. The whole file is one text of entries separated by ";", each entry
// key "=" value. Nothing is trimmed (blanks and line breaks belong to the key or value they touch),
// so entries follow one another without line breaks. Empty entries and entries without "=" are
// skipped. A key is one kana, or one kana followed by one of the small kana that join it (see
// ConvertToRomaji), at most 2 units; a value is at most 3 units. An entry whose key or value is
// longer does not fit the table and is skipped. When a key occurs twice, the first entry wins.

#include <cstddef>
#include <cstdint>

#include "baselib/SimpleArray.h"
#include "baselib/String.h"

struct CRomajiEntry {
    static constexpr int kMaxKeyUnits = 2;
    static constexpr int kMaxValueUnits = 3;
    char16_t key[kMaxKeyUnits + 1] = {};
    char16_t value[kMaxValueUnits + 1] = {};
};

class CRomajiTable {
public:
    // The most entries the table holds (the growth limit of the library's arrays).
    static constexpr uint32_t kMaxEntries = 0x100000;

    CRomajiTable();
    ~CRomajiTable();
    CRomajiTable(const CRomajiTable&) = delete;
    CRomajiTable& operator=(const CRomajiTable&) = delete;

    // Loads the table file. When it cannot be opened, shows "Open Romaji Map file error!" and
    // returns false with the table left empty; when memory for the file runs out, returns false
    // with no message. Entries already held are kept; new ones are appended after them.
    bool Load(const String& path);
    // Adds the entries of `units` code units of table text (zero units end the text early).
    void LoadFromText(const char16_t* units, size_t count);

    // The value of the first entry whose key equals `key` unit for unit, or the empty text.
    String Lookup(const String& key) const;

    int GetEntryCount() const { return static_cast<int>(m_entries.GetCount()); }

private:
    void AddEntry(const char16_t* token);

    Ostrel::CSimpleArray<CRomajiEntry*> m_entries;
};

// The romaji reading of a kana text. ASCII and Latin-1 units (below 255) are copied unchanged; the
// small tsu (U+3063, U+30C3) and the prolonged sound mark (U+30FC) become one space each, as does
// every other unit from U+00FF to U+3020 (Japanese punctuation and the ideographic space). A unit
// from U+3021 to U+3126 is a kana: it takes a following small ya, yu, yo (hiragana or katakana) or
// small katakana vowel into its key, and the key's value is appended followed by one space. A kana
// key without a value, and every unit above U+3126 (kanji, full-width forms), shows one message
// box "Unrecognized code=[%x]" with the (first) unit in lower-case hexadecimal; a kana still
// contributes its space, a unit above U+3126 nothing.
String ConvertToRomaji(const CRomajiTable& table, const String& kana);

// The program's one table, created and loaded from CUtils::GetFullPath("Romaji.tab") at the first
// call (the table is returned also when loading failed); null only when memory ran out.
CRomajiTable* GetRomajiTable();
// Destroys the program's table; the next GetRomajiTable creates and loads a new one.
void DeleteRomajiTable();
