#pragma once
// AboutDialog (dialog 129): the logo, the product and its version.

#include "platform/ui/Dialog.h"
#include "shell/app/ShellEdition.h"

class AboutDialog : public CDialog {
public:
    AboutDialog(const ShellEdition& edition, CDialog* parent);

    bool OnInitDialog() override;

private:
    const ShellEdition& m_edition;
};
