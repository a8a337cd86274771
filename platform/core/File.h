#pragma once

// CFile: the file object of the platform layer, on POSIX.
//
// Open by full path read-only (modeRead), or for writing (modeWrite), with modeCreate creating
// the file or truncating an existing one. A failed open returns false and leaves the object
// closed; nothing throws. Only regular files open. Lengths and offsets are 32-bit, like the data
// files. The file is closed by Close or by the destructor.
//
// Tests can make opens fail on purpose with SetFileOpenFilter (FileOpenFilter.h).

#include "baselib/String.h"

#include <cstdint>

class CFile {
public:
    enum : unsigned { modeRead = 0x0000, modeWrite = 0x0001, modeCreate = 0x1000 };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Closes a file already open, then opens path (UTF-16, converted to UTF-8 for the system).
    bool Open(const String& path, unsigned flags);
    // The file's size in bytes (0 when closed; files over 4 GiB report 0xFFFFFFFF).
    uint32_t GetLength() const;
    bool Seek(uint32_t offsetFromStart);
    // Reads up to count bytes; returns the number read (less at the end of the file, 0 on error).
    uint32_t Read(void* buffer, uint32_t count);
    // Writes all count bytes; false when any could not be written.
    bool Write(const void* buffer, uint32_t count);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
