#include "script/RomajiTable.h"

#include <cstdio>
#include <memory>
#include <new>

#include "baselib/StringTokenizer.h"
#include "baselib/Utils.h"
#include "platform/core/File.h"
#include "platform/core/MessageBox.h"

namespace {

CRomajiTable* g_table = nullptr;

// Small kana that join the kana before them into one key: small ya, yu, yo of both scripts and
// the small katakana vowels. The small hiragana vowels are keys of their own.
bool JoinsPreviousKana(char16_t unit)
{
    switch (unit) {
    case 0x3083: case 0x3085: case 0x3087:
    case 0x30E3: case 0x30E5: case 0x30E7:
    case 0x30A1: case 0x30A3: case 0x30A5: case 0x30A7: case 0x30A9:
        return true;
    default:
        return false;
    }
}

void ReportUnrecognized(char16_t unit)
{
    char text[40];
    std::snprintf(text, sizeof text, "Unrecognized code=[%x]", static_cast<unsigned>(unit));
    ShowMessageBox(String(text), String(u""), MB_OK);
}

size_t UnitLength(const char16_t* text)
{
    size_t n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

}  // namespace

CRomajiTable::CRomajiTable() : m_entries(0) {}

CRomajiTable::~CRomajiTable()
{
    for (uint32_t i = 0; i < m_entries.GetCount(); ++i)
        delete m_entries[i];
}

bool CRomajiTable::Load(const String& path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        ShowMessageBox(String(u"Open Romaji Map file error!"), String(u""), MB_OK);
        return false;
    }
    const uint32_t bytes = file.GetLength();
    const size_t units = bytes / 2;
    // One spare unit for the terminator after the last whole unit.
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[units * 2 + 2]);
    if (!buffer) {
        file.Close();
        return false;
    }
    const uint32_t got = file.Seek(0) ? file.Read(buffer.get(), static_cast<uint32_t>(units * 2)) : 0;
    file.Close();

    std::unique_ptr<char16_t[]> text(new (std::nothrow) char16_t[units + 1]);
    if (!text)
        return false;
    const size_t whole = got / 2;
    for (size_t i = 0; i < whole; ++i)
        text[i] = static_cast<char16_t>(buffer[2 * i] | (buffer[2 * i + 1] << 8));
    text[whole] = 0;
    buffer.reset();
    LoadFromText(text.get(), whole);
    return true;
}

void CRomajiTable::LoadFromText(const char16_t* units, size_t count)
{
    StringTokenizer tokenizer(String(units, static_cast<int>(count)), String(u";"));
    while (const char16_t* token = tokenizer.NextToken()) {
        if (m_entries.GetCount() >= kMaxEntries)
            break;
        AddEntry(token);
    }
}

void CRomajiTable::AddEntry(const char16_t* token)
{
    size_t equals = 0;
    while (token[equals] != 0 && token[equals] != u'=')
        ++equals;
    if (token[equals] == 0)
        return;
    const char16_t* value = token + equals + 1;
    const size_t valueLength = UnitLength(value);
    if (equals > CRomajiEntry::kMaxKeyUnits || valueLength > CRomajiEntry::kMaxValueUnits)
        return;

    auto* entry = new (std::nothrow) CRomajiEntry;
    if (entry == nullptr)
        return;
    for (size_t i = 0; i < equals; ++i)
        entry->key[i] = token[i];
    for (size_t i = 0; i < valueLength; ++i)
        entry->value[i] = value[i];
    if (!m_entries.Append(entry))
        delete entry;
}

String CRomajiTable::Lookup(const String& key) const
{
    for (uint32_t i = 0; i < m_entries.GetCount(); ++i) {
        if (key.Equals(m_entries[i]->key))
            return String(m_entries[i]->value);
    }
    return String();
}

String ConvertToRomaji(const CRomajiTable& table, const String& kana)
{
    String romaji;
    const int length = kana.GetLength();
    for (int i = 0; i < length; ++i) {
        const char16_t unit = kana[i];
        if (unit < 255) {
            romaji += unit;
        } else if (unit == 0x3063 || unit == 0x30C3 || unit == 0x30FC) {
            // Gemination and vowel length are not written.
            romaji += u' ';
        } else if (unit <= 0x3020) {
            romaji += u' ';
        } else if (unit > 0x3126) {
            ReportUnrecognized(unit);
        } else {
            String key(unit, 1);
            if (i + 1 < length && JoinsPreviousKana(kana[i + 1])) {
                key += kana[i + 1];
                ++i;
            }
            const String value = table.Lookup(key);
            if (value.IsEmpty())
                ReportUnrecognized(unit);
            else
                romaji += value;
            romaji += u' ';
        }
    }
    return romaji;
}

CRomajiTable* GetRomajiTable()
{
    if (g_table == nullptr) {
        g_table = new (std::nothrow) CRomajiTable;
        if (g_table != nullptr)
            g_table->Load(CUtils::GetFullPath(u"Romaji.tab"));
    }
    return g_table;
}

void DeleteRomajiTable()
{
    delete g_table;
    g_table = nullptr;
}
