#pragma once
// CCategoryView: the browsing state behind a phrase list and its sub category box.
// It points into one book (not owned) and must not outlive it; clearing it never
// deletes what it points to.

#include "baselib/SimpleArray.h"
#include "baselib/String.h"

class CCategory;
class CPhrase;
class CPhraseBook;

enum class PhraseTextMode { Source, Translation };

class CCategoryView
{
public:
    // A view over the program's book (GetPhraseBook).
    CCategoryView();
    explicit CCategoryView(CPhraseBook& book);
    virtual ~CCategoryView();
    CCategoryView(const CCategoryView&) = delete;
    CCategoryView& operator=(const CCategoryView&) = delete;

    // Makes category current and refills the sub category list from the book;
    // the phrase list is left as it was. False, and no change, for nullptr.
    bool SetCategory(CCategory* category);
    bool SetCategoryById(int id);
    CCategory* GetCategory() const { return m_category; }

    // Empties the phrase list and refills it with the book's CollectPhrases.
    void CollectPhrases(int categoryId, bool withSubCategories);
    // Empties the phrase list; then, when ids is given, lists the phrase of each id
    // in order (ids that find nothing are left out) and returns true.
    bool SetPhrasesFromIds(const Ostrel::CSimpleArray<int>* ids);

    unsigned GetPhraseCount() const { return m_phrases.GetCount(); }
    // The listed phrase at index, or nullptr when index is not below the count.
    CPhrase* PhraseAt(unsigned index) const;
    // Drops entry index from the phrase list, keeping the order of the rest.
    bool RemovePhraseAt(unsigned index);

    // The sub category box: entry 0 is "All", entry k >= 1 the name of sub category
    // k - 1. Entry 0 is the one selected when the box is filled.
    int GetSubCategoryCount() const { return (int)m_subCategories.GetCount(); }
    CCategory* GetSubCategoryAt(int index) const;
    int GetSubCategoryEntryCount() const { return GetSubCategoryCount() + 1; }
    String GetSubCategoryEntry(int entry) const;
    // Entry 0: the current category with its sub categories; entry k: sub category
    // k - 1 alone. Any other entry (including -1, no selection) changes nothing.
    // Returns true when the phrase list was refilled.
    bool OnSubCategorySelected(int entry);

    // The text the phrase list shows for listed phrase index. Source mode: an atomic
    // phrase's name, a template's display text. Translation mode: the name of the
    // translation with the phrase's id (atomic) or its concrete id (template); the
    // empty text when there is none.
    String GetPhraseText(unsigned index, PhraseTextMode mode) const;
    // The index of the longest of those texts by number of units (the first of equal
    // length), or -1 for an empty list; the list control sizes its scroll extent by it.
    int GetLongestPhraseText(PhraseTextMode mode) const;

private:
    CCategory* m_category;
    Ostrel::CSimpleArray<CCategory*> m_subCategories;
    Ostrel::CSimpleArray<CPhrase*> m_phrases;
    CPhraseBook* m_book;
};
