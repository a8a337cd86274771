#pragma once

// CFastInputStream: typed little-endian reads from a byte buffer that holds a whole file.
//
// Wire form (shared with CFastOutputStream): multi-byte values little-endian, unaligned.
//   ReadByte 1, ReadBool 1 (any non-zero byte is true), ReadWord 2, ReadChar 2 (one UTF-16 unit),
//   ReadInt 4 and ReadBOOL 4 (signed, returned unchanged), ReadDouble 8 (IEEE 754 binary64).
//   String record: a 32-bit count c, then c UTF-16 units. The writer counts the terminating
//   zero; the reader copies c units and adds its own terminator either way.
//
// Failure policy: a read that does not fit in the bytes left returns 0 (false, 0.0, the empty
// string), leaves the position where it was and sets the error flag. The flag is sticky (Rewind
// keeps it), and later reads still deliver data where enough bytes remain, so a reader can read a
// whole record and check HasError() once. A string record whose count is negative or larger than
// the units left is a failed read as well: the flag is set and nothing past the end is read.

#include "baselib/String.h"
#include "baselib/TesselExport.h"

class TESSEL_API CFastInputStream {
public:
    // length bytes of data. With copy non-zero the stream reads (and frees) its own copy;
    // otherwise it borrows data, which must outlive the stream unchanged. A null data or a
    // negative length give an empty stream.
    CFastInputStream(const unsigned char* data, int length, int copy);
    // A stream that owns its bytes is copied with its own copy of them; a borrowing stream's copy
    // borrows the same buffer. Position, error flag and access counter are carried over.
    CFastInputStream(const CFastInputStream& other);
    CFastInputStream& operator=(const CFastInputStream& other);
    virtual ~CFastInputStream();

    unsigned char ReadByte();
    bool ReadBool();
    int ReadBOOL();
    unsigned short ReadWord();
    char16_t ReadChar();
    int ReadInt();
    double ReadDouble();

    // A string record. Fails (empty string, error set) at the end of the data or when its count
    // does not fit in what remains.
    String ReadString();
    // count units with no count in front; a negative count or one that runs past the end fails.
    String ReadString(int count);
    // A string record into out. On failure out keeps its text and the error flag is set.
    void ReadString(String& out);
    // The next non-empty line: skips CR and LF units, then collects units up to the next CR or
    // LF, which is consumed. Zero units inside a line are dropped. A last line without a line
    // break is returned whole and sets the error flag; when only line breaks or nothing remain,
    // the result is empty and the error flag is set.
    String ReadLine();

    // Back to the first byte; the error flag stays.
    void Rewind() { m_position = 0; }
    int EndOfStream() const { return m_position >= m_size ? 1 : 0; }
    int HasError() const { return m_error; }
    // Always 0: no operation counts accesses.
    int GetNumAccess() const { return m_numAccess; }
    // Byte offset of the next read.
    int GetPosition() const { return m_position; }
    int GetSize() const { return m_size; }

protected:
    int HasRoomFor(int n) const { return n >= 0 && m_size - m_position >= n ? 1 : 0; }

private:
    // Checks that width bytes remain and copies them to out; on failure sets the error flag.
    bool Take(void* out, int width);
    // The string-reading core: count units at the position, or a failure.
    bool TakeUnits(int count, String& out);

    const unsigned char* m_buffer;
    int m_size;
    int m_ownsBuffer;
    int m_position;
    int m_error;
    int m_numAccess;
};
