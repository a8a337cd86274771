#include "script/PinyinTable.h"

#include <algorithm>
#include <new>

#include "baselib/Utils.h"
#include "platform/core/File.h"
#include "platform/core/MessageBox.h"

namespace {

constexpr size_t kHeaderBytes = 4;
constexpr size_t kSyllableBytes = CPinyinTable::kSyllableUnits * 2;
constexpr size_t kMapEntryBytes = 4;
// The largest file the table can use: every byte after this is ignored.
constexpr size_t kMaxUsefulBytes =
    kHeaderBytes + kSyllableBytes * CPinyinTable::kMaxSyllables + kMapEntryBytes * 0xFFFF;

uint16_t ReadLe16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

CPinyinTable* g_table = nullptr;

}  // namespace

CPinyinTable::CPinyinTable() = default;

CPinyinTable::~CPinyinTable() = default;

void CPinyinTable::Clear()
{
    m_syllableCount = 0;
    m_mapCount = 0;
    m_map.reset();
    for (auto& slot : m_slots)
        slot[0] = 0;
}

int CPinyinTable::LoadPinyin(const String& path)
{
    m_loaded = true;
    Clear();
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return kCannotLoad;
    const size_t size = std::min<size_t>(file.GetLength(), kMaxUsefulBytes);
    std::unique_ptr<uint8_t[]> bytes(new (std::nothrow) uint8_t[size == 0 ? 1 : size]);
    if (!bytes) {
        file.Close();
        return kNoMemory;
    }
    const bool whole = file.Seek(0) && file.Read(bytes.get(), static_cast<uint32_t>(size)) == size;
    file.Close();
    if (!whole)
        return kCannotLoad;
    return LoadPinyinFromBytes(bytes.get(), size);
}

int CPinyinTable::LoadPinyinFromBytes(const uint8_t* bytes, size_t size)
{
    m_loaded = true;
    Clear();
    if (size < kHeaderBytes)
        return kCannotLoad;
    const uint16_t syllables = ReadLe16(bytes);
    const uint16_t entries = ReadLe16(bytes + 2);
    if (syllables > kMaxSyllables)
        return kCannotLoad;
    const size_t mapAt = kHeaderBytes + kSyllableBytes * syllables;
    if (size < mapAt + kMapEntryBytes * entries)
        return kCannotLoad;

    std::unique_ptr<MapEntry[]> map(new (std::nothrow) MapEntry[entries == 0 ? 1 : entries]);
    if (!map)
        return kNoMemory;
    for (size_t i = 0; i < entries; ++i) {
        const uint8_t* record = bytes + mapAt + kMapEntryBytes * i;
        map[i].code = static_cast<char16_t>(ReadLe16(record));
        map[i].syllable = ReadLe16(record + 2);
        // A syllable number outside 1 .. S names no syllable: the file is not to be trusted.
        if (map[i].syllable == 0 || map[i].syllable > syllables)
            return kCannotLoad;
    }

    for (size_t s = 0; s < syllables; ++s) {
        const uint8_t* units = bytes + kHeaderBytes + kSyllableBytes * s;
        char16_t* slot = m_slots[s + 1];
        for (int u = 0; u < kSyllableUnits; ++u)
            slot[u] = static_cast<char16_t>(ReadLe16(units + 2 * u));
        slot[kSyllableUnits] = 0;
    }
    m_syllableCount = syllables;
    m_mapCount = entries;
    m_map = std::move(map);
    return kLoaded;
}

int CPinyinTable::LookupReading(char16_t code, String& syllable, int reading) const
{
    if (!m_loaded)
        return kNotLoaded;
    int seen = 0;
    for (size_t i = 0; i < m_mapCount; ++i) {
        if (m_map[i].code != code)
            continue;
        if (seen == reading) {
            syllable = String(m_slots[m_map[i].syllable]);
            return kFound;
        }
        ++seen;
    }
    return kNoReading;
}

CPinyinTable* GetPinyinTable()
{
    if (g_table == nullptr)
        g_table = new (std::nothrow) CPinyinTable;
    return g_table;
}

void DeletePinyinTable()
{
    delete g_table;
    g_table = nullptr;
}

int LoadProgramPinyin()
{
    CPinyinTable* table = GetPinyinTable();
    const int result =
        table != nullptr ? table->LoadPinyin(CUtils::GetFullPath(u"py_pool.dat")) : CPinyinTable::kNoMemory;
    if (result != CPinyinTable::kLoaded)
        ShowMessageBox(String(u"Cannot load PinYin data."), String(u""), MB_OK);
    return result;
}
