#include "shell/app/TipDialog.h"

#include "platform/ui/Bitmap.h"
#include "shell/app/ShellIds.h"

TipDialog::TipDialog(CDialog* parent) : CDialog(IDD_TIP, parent) {}

bool TipDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CStatic* picture = GetControl<CStatic>(IDC_TIP_PICTURE)) {
        CBitmap icon;
        if (icon.LoadBitmap(IDI_TIP))
            picture->SetBitmap(icon);
    }
    if (GetDlgItem(IDC_TIP_TEXT))
        SetDlgItemText(IDC_TIP_TEXT, m_tipText);
    return true;
}
