// The process-wide books: the program's one book and, in the Japanese edition, the
// second book holding the kana texts. Both are created on first use and deleted by
// the main screen when it is destroyed.

#include "phrasebook/PhraseBook.h"

namespace {

CPhraseBook* g_phraseBook = nullptr;
CPhraseBook* g_kanaPhraseBook = nullptr;

CPhraseBook* GetOrCreate(CPhraseBook*& book)
{
    if (!book)
        book = new CPhraseBook();
    return book;
}

void Delete(CPhraseBook*& book)
{
    delete book;
    book = nullptr;
}

}  // namespace

CPhraseBook* GetPhraseBook() { return GetOrCreate(g_phraseBook); }
void DeletePhraseBook() { Delete(g_phraseBook); }
CPhraseBook* GetKanaPhraseBook() { return GetOrCreate(g_kanaPhraseBook); }
void DeleteKanaPhraseBook() { Delete(g_kanaPhraseBook); }
