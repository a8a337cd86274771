// The phrase book file: reading (Load, ReadFrom) and writing (WriteTo).
//
// Layout, in file order; int = 32-bit signed little-endian, bool = one byte (non-zero
// is true), string = a string record (32-bit unit count including one terminating
// zero, then the UTF-16LE units), list = an int count n and n ints. No alignment, no
// filler.
//
//   string "19760424"          magic (22 bytes: count 9, 8 units, zero)
//   int + category records     id int, parent int, name string
//   int + phrase records       the source phrases (English)
//   int + name records         id int, name string
//   int + tip records          id int, text string
//   int + phrase records       the translation phrases
//   int + pair records         first int, second int
//   string "19760424"          trailer; bytes after it are ignored
//
//   phrase record: atomic bool, aux_flag bool, visible bool, id int, cat_id int,
//                  aux_value int, name string, related list, clips list, tips list,
//                  rule record, int + map records
//   rule record:   pid int, name string, int + wildcard records
//   map record:    id int, pid int, int + wildcard records
//   wildcard:      AttrName string, value string, current_index int,
//                  longest_index int, int + value strings
//
// Every count and string length is checked against the bytes that remain before it is
// used (RecordStream.h). A negative record count reads no records. Damage stops the
// read with the result 0; the sections read before it stay in the book.

#include "phrasebook/PhraseBook.h"

#include <climits>
#include <memory>
#include <new>

#include "baselib/FastInputStream.h"
#include "baselib/FastOutputStream.h"
#include "phrasebook/RecordStream.h"
#include "platform/core/File.h"
#include "platform/core/MessageBox.h"

namespace {

const char16_t kCorruptedMessage[] = u"Phrase book data corrupted.";
const char16_t kBadMagicMessage[] = u"here";

bool ReadMagic(CFastInputStream& in)
{
    String magic;
    return RecordStream::ReadText(in, magic) && magic.Compare(kPhraseBookMagic) == 0;
}

// Reads a section's count, empties list, then reads that many records into it.
// False on damage; the records read before it stay in the list.
template <class T>
bool ReadSection(CFastInputStream& in, COwningList<T>& list, int minRecordBytes)
{
    int raw = 0;
    if (!RecordStream::ReadInt(in, raw))
        return false;
    list.RemoveAll();
    if (raw < 0)
        return true;
    if (raw > RecordStream::GetRemaining(in) / minRecordBytes)
        return false;
    for (int i = 0; i < raw; ++i) {
        T* record = new T();
        if (!record->ReadFrom(in)) {
            delete record;
            return false;
        }
        list.Append(record);
    }
    return true;
}

template <class T>
void WriteSection(CFastOutputStream& out, const COwningList<T>& list)
{
    out.WriteInt((int)list.GetCount());
    for (unsigned i = 0; i < list.GetCount(); ++i)
        list.GetAt(i)->WriteTo(out);
}

}  // namespace

int CPhraseBook::Load(const String& bookPath, const String& favoritesPath)
{
    CFile file;
    if (!file.Open(bookPath, CFile::modeRead)) {
        ShowMessageBox(String(u"Cannot open the phrase book file ") + bookPath + u".", String(), MB_OK);
        return 0;
    }
    uint32_t length = file.GetLength();
    if (length > (uint32_t)INT_MAX - 10) {
        ShowMessageBox(String(kCorruptedMessage), String(), MB_OK);
        return 0;
    }
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[length + 10]);
    if (!buffer) {
        ShowMessageBox(String(kCorruptedMessage), String(), MB_OK);
        return 0;
    }
    uint32_t got = file.Read(buffer.get(), length);
    file.Close();

    CFastInputStream in(buffer.get(), (int)got, 0);
    if (!ReadFrom(in)) {
        ShowMessageBox(String(kCorruptedMessage), String(), MB_OK);
        return 0;
    }
    LoadFavorites(favoritesPath);
    return 1;
}

int CPhraseBook::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    if (!ReadMagic(in)) {
        ShowMessageBox(String(kBadMagicMessage), String(), MB_OK);
        return 0;
    }
    if (!ReadSection(in, m_categories, kMinCategoryBytes) ||
        !ReadSection(in, m_phrases, kMinPhraseBytes) ||
        !ReadSection(in, m_names, kMinNameBytes) ||
        !ReadSection(in, m_tips, kMinTipBytes) ||
        !ReadSection(in, m_translations, kMinPhraseBytes) ||
        !ReadSection(in, m_pairs, kMinPairBytes))
        return 0;
    return ReadMagic(in) ? 1 : 0;
}

int CPhraseBook::WriteTo(CFastOutputStream& out) const
{
    out.WriteString(kPhraseBookMagic);
    WriteSection(out, m_categories);
    WriteSection(out, m_phrases);
    WriteSection(out, m_names);
    WriteSection(out, m_tips);

    // A translation is only reachable through its source phrase's id.
    int kept = 0;
    for (unsigned i = 0; i < m_translations.GetCount(); ++i)
        kept += FindPhrase(m_translations.GetAt(i)->id) ? 1 : 0;
    out.WriteInt(kept);
    for (unsigned i = 0; i < m_translations.GetCount(); ++i) {
        const CPhrase* translation = m_translations.GetAt(i);
        if (FindPhrase(translation->id))
            translation->WriteTo(out);
    }

    WriteSection(out, m_pairs);
    out.WriteString(kPhraseBookMagic);
    // The stream drops what does not fit once it holds its largest size; a full
    // stream means the file would be cut short, which must not pass for success.
    return out.GetLength() < (int)kMaxArraySize ? 1 : 0;
}
