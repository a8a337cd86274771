#pragma once

// Ostrel::CSimpleArray<T>: the library's growable array, and CalculateArraySize, the growth rule
// that the programs' own lists share.
//
// The array holds count elements in capacity slots (count <= capacity <= 1,048,576). Appending
// to a full array doubles the capacity; above 1,048,576 slots, or when memory runs out, the
// append fails and the array is left unchanged. Elements are assigned, not moved, into new slots.

#include "baselib/TesselExport.h"

#include <cstdint>
#include <new>

// The largest capacity an array may reach, in elements (also the output stream's byte limit).
inline constexpr unsigned long kMaxArraySize = 0x100000;

// The initial capacity for an array created with n elements: 1 for n = 0, otherwise the smallest
// power of two strictly greater than n, but never more than 1,048,576.
TESSEL_API unsigned long CalculateArraySize(unsigned long n);

namespace Ostrel {

template <typename T>
class CSimpleArray {
public:
    // count = n, capacity = CalculateArraySize(n). Counts above the largest capacity are cut to it.
    // An empty array keeps its one slot unallocated until the first append (GetData() is then
    // null): most lists of the phrase book stay empty or hold one entry, and a heap block for
    // each empty list was a third of a loaded book's blocks.
    explicit CSimpleArray(uint32_t n = 0)
    {
        m_capacity = static_cast<uint32_t>(CalculateArraySize(n));
        m_count = n > m_capacity ? m_capacity : n;
        m_items = nullptr;
        if (m_count > 0 && !AllocateSlots())
            m_count = 0;
    }

    CSimpleArray(const CSimpleArray& other) : m_count(0), m_capacity(other.m_capacity), m_items(nullptr)
    {
        if (other.m_count == 0)
            return;
        if (!AllocateSlots())
            return;
        m_count = other.m_count;
        for (uint32_t i = 0; i < m_count; ++i)
            m_items[i] = other.m_items[i];
    }

    CSimpleArray& operator=(const CSimpleArray& other)
    {
        if (this == &other)
            return *this;
        if (other.m_count > 0 && (m_items == nullptr || m_capacity < other.m_count)) {
            T* items = new (std::nothrow) T[other.m_capacity]();
            if (items == nullptr)
                return *this;  // out of memory: keep the old contents
            delete[] m_items;
            m_items = items;
            m_capacity = other.m_capacity;
        }
        m_count = other.m_count;
        for (uint32_t i = 0; i < m_count; ++i)
            m_items[i] = other.m_items[i];
        return *this;
    }

    ~CSimpleArray() { delete[] m_items; }

    // Returns false, leaving the array unchanged, when it cannot grow.
    bool Append(const T& item)
    {
        if (m_count == m_capacity) {
            if (!Grow())
                return false;
        } else if (m_items == nullptr && !AllocateSlots()) {
            return false;  // the reserved slot of an empty array could not be given memory
        }
        m_items[m_count] = item;
        ++m_count;
        return true;
    }

    // Removes the element at index; with keepOrder the later elements move down by one, without
    // it the last element takes the freed slot. Returns false when index >= count.
    bool RemoveAt(uint32_t index, bool keepOrder)
    {
        if (index >= m_count)
            return false;
        --m_count;
        if (m_count == 0)
            return true;
        if (keepOrder) {
            for (uint32_t i = index; i < m_count; ++i)
                m_items[i] = m_items[i + 1];
        } else if (index != m_count) {
            m_items[index] = m_items[m_count];
        }
        return true;
    }

    // Forgets every element; the capacity stays.
    void RemoveAll() { m_count = 0; }

    uint32_t GetCount() const { return m_count; }
    uint32_t GetCapacity() const { return m_capacity; }
    bool IsEmpty() const { return m_count == 0; }
    // index < GetCount(); not checked.
    T& operator[](uint32_t index) { return m_items[index]; }
    const T& operator[](uint32_t index) const { return m_items[index]; }
    T& GetAt(uint32_t index) { return m_items[index]; }
    const T& GetAt(uint32_t index) const { return m_items[index]; }
    // The slots themselves, valid until the next append; null for an array that has never held
    // an element.
    T* GetData() { return m_items; }
    const T* GetData() const { return m_items; }

private:
    // Gives the reserved slots their memory; on failure the array holds nothing and has no room.
    bool AllocateSlots()
    {
        m_items = new (std::nothrow) T[m_capacity]();
        if (m_items == nullptr)
            m_capacity = 0;
        return m_items != nullptr;
    }

    bool Grow()
    {
        uint32_t capacity = m_capacity ? m_capacity * 2 : 1;
        if (capacity > kMaxArraySize)
            return false;
        T* items = new (std::nothrow) T[capacity]();
        if (items == nullptr)
            return false;
        for (uint32_t i = 0; i < m_count; ++i)
            items[i] = m_items[i];
        delete[] m_items;
        m_items = items;
        m_capacity = capacity;
        return true;
    }

    uint32_t m_count;
    uint32_t m_capacity;
    T* m_items;
};

}  // namespace Ostrel
