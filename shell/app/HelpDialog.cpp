#include "shell/app/HelpDialog.h"

#include "platform/ui/Resources.h"

HelpDialog::HelpDialog(const ShellEdition& edition, CDialog* parent)
    : HtmlDialog(edition.helpDialog, parent), m_edition(edition)
{
}

String HelpDialog::BuildPage(const ShellEdition& edition)
{
    String page;
    for (int id : edition.helpPageStrings)
        page += LoadResourceString(id);
    return page;
}

bool HelpDialog::OnInitDialog()
{
    HtmlDialog::OnInitDialog();
    for (const HelpImage& image : m_edition.helpImages)
        AddImage(image.bitmapId, image.name);
    SetPage(BuildPage(m_edition));
    return true;
}
