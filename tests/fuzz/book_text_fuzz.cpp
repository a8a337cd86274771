// Arbitrary bytes as the decompiler's text form: parsing must fail cleanly or yield a book that
// prints back to text which parses again into the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "phrasebook/PhraseBook.h"
#include "tools/phrasetools/BookText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    CPhraseBook book;
    std::string error;
    if (!ParsePhraseBookText(text, book, error))
        return 0;
    std::string printed = DumpPhraseBook(book);
    CPhraseBook again;
    if (!ParsePhraseBookText(printed, again, error) || DumpPhraseBook(again) != printed)
        std::abort();
    return 0;
}
