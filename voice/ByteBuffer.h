#pragma once
// CByteBuffer: a byte buffer with its length, owning its bytes or borrowing them.
#include <cstdint>

class CByteBuffer {
public:
    // Allocates `size` bytes (owned); length is `size` when the allocation succeeded, otherwise
    // the data pointer is null and length 0.
    explicit CByteBuffer(uint32_t size);
    virtual ~CByteBuffer();
    CByteBuffer(const CByteBuffer&) = delete;
    CByteBuffer& operator=(const CByteBuffer&) = delete;

    // Zeroes the first `length` bytes and sets length to 0.
    void Clear();

    uint8_t* m_pData = nullptr;
    uint32_t m_length = 0;
    bool m_owns = true;
};
