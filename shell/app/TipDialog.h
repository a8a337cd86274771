#pragma once
// TipDialog (dialog 138): "Did you know?" and a travel or cultural tip.

#include "baselib/String.h"
#include "platform/ui/Dialog.h"

class TipDialog : public CDialog {
public:
    explicit TipDialog(CDialog* parent);

    // The opener sets the text before the dialog runs; it is empty at construction.
    void SetTipText(const String& text) { m_tipText = text; }
    const String& GetTipText() const { return m_tipText; }

    bool OnInitDialog() override;

private:
    String m_tipText;
};
