#pragma once
// RelatedDialog (dialog 140): one phrase and the phrases related to it, with their translations,
// phonetic line and voice.

#include "platform/ui/Dialog.h"
#include "shell/app/ControlRects.h"
#include "shell/app/PhrasePane.h"
#include "shell/app/ShellEdition.h"

class CPhrase;

class RelatedDialog : public CDialog {
public:
    RelatedDialog(const ShellEdition& edition, CDialog* parent);

    // The phrase whose related phrases are listed (not owned; null lists nothing). In the
    // editions that say so, each related id without a phrase is reported first.
    void SetPhrase(CPhrase* phrase);
    CPhrase* GetPhrase() const { return m_phrase; }

    PhrasePane& GetPane() { return m_pane; }
    const ControlRects& GetDesignedRects() const { return m_designed; }
    const ControlRects& GetAlternativeRects() const { return m_alternative; }

    bool OnInitDialog() override;
    void OnSize(int clientWidth, int clientHeight) override;
    void OnDestroy() override;
    void OnSelChange(int controlId) override;

private:
    void OnPhraseSelected();
    void PlaceForLayout(bool recompute);

    const ShellEdition& m_edition;
    PhrasePane m_pane;
    CPhrase* m_phrase = nullptr;
    ControlRects m_designed;
    ControlRects m_alternative;
    bool m_rectsRecorded = false;
};
