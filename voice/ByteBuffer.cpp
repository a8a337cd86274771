#include "voice/ByteBuffer.h"

#include <cstdlib>
#include <cstring>

CByteBuffer::CByteBuffer(uint32_t size)
{
    // One byte at least, so that a buffer of size 0 still has a valid data pointer.
    m_pData = static_cast<uint8_t*>(std::malloc(size > 0 ? size : 1));
    if (m_pData)
        m_length = size;
}

CByteBuffer::~CByteBuffer()
{
    if (m_owns)
        std::free(m_pData);
}

void CByteBuffer::Clear()
{
    if (m_pData && m_length > 0)
        std::memset(m_pData, 0, m_length);
    m_length = 0;
}
