#include "phrasebook/PhraseBook.h"

#include <unordered_set>
#include <vector>

const char16_t kPhraseBookMagic[] = u"19760424";

CPhraseBook::CPhraseBook()
    : m_favoritesCategory(kFavoritesCategoryId, 0, String(u"Favorites")),
      m_searchResultCategory(kSearchResultCategoryId, 0, String(u"Search Result"))
{
}

CPhraseBook::~CPhraseBook() = default;

CCategory* CPhraseBook::FindCategoryById(int id) const
{
    if (id == kFavoritesCategoryId)
        return const_cast<CCategory*>(&m_favoritesCategory);
    for (unsigned i = 0; i < m_categories.GetCount(); ++i) {
        CCategory* category = m_categories.GetAt(i);
        if (category->id == id)
            return category;
    }
    return nullptr;
}

CCategory* CPhraseBook::FindCategoryByName(const char16_t* name) const
{
    if (m_favoritesCategory.name.EqualsNoCase(name))
        return const_cast<CCategory*>(&m_favoritesCategory);
    if (m_searchResultCategory.name.EqualsNoCase(name))
        return const_cast<CCategory*>(&m_searchResultCategory);
    for (unsigned i = 0; i < m_categories.GetCount(); ++i) {
        CCategory* category = m_categories.GetAt(i);
        if (category->name.EqualsNoCase(name))
            return category;
    }
    return nullptr;
}

void CPhraseBook::GetChildCategories(int id, Ostrel::CSimpleArray<CCategory*>& children) const
{
    for (unsigned i = 0; i < m_categories.GetCount(); ++i) {
        CCategory* category = m_categories.GetAt(i);
        if (category->parent == id)
            children.Append(category);
    }
}

void CPhraseBook::CollectListedPhrases(const Ostrel::CSimpleArray<int>& ids,
                                       Ostrel::CSimpleArray<CPhrase*>& list) const
{
    for (unsigned i = 0; i < ids.GetCount(); ++i) {
        if (CPhrase* phrase = FindPhrase(ids[i]))
            list.Append(phrase);
    }
}

void CPhraseBook::CollectCategoryPhrases(int categoryId, Ostrel::CSimpleArray<CPhrase*>& list) const
{
    for (unsigned i = 0; i < m_phrases.GetCount(); ++i) {
        CPhrase* phrase = m_phrases.GetAt(i);
        if (phrase->cat_id == categoryId && phrase->visible)
            list.Append(phrase);
    }
}

void CPhraseBook::CollectPhrases(int categoryId, Ostrel::CSimpleArray<CPhrase*>& list,
                                 bool withSubCategories) const
{
    if (categoryId == kFavoritesCategoryId) {
        CollectListedPhrases(m_favorites, list);
        return;
    }
    if (categoryId == kSearchResultCategoryId) {
        CollectListedPhrases(m_searchResult, list);
        return;
    }
    if (!withSubCategories) {
        CollectCategoryPhrases(categoryId, list);
        return;
    }
    // Depth first, a category's own phrases before those of its sub categories, with
    // an explicit stack: a file may describe a tree deep enough to exhaust the call
    // stack, or a cycle, which the visited list breaks.
    std::vector<int> pending{categoryId};
    std::unordered_set<int> visited;
    while (!pending.empty()) {
        int id = pending.back();
        pending.pop_back();
        if (!visited.insert(id).second)
            continue;
        CollectCategoryPhrases(id, list);
        Ostrel::CSimpleArray<CCategory*> children;
        GetChildCategories(id, children);
        for (unsigned i = children.GetCount(); i > 0; --i)
            pending.push_back(children[i - 1]->id);
    }
}

CPhrase* CPhraseBook::FindPhrase(int id) const
{
    for (unsigned i = 0; i < m_phrases.GetCount(); ++i) {
        CPhrase* phrase = m_phrases.GetAt(i);
        if (phrase->id == id)
            return phrase;
    }
    return nullptr;
}

CPhrase* CPhraseBook::FindTranslation(int id) const
{
    for (unsigned i = 0; i < m_translations.GetCount(); ++i) {
        CPhrase* phrase = m_translations.GetAt(i);
        if (phrase->id == id)
            return phrase;
    }
    return nullptr;
}

CTip* CPhraseBook::FindTip(int id) const
{
    for (unsigned i = 0; i < m_tips.GetCount(); ++i) {
        CTip* tip = m_tips.GetAt(i);
        if (tip->id == id)
            return tip;
    }
    return nullptr;
}
