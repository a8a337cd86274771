#include "baselib/FastInputStream.h"

#include <cstring>
#include <iterator>
#include <string>

namespace {

const unsigned char* CopyBytes(const unsigned char* data, int size)
{
    auto* copy = new unsigned char[size > 0 ? size : 1];
    if (size > 0)
        std::memcpy(copy, data, static_cast<size_t>(size));
    return copy;
}

// Values are assembled byte by byte: the data is little-endian and unaligned.
uint64_t LittleEndian(const unsigned char* bytes, int width)
{
    uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

CFastInputStream::CFastInputStream(const unsigned char* data, int length, int copy)
    : m_buffer(data), m_size(length), m_ownsBuffer(0), m_position(0), m_error(0), m_numAccess(0)
{
    if (data == nullptr || length < 0)
        m_size = 0;
    if (copy != 0) {
        m_buffer = CopyBytes(data, m_size);
        m_ownsBuffer = 1;
    }
}

CFastInputStream::CFastInputStream(const CFastInputStream& other)
    : m_buffer(other.m_ownsBuffer ? CopyBytes(other.m_buffer, other.m_size) : other.m_buffer),
      m_size(other.m_size),
      m_ownsBuffer(other.m_ownsBuffer),
      m_position(other.m_position),
      m_error(other.m_error),
      m_numAccess(other.m_numAccess)
{
}

CFastInputStream& CFastInputStream::operator=(const CFastInputStream& other)
{
    if (this == &other)
        return *this;
    const unsigned char* buffer = other.m_ownsBuffer ? CopyBytes(other.m_buffer, other.m_size) : other.m_buffer;
    if (m_ownsBuffer)
        delete[] m_buffer;
    m_buffer = buffer;
    m_size = other.m_size;
    m_ownsBuffer = other.m_ownsBuffer;
    m_position = other.m_position;
    m_error = other.m_error;
    m_numAccess = other.m_numAccess;
    return *this;
}

CFastInputStream::~CFastInputStream()
{
    if (m_ownsBuffer)
        delete[] m_buffer;
}

bool CFastInputStream::Take(void* out, int width)
{
    if (m_position >= m_size || !HasRoomFor(width)) {
        m_error = 1;
        return false;
    }
    std::memcpy(out, m_buffer + m_position, static_cast<size_t>(width));
    m_position += width;
    return true;
}

unsigned char CFastInputStream::ReadByte()
{
    unsigned char value = 0;
    Take(&value, 1);
    return value;
}

bool CFastInputStream::ReadBool()
{
    return ReadByte() != 0;
}

int CFastInputStream::ReadBOOL()
{
    return ReadInt();
}

unsigned short CFastInputStream::ReadWord()
{
    unsigned char bytes[2];
    return Take(bytes, 2) ? static_cast<unsigned short>(LittleEndian(bytes, 2)) : 0;
}

char16_t CFastInputStream::ReadChar()
{
    return static_cast<char16_t>(ReadWord());
}

int CFastInputStream::ReadInt()
{
    unsigned char bytes[4];
    return Take(bytes, 4) ? static_cast<int>(static_cast<uint32_t>(LittleEndian(bytes, 4))) : 0;
}

double CFastInputStream::ReadDouble()
{
    unsigned char bytes[8];
    if (!Take(bytes, 8))
        return 0.0;
    uint64_t bits = LittleEndian(bytes, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool CFastInputStream::TakeUnits(int count, String& out)
{
    // count * 2 must fit in the bytes left; compared by halves so that it cannot overflow.
    if (count < 0 || count > (m_size - m_position) / 2) {
        m_error = 1;
        return false;
    }
    // Short texts, nearly all of a data file's, are gathered on the stack, so that the only
    // allocation is the String's own buffer of the final size.
    char16_t shortUnits[256];
    std::u16string longUnits;
    char16_t* units = shortUnits;
    if (count > static_cast<int>(std::size(shortUnits))) {
        longUnits.resize(static_cast<size_t>(count));
        units = longUnits.data();
    }
    for (int i = 0; i < count; ++i)
        units[i] = static_cast<char16_t>(LittleEndian(m_buffer + m_position + 2 * i, 2));
    m_position += 2 * count;
    // The empty text (as written: just the terminator) read into a String that is empty already
    // changes nothing: it keeps its buffer instead of trading it for an equal one. Most rule and
    // attribute names of a phrase book are empty.
    const bool emptyText = count == 0 || (count == 1 && units[0] == 0);
    if (!(emptyText && out.IsEmpty()))
        out.Init(units, count);
    return true;
}

String CFastInputStream::ReadString()
{
    String text;
    ReadString(text);
    return text;
}

void CFastInputStream::ReadString(String& out)
{
    if (m_position >= m_size) {
        m_error = 1;
        return;
    }
    // A count that cannot be read leaves count 0 (and the error set): an empty text.
    int count = ReadInt();
    TakeUnits(count, out);
}

String CFastInputStream::ReadString(int count)
{
    String text;
    if (m_position >= m_size) {
        m_error = 1;
        return text;
    }
    TakeUnits(count, text);
    return text;
}

String CFastInputStream::ReadLine()
{
    // The end of the data is told by this call's own reads, not by the sticky flag, so that a
    // line after an earlier failed read is still delivered.
    unsigned char bytes[2];
    bool more = Take(bytes, 2);
    while (more && (bytes[0] == 13 || bytes[0] == 10) && bytes[1] == 0)
        more = Take(bytes, 2);
    std::u16string line;
    while (more) {
        char16_t c = static_cast<char16_t>(LittleEndian(bytes, 2));
        if (c != 0)
            line += c;
        more = Take(bytes, 2);
        if (more && (bytes[0] == 13 || bytes[0] == 10) && bytes[1] == 0)
            break;
    }
    return String(line.c_str(), static_cast<int>(line.size()));
}
