#pragma once
// PhraseBrowserDialog (dialog 131): the screen on which the user reads phrases. The sub category
// box and the phrase list of one category, the phonetic line, the translation box with its
// speaker frame and the script toggle; a command bar with the "Category" and "Tools" menus and
// the add-or-delete favorites, search, tip and related buttons.
//
// Its opener hands the category with SetCategory before running it.

#include "platform/ui/CommandBar.h"
#include "platform/ui/Dialog.h"
#include "shell/app/ControlRects.h"
#include "shell/app/PhrasePane.h"
#include "shell/app/ShellEdition.h"

class CCategory;
class CPhraseBook;

class PhraseBrowserDialog : public CDialog {
public:
    PhraseBrowserDialog(const ShellEdition& edition, CDialog* parent);

    // The category to show; false (and nothing changes) for none.
    bool SetCategory(CCategory* category);

    // Switches to the category of that name and selects its sub category entry (0 = "All");
    // nothing when the book has no such category.
    void SelectCategory(const char16_t* categoryName, int subCategoryEntry);
    // The category menu's "Favorites".
    void SelectFavorites();

    PhrasePane& GetPane() { return m_pane; }
    CCommandBar& GetNormalBar() { return m_normalBar; }
    CCommandBar& GetFavoritesBar() { return m_favoritesBar; }
    const ControlRects& GetDesignedRects() const { return m_designed; }
    const ControlRects& GetAlternativeRects() const { return m_alternative; }

    bool OnInitDialog() override;
    void OnSize(int clientWidth, int clientHeight) override;
    void OnDestroy() override;
    void OnSelChange(int controlId) override;
    bool OnQueryCommandEnabled(int commandId, bool& enabled) override;

private:
    void OnPhraseSelected();
    void OnSubCategoryChanged();
    void RefreshViews(bool phonetic, bool translation, bool toggle, bool toolbar);
    void UpdateToolbar();
    bool TipEnabled() const;
    bool RelatedEnabled() const;
    void RefillSubCategories();
    bool IsSpecialCategory() const;
    void PlaceForLayout();
    int ClosedComboHeight() const;

    void OnAddFavorite();
    void OnDeleteFavorite();
    void OnSearch();
    void OnTip();
    void OnRelated();
    void OnHelp();
    void OnAbout();

    const ShellEdition& m_edition;
    CPhraseBook* m_book = nullptr;
    PhrasePane m_pane;
    CCommandBar m_favoritesBar;
    CCommandBar m_normalBar;
    ControlRects m_designed;
    ControlRects m_alternative;
    bool m_rectsRecorded = false;
};
