// Fuzzes the phrase book reader: the input is read with ReadFrom as a whole phrase
// book file. A book that reads whole is written back with WriteTo, which must read
// again and write the same bytes a second time; its templates, categories and search
// are exercised too. Message boxes are answered silently.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "baselib/FastInputStream.h"
#include "baselib/FastOutputStream.h"
#include "phrasebook/CategoryView.h"
#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"

namespace {

void Exercise(CPhraseBook& book)
{
    const COwningList<CPhrase>& phrases = book.GetPhrases();
    for (unsigned i = 0; i < phrases.GetCount() && i < 256; ++i) {
        CPhrase* phrase = phrases.GetAt(i);
        phrase->GetDisplayText();
        phrase->GetConcreteId();
        phrase->GetConcretePhrase(book);
        phrase->GetTipText(book);
        phrase->ToString();
        for (int w = 0; w < phrase->GetWildCardCount() && w < 16; ++w) {
            CWildCard* wildcard = phrase->GetWildCardAt(w);
            wildcard->GetLongestValue();
            wildcard->SetCurrentValueIndex(wildcard->GetValueCount() - 1);
            wildcard->ToString();
        }
        phrase->rule.ToString();
    }
    CCategoryView view(book);
    const COwningList<CCategory>& categories = book.GetCategories();
    for (unsigned i = 0; i < categories.GetCount() && i < 64; ++i) {
        view.SetCategory(categories.GetAt(i));
        view.OnSubCategorySelected(0);
        for (unsigned p = 0; p < view.GetPhraseCount() && p < 64; ++p)
            view.GetPhraseText(p, PhraseTextMode::Translation);
    }
    book.Search(String(u"a, e"), false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = [] {
        SetMessageBoxHandler([](const String&, const String&, unsigned) { return IDOK; });
        return true;
    }();
    (void)silenced;

    CPhraseBook book;
    CFastInputStream in(data, static_cast<int>(size), 0);
    if (!book.ReadFrom(in))
        return 0;
    Exercise(book);

    CFastOutputStream first;
    book.WriteTo(first);
    if (first.GetLength() >= 0x100000)
        return 0;  // the output stream's size limit cut the book
    CPhraseBook copy;
    CFastInputStream again(first.GetRawBytes(), first.GetLength(), 0);
    if (!copy.ReadFrom(again))
        __builtin_trap();
    CFastOutputStream second;
    copy.WriteTo(second);
    if (second.GetLength() != first.GetLength() ||
        std::memcmp(first.GetRawBytes(), second.GetRawBytes(), first.GetLength()) != 0)
        __builtin_trap();
    return 0;
}
