// Search over the English text of every source phrase.

#include "phrasebook/PhraseBook.h"

#include <vector>

#include "baselib/StringTokenizer.h"

namespace {

const char16_t kKeywordDelimiters[] = u" ,\t\n";

// The lower-cased search terms: the whole text in exact mode, else each non-empty
// piece between delimiters. The whole text is split, however long it is.
std::vector<String> BuildTerms(const String& text, bool exact)
{
    std::vector<String> terms;
    if (exact) {
        terms.push_back(text);
    } else {
        StringTokenizer tokenizer(text, String(kKeywordDelimiters));
        while (char16_t* token = tokenizer.NextToken())
            terms.emplace_back(token);
    }
    for (String& term : terms)
        term.MakeLower();
    return terms;
}

}  // namespace

bool CPhraseBook::Search(const String& text, bool exact)
{
    std::vector<String> terms = BuildTerms(text, exact);
    m_searchResult.RemoveAll();
    bool found = false;
    for (unsigned i = 0; i < m_phrases.GetCount(); ++i) {
        const CPhrase* phrase = m_phrases.GetAt(i);
        String lowered = phrase->name;
        lowered.MakeLower();
        for (const String& term : terms) {
            if (lowered.Find(term) >= 0) {
                AddSearchResult(phrase->id);
                found = true;
                break;
            }
        }
    }
    return found;
}

void CPhraseBook::AddSearchResult(int id)
{
    for (unsigned i = 0; i < m_searchResult.GetCount(); ++i) {
        if (m_searchResult[i] == id)
            return;
    }
    m_searchResult.Append(id);
}
