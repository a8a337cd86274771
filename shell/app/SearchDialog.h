#pragma once
// SearchDialog (dialog 137): asks for key words and runs the phrase search. It ends with OK only
// when the search found something; its opener then shows the "Search Result" category.

#include "baselib/String.h"
#include "platform/ui/Dialog.h"
#include "shell/app/ShellEdition.h"

class SearchDialog : public CDialog {
public:
    // The key word field takes at most this many characters.
    static constexpr int kMaxKeywordLength = 299;

    SearchDialog(const ShellEdition& edition, CDialog* parent);

    const String& GetKeyword() const { return m_keyword; }
    bool IsExactMatch() const { return m_exactMatch != 0; }

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

private:
    const ShellEdition& m_edition;
    String m_keyword;
    int m_exactMatch = 0;
};
