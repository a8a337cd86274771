#pragma once
// CG2bTable: maps a simplified Chinese character to the code its traditional form is drawn under.
//
// File "g2b.tab": a flat array of unsigned 16-bit little-endian codes, no header. Entry k, at byte
// offset 2 * k, is the traditional code of U+4E00 + k. The table covers the codes from U+4E00 up as
// far as the file reaches; a character without a distinct traditional form has its own code as its
// entry.
//
// The table is never loaded into memory: each conversion is one seek and one 2-byte read, so it is
// cheap enough to run once per drawn character.

#include <cstdint>

#include "baselib/String.h"
#include "platform/core/File.h"

class CG2bTable {
public:
    static constexpr char16_t kFirstTableCode = 0x4E00;

    CG2bTable();
    ~CG2bTable();
    CG2bTable(const CG2bTable&) = delete;
    CG2bTable& operator=(const CG2bTable&) = delete;

    // Opens the table read-only; false when it cannot be opened (conversions then change nothing).
    bool Open(const String& path);
    bool IsOpen() const { return m_file.IsOpen(); }

    // The traditional code of `code`. Codes below U+4E00 are returned unchanged without touching
    // the file. When the table is missing, unreadable or ends before the code's entry, the code is
    // also returned unchanged: drawing the simplified form keeps the text readable, where a blank
    // cell would lose the character.
    char16_t ToTraditional(char16_t code);

private:
    CFile m_file;
};

// The program's one table, created at its first use on CUtils::GetFullPath("g2b.tab"); never null.
CG2bTable* GetG2bTable();
// Closes and destroys the program's table (the main screen does this when it is destroyed); the
// next GetG2bTable creates a new one.
void DeleteG2bTable();
