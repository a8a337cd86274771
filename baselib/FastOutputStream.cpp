#include "baselib/FastOutputStream.h"

#include "baselib/WideChar.h"

#include <cstring>

CFastOutputStream::CFastOutputStream() : m_bytes(0) {}

CFastOutputStream::CFastOutputStream(const CFastOutputStream& other) : m_bytes(other.m_bytes) {}

CFastOutputStream& CFastOutputStream::operator=(const CFastOutputStream& other)
{
    m_bytes = other.m_bytes;
    return *this;
}

CFastOutputStream::~CFastOutputStream() = default;

void CFastOutputStream::AppendBytes(const unsigned char* bytes, int count)
{
    // Byte by byte, so that a value meeting the size limit is kept as far as it fits.
    for (int i = 0; i < count; ++i)
        m_bytes.Append(bytes[i]);
}

int CFastOutputStream::WriteByte(unsigned char value)
{
    AppendBytes(&value, 1);
    return 1;
}

int CFastOutputStream::WriteBool(bool value)
{
    return WriteByte(value ? 1 : 0);
}

int CFastOutputStream::WriteChar(char16_t c)
{
    const unsigned char bytes[2] = {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>(c >> 8)};
    AppendBytes(bytes, 2);
    return 1;
}

int CFastOutputStream::WriteInt(int value)
{
    auto bits = static_cast<uint32_t>(value);
    unsigned char bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    AppendBytes(bytes, 4);
    return 1;
}

int CFastOutputStream::WriteBOOL(int value)
{
    return CFastOutputStream::WriteInt(value);
}

int CFastOutputStream::WriteDouble(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    AppendBytes(bytes, 8);
    return 1;
}

int CFastOutputStream::WriteString(const char16_t* text)
{
    int length = static_cast<int>(wcslen16(text));
    WriteInt(length + 1);
    for (int i = 0; i <= length; ++i)
        WriteChar(text[i]);
    return 1;
}
