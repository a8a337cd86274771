#pragma once
// COwningList<T>: a list of heap records that owns them. The slots are an
// Ostrel::CSimpleArray<T*>, so the list grows by the same doubling rule as every
// other list of the system and holds at most 1,048,576 records; an append beyond
// that fails, and the record handed in is deleted rather than leaked.
//
// Records are held by pointer so that a pointer to a record (as kept by a
// CCategoryView or a list control) stays valid while the list grows.

#include "baselib/SimpleArray.h"

template <class T>
class COwningList
{
public:
    COwningList() : m_items(0) {}
    COwningList(const COwningList& other) : m_items(0) { CopyFrom(other); }
    COwningList& operator=(const COwningList& other)
    {
        if (this != &other) {
            RemoveAll();
            CopyFrom(other);
        }
        return *this;
    }
    ~COwningList() { RemoveAll(); }

    unsigned GetCount() const { return m_items.GetCount(); }
    bool IsEmpty() const { return GetCount() == 0; }

    // The record at index, or nullptr when index is not below GetCount().
    T* GetAt(unsigned index) const { return index < GetCount() ? m_items[index] : nullptr; }

    // Takes ownership of record. Returns false, and deletes the record, when the
    // list cannot grow any further.
    bool Append(T* record)
    {
        if (!m_items.Append(record)) {
            delete record;
            return false;
        }
        return true;
    }

    // Deletes the record at index; the later records move down by one.
    bool RemoveAt(unsigned index)
    {
        if (index >= GetCount())
            return false;
        T* record = m_items[index];
        m_items.RemoveAt(index, true);
        delete record;
        return true;
    }

    // Deletes every record.
    void RemoveAll()
    {
        while (GetCount() > 0) {
            unsigned last = GetCount() - 1;
            T* record = m_items[last];
            m_items.RemoveAt(last, true);
            delete record;
        }
    }

private:
    void CopyFrom(const COwningList& other)
    {
        for (unsigned i = 0; i < other.GetCount(); ++i)
            Append(new T(*other.m_items[i]));
    }

    Ostrel::CSimpleArray<T*> m_items;
};
