// Fuzzes the favorites store: the input is stored as a favorites file and loaded into
// a small book; the favorites are listed, one is added and one deleted (each saves),
// and the saved file must load back to the same list. Message boxes are answered
// silently.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"

namespace {

std::string FilePath()
{
    static const std::string path = "/tmp/favorites_fuzz." + std::to_string(getpid()) + ".dat";
    return path;
}

CPhraseBook* SmallBook()
{
    CPhraseBook* book = new CPhraseBook();
    for (int id = 0; id < 8; ++id) {
        CPhrase* phrase = new CPhrase();
        phrase->id = id;
        phrase->atomic = true;
        phrase->visible = id % 2 == 0;
        phrase->name = u"phrase";
        book->GetPhrases().Append(phrase);
    }
    return book;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = [] {
        SetMessageBoxHandler([](const String&, const String&, unsigned) { return IDOK; });
        return true;
    }();
    (void)silenced;

    std::FILE* file = std::fopen(FilePath().c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    String path(FilePath().c_str());
    CPhraseBook* book = SmallBook();
    book->LoadFavorites(path);
    const size_t whole = size / 4 < kMaxArraySize ? size / 4 : kMaxArraySize;
    if (book->GetFavorites().GetCount() != whole)
        __builtin_trap();

    Ostrel::CSimpleArray<CPhrase*> listed;
    book->CollectPhrases(kFavoritesCategoryId, listed, false);
    book->AddFavorite(size > 0 ? data[0] % 10 : 3);
    if (book->GetFavorites().GetCount() > 0)
        book->DeleteFavorite(book->GetFavorites()[book->GetFavorites().GetCount() / 2]);

    CPhraseBook* reloaded = SmallBook();
    reloaded->LoadFavorites(path);
    const Ostrel::CSimpleArray<int>& a = book->GetFavorites();
    const Ostrel::CSimpleArray<int>& b = reloaded->GetFavorites();
    if (a.GetCount() != b.GetCount())
        __builtin_trap();
    for (unsigned i = 0; i < a.GetCount(); ++i) {
        if (a[i] != b[i])
            __builtin_trap();
    }
    delete reloaded;
    delete book;
    return 0;
}
