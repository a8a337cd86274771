#include "script/G2bTable.h"

#include "baselib/Utils.h"

namespace {
CG2bTable* g_table = nullptr;
}

CG2bTable::CG2bTable() = default;

CG2bTable::~CG2bTable()
{
    if (m_file.IsOpen())
        m_file.Close();
}

bool CG2bTable::Open(const String& path)
{
    if (m_file.IsOpen())
        m_file.Close();
    return m_file.Open(path, CFile::modeRead);
}

char16_t CG2bTable::ToTraditional(char16_t code)
{
    if (code < kFirstTableCode || !m_file.IsOpen())
        return code;
    const uint32_t at = static_cast<uint32_t>(code - kFirstTableCode) * 2u;
    if (at + 2u > m_file.GetLength())
        return code;
    uint8_t bytes[2];
    if (!m_file.Seek(at) || m_file.Read(bytes, 2) != 2)
        return code;
    return static_cast<char16_t>(bytes[0] | (bytes[1] << 8));
}

CG2bTable* GetG2bTable()
{
    if (g_table == nullptr) {
        g_table = new CG2bTable;
        g_table->Open(CUtils::GetFullPath(u"g2b.tab"));
    }
    return g_table;
}

void DeleteG2bTable()
{
    delete g_table;
    g_table = nullptr;
}
