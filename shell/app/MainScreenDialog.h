#pragma once
// MainScreenDialog (dialog 102): the category picture. Opening it loads the phrase book, the
// favorites and the phonetic data; a tap on a category icon opens a phrase browser on that
// category. Closing it releases the program's phrase book(s), PinYin table and conversion table.

#include "platform/ui/CommandBar.h"
#include "platform/ui/Dialog.h"
#include "shell/app/ShellEdition.h"

class MainScreenDialog : public CDialog {
public:
    explicit MainScreenDialog(const ShellEdition& edition, CDialog* parent = nullptr);

    bool OnInitDialog() override;
    void OnSize(int clientWidth, int clientHeight) override;
    void OnDestroy() override;
    void OnPenUp(Point point) override;

    // Opens a phrase browser on the category of that name; nothing when the book has none.
    void OpenCategory(const char16_t* categoryName);

    // The bitmap resource of the category picture for the current screen layout.
    int GetCategoryPictureId() const;

private:
    void LoadPhraseData();
    void ShowCategoryPicture();
    void OnSearch();
    void OnAbout();
    void OnHelp();

    const ShellEdition& m_edition;
    CCommandBar m_commandBar;
};
