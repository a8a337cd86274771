#pragma once
// HelpDialog: the help page, assembled from the program's string entries in the edition's
// order, with the logo and the toolbar pictures served by name.

#include "shell/app/HtmlDialog.h"
#include "shell/app/ShellEdition.h"

class HelpDialog : public HtmlDialog {
public:
    HelpDialog(const ShellEdition& edition, CDialog* parent);

    bool OnInitDialog() override;

    // The page text: the edition's help strings joined in order.
    static String BuildPage(const ShellEdition& edition);

private:
    const ShellEdition& m_edition;
};
