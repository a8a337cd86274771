#pragma once
// CPhraseBook: the in-memory phrase book. It owns the file's categories, source
// phrases (English), translation phrases (the edition's language), tips and the two
// tables carried from file to file, plus the built-in Favorites (99) and Search
// Result (98) categories with their id lists.
//
// Lookups scan in file order and the first match wins; "none" is nullptr.
// A process may hold several books (the Japanese edition keeps a second one for its
// kana texts): nothing here refers to another book, and every operation that needs
// a book either is a member or takes the book as an argument.
//
// Building a book in memory (the data tools do this before WriteTo): fill the
// records' public fields and hand them to the lists returned by GetCategories(),
// GetPhrases(), GetNames(), GetTips(), GetTranslations() and GetPairs(); each list
// takes ownership of what is appended to it.

#include "baselib/SimpleArray.h"
#include "baselib/String.h"
#include "phrasebook/Category.h"
#include "phrasebook/NameRecord.h"
#include "phrasebook/OwningList.h"
#include "phrasebook/PairRecord.h"
#include "phrasebook/Phrase.h"
#include "phrasebook/Tip.h"

class CFastInputStream;
class CFastOutputStream;

enum : int { kSearchResultCategoryId = 98, kFavoritesCategoryId = 99 };

// The string that opens and closes every phrase book file.
extern const char16_t kPhraseBookMagic[];

class CPhraseBook
{
public:
    CPhraseBook();
    virtual ~CPhraseBook();
    CPhraseBook(const CPhraseBook&) = delete;
    CPhraseBook& operator=(const CPhraseBook&) = delete;

    // --- File (layout described in PhraseBookFile.cpp) ---

    // Reads the phrase book file and then the favorites file (both full paths).
    // Returns 1 when the book was read whole and its magic and trailer matched,
    // else 0 after telling the user: "Phrase book data corrupted." for damaged data,
    // a message naming the file when it cannot be opened (the book then stays as it
    // was). The favorites are read only on success; their path is kept for
    // SaveFavorites.
    int Load(const String& bookPath, const String& favoritesPath);
    // Parses the layout from the stream's position into this book. Returns 1 when the
    // magic, every count and text, and the trailer are sound, else 0. A wrong leading
    // magic shows "here" and changes nothing; damage later leaves the sections read
    // before it in the book. Favorites and search result are not touched.
    int ReadFrom(CFastInputStream& in);
    // Writes the layout; translation phrases whose id no source phrase has are left
    // out. Returns 1, or 0 when the book does not fit in the output stream (which
    // holds at most 1,048,576 bytes and drops the rest): the bytes are then a cut
    // file that must not be stored.
    int WriteTo(CFastOutputStream& out) const;

    // --- Lookups ---

    // 99 gives the Favorites category; any other id is looked up among the file's
    // categories (98 included).
    CCategory* FindCategoryById(int id) const;
    // Ignoring letter case: "Favorites" and "Search Result" give the built-in
    // categories, else the first file category of that name.
    CCategory* FindCategoryByName(const char16_t* name) const;
    // Appends every file category whose parent is id, in file order.
    void GetChildCategories(int id, Ostrel::CSimpleArray<CCategory*>& children) const;
    // Appends (without emptying list) what category id lists: the favorites (99) or
    // the search result (98) in their order, ids that find nothing left out; for any
    // other category its visible source phrases in file order, then, when asked,
    // each sub category depth first. A category is never visited twice, so a
    // damaged tree with a cycle cannot make this run forever.
    void CollectPhrases(int categoryId, Ostrel::CSimpleArray<CPhrase*>& list,
                        bool withSubCategories) const;
    CPhrase* FindPhrase(int id) const;
    CPhrase* FindTranslation(int id) const;
    CTip* FindTip(int id) const;

    // --- Favorites (FavoritesStore.cpp) ---

    // Appends the ids stored in the file (4 bytes each, little-endian, trailing
    // bytes ignored) and remembers where it lives for SaveFavorites: path itself,
    // or the per-user copy when path's folder takes no new files (see
    // CFavoritesLocation). A missing file is an empty list. Returns 1.
    int LoadFavorites(const String& path);
    // Replaces the favorites file with the list: the bytes go to a temporary file
    // in the same folder, which is then renamed over the old one, so a failure
    // part way leaves the old file whole. Returns 1 on success; on failure tells
    // the user and returns 0. The path is the one LoadFavorites chose, else
    // "favorites.dat" in the program's folder.
    int SaveFavorites();
    // Appends id and saves, unless id is a favorite already (then nothing happens).
    void AddFavorite(int id);
    // Removes the first occurrence of id and saves; nothing happens without one.
    void DeleteFavorite(int id);
    const Ostrel::CSimpleArray<int>& GetFavorites() const { return m_favorites; }
    const String& GetFavoritesPath() const { return m_favoritesPath; }
    void SetFavoritesPath(const String& path) { m_favoritesPath = path; }

    // --- Search (PhraseSearch.cpp) ---

    // Replaces the search result with every source phrase (visible or not; a
    // template by its raw text) whose lower-cased name contains one of the
    // lower-cased terms. Keyword mode splits text at " ,\t\n"; exact mode takes the
    // text as it is as the only term. Returns true when a phrase was found.
    bool Search(const String& text, bool exact);
    // Appends id unless it is in the search result already.
    void AddSearchResult(int id);
    const Ostrel::CSimpleArray<int>& GetSearchResult() const { return m_searchResult; }

    // --- Records ---

    COwningList<CCategory>& GetCategories() { return m_categories; }
    const COwningList<CCategory>& GetCategories() const { return m_categories; }
    COwningList<CPhrase>& GetPhrases() { return m_phrases; }
    const COwningList<CPhrase>& GetPhrases() const { return m_phrases; }
    COwningList<CPairRecord>& GetPairs() { return m_pairs; }
    const COwningList<CPairRecord>& GetPairs() const { return m_pairs; }
    COwningList<CNameRecord>& GetNames() { return m_names; }
    const COwningList<CNameRecord>& GetNames() const { return m_names; }
    COwningList<CPhrase>& GetTranslations() { return m_translations; }
    const COwningList<CPhrase>& GetTranslations() const { return m_translations; }
    COwningList<CTip>& GetTips() { return m_tips; }
    const COwningList<CTip>& GetTips() const { return m_tips; }

private:
    void CollectCategoryPhrases(int categoryId, Ostrel::CSimpleArray<CPhrase*>& list) const;
    void CollectListedPhrases(const Ostrel::CSimpleArray<int>& ids,
                              Ostrel::CSimpleArray<CPhrase*>& list) const;

    COwningList<CCategory> m_categories;
    COwningList<CPhrase> m_phrases;
    COwningList<CPairRecord> m_pairs;
    COwningList<CNameRecord> m_names;
    COwningList<CPhrase> m_translations;
    COwningList<CTip> m_tips;
    CCategory m_favoritesCategory;
    CCategory m_searchResultCategory;
    Ostrel::CSimpleArray<int> m_favorites;
    Ostrel::CSimpleArray<int> m_searchResult;
    String m_favoritesPath;
};

// The program's phrase book, created empty on the first call.
CPhraseBook* GetPhraseBook();
// Deletes the program's phrase book; the next GetPhraseBook creates a new one.
void DeletePhraseBook();
// The Japanese edition's second book (kana texts under the same ids), created empty
// on the first call; it is consulted only through FindTranslation.
CPhraseBook* GetKanaPhraseBook();
void DeleteKanaPhraseBook();
