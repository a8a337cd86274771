#include "shell/app/SearchDialog.h"

#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"
#include "script/EditionProfile.h"
#include "shell/app/ShellIds.h"

SearchDialog::SearchDialog(const ShellEdition& edition, CDialog* parent)
    : CDialog(IDD_SEARCH, parent), m_edition(edition)
{
}

bool SearchDialog::OnInitDialog()
{
    // Every run starts with an empty field and the box not ticked.
    m_keyword.Empty();
    m_exactMatch = 0;
    CDialog::OnInitDialog();
    if (CEdit* edit = GetControl<CEdit>(IDC_SEARCH_TEXT))
        edit->LimitText(kMaxKeywordLength);
    return true;
}

void SearchDialog::DoDataExchange(CDataExchange& dx)
{
    DDX_Text(dx, IDC_SEARCH_TEXT, m_keyword);
    DDX_Check(dx, IDC_EXACT_MATCH, m_exactMatch);
}

void SearchDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    if (GetPhraseBook()->Search(m_keyword, m_exactMatch != 0)) {
        EndDialog(IDOK);
        return;
    }
    ShowMessageBox(u"Your search didn't return any result.", m_edition.profile->programName, MB_OK);
}
