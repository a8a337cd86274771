#include "shell/app/MainScreenDialog.h"

#include "baselib/Utils.h"
#include "phrasebook/PhraseBook.h"
#include "platform/ui/Bitmap.h"
#include "script/EditionProfile.h"
#include "script/G2bTable.h"
#include "script/PinyinTable.h"
#include "shell/app/AboutDialog.h"
#include "shell/app/CategoryTapTable.h"
#include "shell/app/HelpDialog.h"
#include "shell/app/PhraseBrowserDialog.h"
#include "shell/app/ScreenLayout.h"
#include "shell/app/SearchDialog.h"
#include "shell/app/ShellIds.h"

MainScreenDialog::MainScreenDialog(const ShellEdition& edition, CDialog* parent)
    : CDialog(IDD_MAIN_SCREEN, parent), m_edition(edition)
{
    BindCommand(ID_SEARCH, [this] { OnSearch(); });
    BindCommand(ID_ABOUT, [this] { OnAbout(); });
    BindCommand(ID_HELP, [this] { OnHelp(); });
}

bool MainScreenDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(IDI_PROGRAM);
    m_commandBar.Create(*this);
    m_commandBar.AddToolbar(IDR_MAIN_TOOLBAR);
    LoadPhraseData();
    ShowCategoryPicture();
    return true;
}

void MainScreenDialog::LoadPhraseData()
{
    const EditionProfile& profile = *m_edition.profile;
    const String favorites = CUtils::GetFullPath(profile.favoritesFile);
    // A book that cannot be read has told the user already; the screen then opens on an empty
    // book in which no category is found.
    GetPhraseBook()->Load(CUtils::GetFullPath(profile.mainBookFile), favorites);
    if (profile.kanaBookFile)
        GetKanaPhraseBook()->Load(CUtils::GetFullPath(profile.kanaBookFile), favorites);
    if (profile.pinyinFile)
        LoadProgramPinyin();   // shows "Cannot load PinYin data." itself
}

int MainScreenDialog::GetCategoryPictureId() const
{
    switch (GetScreenLayout(*this)) {
    case LayoutLandscape: return IDB_CATEGORY_LANDSCAPE;
    case LayoutSquare: return IDB_CATEGORY_SQUARE;
    case LayoutPortrait: break;
    }
    return IDB_CATEGORY_PORTRAIT;
}

void MainScreenDialog::ShowCategoryPicture()
{
    CStatic* picture = GetControl<CStatic>(IDC_CATEGORY_PICTURE);
    if (!picture)
        return;
    CBitmap bitmap;
    bitmap.LoadBitmap(GetCategoryPictureId());
    picture->SetBitmap(bitmap);
}

void MainScreenDialog::OnSize(int clientWidth, int clientHeight)
{
    ShowCategoryPicture();
    CDialog::OnSize(clientWidth, clientHeight);
}

void MainScreenDialog::OnDestroy()
{
    const EditionProfile& profile = *m_edition.profile;
    if (profile.pinyinFile)
        DeletePinyinTable();
    DeletePhraseBook();
    if (profile.kanaBookFile)
        DeleteKanaPhraseBook();
    if (profile.conversionTable)
        DeleteG2bTable();
    CDialog::OnDestroy();
}

void MainScreenDialog::OnPenUp(Point point)
{
    if (const char16_t* category = HitTestCategory(GetScreenLayout(*this), point))
        OpenCategory(category);
    CDialog::OnPenUp(point);
}

void MainScreenDialog::OpenCategory(const char16_t* categoryName)
{
    PhraseBrowserDialog browser(m_edition, this);
    if (!browser.SetCategory(GetPhraseBook()->FindCategoryByName(categoryName)))
        return;
    browser.DoModal();
}

void MainScreenDialog::OnSearch()
{
    SearchDialog search(m_edition, this);
    if (search.DoModal() == IDOK)
        OpenCategory(u"Search Result");
}

void MainScreenDialog::OnAbout()
{
    AboutDialog about(m_edition, this);
    about.DoModal();
}

void MainScreenDialog::OnHelp()
{
    HelpDialog help(m_edition, this);
    help.DoModal();
}
