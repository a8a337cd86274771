#pragma once

// CFastOutputStream: collects typed values in the little-endian wire form that CFastInputStream
// reads (see FastInputStream.h) into a growable byte array; the caller writes GetRawBytes() /
// GetLength() to a file.
//
// The array doubles as it fills (capacities 1, 2, 4, ... bytes) and holds at most 1,048,576
// bytes. A byte that does not fit (at the limit, or when memory runs out) is dropped, so a value
// that meets the limit is stored only as far as it fits. Writes return 1 even then: the stream
// stays usable and keeps its earlier bytes; compare GetLength() with what you wrote to notice.

#include "baselib/SimpleArray.h"
#include "baselib/TesselExport.h"

class TESSEL_API CFastOutputStream {
public:
    CFastOutputStream();
    CFastOutputStream(const CFastOutputStream& other);
    CFastOutputStream& operator=(const CFastOutputStream& other);
    virtual ~CFastOutputStream();

    virtual int WriteChar(char16_t c);
    virtual int WriteInt(int value);
    // A string record: the count (units + 1) through WriteInt, then every unit and a final zero
    // through WriteChar. text must not be null.
    virtual int WriteString(const char16_t* text);
    int WriteByte(unsigned char value);
    int WriteBool(bool value);
    int WriteBOOL(int value);
    int WriteDouble(double value);

    int GetLength() const { return static_cast<int>(m_bytes.GetCount()); }
    // The written bytes; valid until the next write or the stream's end.
    unsigned char* GetRawBytes() const { return const_cast<unsigned char*>(m_bytes.GetData()); }
    // The stream's own byte array, not a copy.
    Ostrel::CSimpleArray<unsigned char>* GetByteArray() { return &m_bytes; }

private:
    void AppendBytes(const unsigned char* bytes, int count);

    Ostrel::CSimpleArray<unsigned char> m_bytes;
};
