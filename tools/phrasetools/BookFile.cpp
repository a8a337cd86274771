#include "tools/phrasetools/BookFile.h"

#include "baselib/FastInputStream.h"
#include "baselib/FastOutputStream.h"
#include "phrasebook/PhraseBook.h"
#include "tools/phrasetools/FileIo.h"

namespace {

bool SameCounts(const CPhraseBook& a, const CPhraseBook& b)
{
    return a.GetCategories().GetCount() == b.GetCategories().GetCount() &&
           a.GetPhrases().GetCount() == b.GetPhrases().GetCount() &&
           a.GetNames().GetCount() == b.GetNames().GetCount() && a.GetTips().GetCount() == b.GetTips().GetCount() &&
           a.GetPairs().GetCount() == b.GetPairs().GetCount();
}

}  // namespace

bool SerializePhraseBook(const CPhraseBook& book, std::string& bytes, std::string& error)
{
    CFastOutputStream out;
    book.WriteTo(out);
    bytes.assign(reinterpret_cast<const char*>(out.GetRawBytes()), static_cast<size_t>(out.GetLength()));
    CPhraseBook check;
    CFastInputStream in(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()), 0);
    if (check.ReadFrom(in) != 1 || !SameCounts(book, check)) {
        error = "the written phrase book (" + std::to_string(bytes.size()) +
                " bytes) does not read back whole; it may exceed the output stream's size limit";
        return false;
    }
    return true;
}

bool LoadPhraseBookFile(const std::string& path, CPhraseBook& book, std::string& error)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        error = "cannot read " + path;
        return false;
    }
    CFastInputStream in(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()), 0);
    if (book.ReadFrom(in) != 1) {
        error = path + " is not a sound phrase book";
        return false;
    }
    return true;
}
