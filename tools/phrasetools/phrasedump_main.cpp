// phrasedump: prints any phrase book file as readable text, every record and field in file
// order (the form phrasec --from-text reads back).
//
//   phrasedump BOOK [OUT.txt]

#include <cstdio>
#include <string>

#include "phrasebook/PhraseBook.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/BookText.h"
#include "tools/phrasetools/FileIo.h"

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: phrasedump BOOK [OUT.txt]\n");
        return 2;
    }
    CPhraseBook book;
    std::string error;
    if (!LoadPhraseBookFile(argv[1], book, error)) {
        std::fprintf(stderr, "phrasedump: %s\n", error.c_str());
        return 1;
    }
    std::string text = DumpPhraseBook(book);
    if (argc == 3)
        return WriteFileIfChanged(argv[2], text) ? 0 : 1;
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
