#include "shell/app/AboutDialog.h"

#include "platform/ui/Bitmap.h"
#include "shell/app/ShellIds.h"

AboutDialog::AboutDialog(const ShellEdition& edition, CDialog* parent)
    : CDialog(IDD_ABOUT, parent), m_edition(edition)
{
}

bool AboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CStatic* logo = GetControl<CStatic>(IDC_ABOUT_LOGO)) {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(IDB_LOGO))
            logo->SetBitmap(bitmap);
    }
    return true;
}
