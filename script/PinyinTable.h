#pragma once
// CPinyinTable: the PinYin readings of the Chinese edition, held wholly in memory.
//
// File "py_pool.dat" (all integers little-endian):
//
//   offset        size     field
//   0             2        S  number of syllables (unsigned, at most 1,120)
//   2             2        M  number of map entries (unsigned)
//   4             14 * S   syllables, 7 UTF-16 code units each; the units after a shorter syllable
//                          are 0; a syllable of exactly 7 units has no terminator in the file
//   4 + 14 * S    4 * M    map entries: character code (UTF-16 unit), syllable number (1 .. S,
//                          counting in file order)
//
// Bytes after the last map entry are ignored. The entries of one character are in reading order:
// the first is its usual reading, the next ones its alternatives (picked by a digit written after
// the character in a translation, see BuildPinyinLine).
//
// A file is taken whole or not at all: more than 1,120 syllables, fewer bytes than S and M call
// for, or a map entry naming syllable 0 or a syllable above S refuses the file (result 1), and the
// table is left loaded but empty, so every lookup finds no reading.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "baselib/String.h"

class CPinyinTable {
public:
    static constexpr int kMaxSyllables = 1120;
    static constexpr int kSyllableUnits = 7;

    // LoadPinyin results.
    static constexpr int kLoaded = 0;
    static constexpr int kCannotLoad = 1;   // cannot be opened, or refused as malformed
    static constexpr int kNoMemory = 2;
    // LookupReading results.
    static constexpr int kFound = 0;
    static constexpr int kNotLoaded = 3;
    static constexpr int kNoReading = 4;

    CPinyinTable();
    virtual ~CPinyinTable();
    CPinyinTable(const CPinyinTable&) = delete;
    CPinyinTable& operator=(const CPinyinTable&) = delete;

    // Loads the table from a file: 0 loaded, 1 cannot be opened or malformed, 2 memory ran out.
    // The loaded flag is set whatever the outcome; a failure leaves the table empty.
    int LoadPinyin(const String& path);
    // Loads from the bytes of a whole file, with the same results as LoadPinyin.
    int LoadPinyinFromBytes(const uint8_t* bytes, size_t size);

    // Reading `reading` (0 = the usual one) of `code`: 0 and `syllable` set; 3 when the table was
    // never loaded; 4 when the character has no such reading (`syllable` unchanged).
    int LookupReading(char16_t code, String& syllable, int reading) const;

    bool IsLoaded() const { return m_loaded; }
    int GetSyllableCount() const { return m_syllableCount; }
    int GetMapEntryCount() const { return m_mapCount; }

private:
    struct MapEntry {
        char16_t code;
        uint16_t syllable;
    };

    void Clear();

    bool m_loaded = false;
    uint16_t m_syllableCount = 0;
    uint16_t m_mapCount = 0;
    std::unique_ptr<MapEntry[]> m_map;
    // Slots 1 .. 1120 (slot 0 unused), each up to 7 units and a terminating 0.
    char16_t m_slots[kMaxSyllables + 1][kSyllableUnits + 1] = {};
};

// The program's one table, created empty (not loaded) at its first use; null only when memory ran
// out.
CPinyinTable* GetPinyinTable();
// Destroys the program's table (the main screen does this when it is destroyed).
void DeletePinyinTable();

// Start-up's step: loads CUtils::GetFullPath("py_pool.dat") into the program's table and, when that
// fails, shows "Cannot load PinYin data." with an OK button. Returns the LoadPinyin result.
int LoadProgramPinyin();
