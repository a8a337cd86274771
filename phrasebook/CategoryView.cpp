#include "phrasebook/CategoryView.h"

#include "phrasebook/PhraseBook.h"

CCategoryView::CCategoryView() : CCategoryView(*GetPhraseBook()) {}

CCategoryView::CCategoryView(CPhraseBook& book) : m_category(nullptr), m_book(&book) {}

CCategoryView::~CCategoryView() = default;

bool CCategoryView::SetCategory(CCategory* category)
{
    if (!category)
        return false;
    m_category = category;
    m_subCategories.RemoveAll();
    m_book->GetChildCategories(category->id, m_subCategories);
    return true;
}

bool CCategoryView::SetCategoryById(int id) { return SetCategory(m_book->FindCategoryById(id)); }

void CCategoryView::CollectPhrases(int categoryId, bool withSubCategories)
{
    m_phrases.RemoveAll();
    m_book->CollectPhrases(categoryId, m_phrases, withSubCategories);
}

bool CCategoryView::SetPhrasesFromIds(const Ostrel::CSimpleArray<int>* ids)
{
    m_phrases.RemoveAll();
    if (!ids)
        return false;
    for (unsigned i = 0; i < ids->GetCount(); ++i) {
        if (CPhrase* phrase = m_book->FindPhrase((*ids)[i]))
            m_phrases.Append(phrase);
    }
    return true;
}

CPhrase* CCategoryView::PhraseAt(unsigned index) const
{
    return index < m_phrases.GetCount() ? m_phrases[index] : nullptr;
}

bool CCategoryView::RemovePhraseAt(unsigned index) { return m_phrases.RemoveAt(index, true); }

CCategory* CCategoryView::GetSubCategoryAt(int index) const
{
    if (index < 0 || (unsigned)index >= m_subCategories.GetCount())
        return nullptr;
    return m_subCategories[(unsigned)index];
}

String CCategoryView::GetSubCategoryEntry(int entry) const
{
    if (entry == 0)
        return String(u"All");
    CCategory* category = GetSubCategoryAt(entry - 1);
    return category ? category->name : String();
}

bool CCategoryView::OnSubCategorySelected(int entry)
{
    if (entry == 0) {
        if (!m_category)
            return false;
        CollectPhrases(m_category->id, true);
        return true;
    }
    CCategory* category = entry > 0 ? GetSubCategoryAt(entry - 1) : nullptr;
    if (!category)
        return false;
    CollectPhrases(category->id, false);
    return true;
}

String CCategoryView::GetPhraseText(unsigned index, PhraseTextMode mode) const
{
    const CPhrase* phrase = PhraseAt(index);
    if (!phrase)
        return String();
    if (mode == PhraseTextMode::Source)
        return phrase->atomic ? phrase->name : phrase->GetDisplayText();
    const CPhrase* translation = m_book->FindTranslation(phrase->atomic ? phrase->id : phrase->GetConcreteId());
    return translation ? translation->name : String();
}

int CCategoryView::GetLongestPhraseText(PhraseTextMode mode) const
{
    int longest = -1;
    int longestLength = -1;
    for (unsigned i = 0; i < m_phrases.GetCount(); ++i) {
        int length = GetPhraseText(i, mode).GetLength();
        if (length > longestLength) {
            longestLength = length;
            longest = (int)i;
        }
    }
    return longest;
}
