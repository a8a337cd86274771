// Search over the English text of every source phrase.

#include "phrasebook/PhraseBook.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "baselib/StringTokenizer.h"
#include "baselib/WideChar.h"

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
    // The ids already in the result, so that each phrase found costs one look-up instead of a
    // scan of the result (AddSearchResult's rule, which made a search that finds most of a
    // large book take time growing with the square of the finds).
    std::unordered_set<int> listed;
    // The lower-cased name, unit by unit as String::MakeLower does it, in one buffer reused for
    // every phrase: a copy of each name would cost an allocation per phrase and per search.
    std::u16string lowered;
    bool found = false;
    for (unsigned i = 0; i < m_phrases.GetCount(); ++i) {
        const CPhrase* phrase = m_phrases.GetAt(i);
        lowered.clear();
        for (const char16_t* p = phrase->name; *p != 0; ++p)
            lowered.push_back(towlower16(*p));
        for (const String& term : terms) {
            if (wcsstr16(lowered.c_str(), term) != nullptr) {
                if (!listed.count(phrase->id) && m_searchResult.Append(phrase->id))
                    listed.insert(phrase->id);
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
