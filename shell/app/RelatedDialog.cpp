#include "shell/app/RelatedDialog.h"

#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"
#include "script/EditionProfile.h"
#include "shell/app/PhraseBookApp.h"
#include "shell/app/ScreenLayout.h"
#include "shell/app/ShellIds.h"

namespace {

ScriptEnvironment EnvironmentOfApp()
{
    PhraseBookApp* app = GetPhraseBookApp();
    return app ? app->GetScriptEnvironment() : ScriptEnvironment{};
}

constexpr int kGroupBoxTop = 5;

} // namespace

RelatedDialog::RelatedDialog(const ShellEdition& edition, CDialog* parent)
    : CDialog(IDD_RELATED, parent), m_edition(edition), m_pane(edition, EnvironmentOfApp())
{
    if (edition.profile->hasScriptToggle && edition.refreshOrder == RefreshOrder::TranslationFirst)
        m_pane.SetToggleRefresh([this] { m_pane.RefreshViews(true, true, true, nullptr); });
}

void RelatedDialog::SetPhrase(CPhrase* phrase)
{
    m_phrase = phrase;
    if (!phrase) {
        m_pane.GetView().SetPhrasesFromIds(nullptr);
        return;
    }
    if (m_edition.reportsMissingRelated) {
        const CPhraseBook* book = GetPhraseBook();
        for (int i = 0; i < phrase->GetRelatedCount(); ++i) {
            const int id = phrase->GetRelatedAt(i);
            if (!book->FindPhrase(id))
                ShowMessageBox(String(u"Phrase #") + String::ValueOf(id) + u" not found.",
                               m_edition.profile->programName, MB_OK);
        }
    }
    m_pane.GetView().SetPhrasesFromIds(&phrase->related);
}

bool RelatedDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    const int ids[] = {m_edition.relatedGroupBoxId, IDC_RELATED_SOURCE_TEXT, IDC_RELATED_LABEL, IDC_PHRASE_LIST,
                       IDC_TRANSLATION_BOX, m_edition.relatedFrameId, IDC_PHONETIC_LINE, IDOK, IDC_SCRIPT_TOGGLE};
    m_designed = RecordDesignedRects(*this, ids, m_edition.relatedGroupBoxId, kGroupBoxTop);
    m_rectsRecorded = true;
    PlaceForLayout(true);

    m_pane.Attach(*this, m_edition.relatedFrameId);
    m_pane.FillList(PhraseTextMode::Source);
    if (m_phrase && GetDlgItem(IDC_RELATED_SOURCE_TEXT))
        SetDlgItemText(IDC_RELATED_SOURCE_TEXT, m_phrase->name);
    OnPhraseSelected();
    m_pane.LinkFrame();
    return true;
}

void RelatedDialog::PlaceForLayout(bool recompute)
{
    const ScreenLayout layout = GetScreenLayout(*this);
    if (recompute || layout == LayoutLandscape) {
        const Rect client = GetClientRect();
        m_alternative = RelatedAlternativeRects(m_designed, m_edition.relatedGroupBoxId, m_edition.relatedFrameId,
                                                client.Width(), client.Height());
    }
    if (layout == LayoutPortrait && recompute)
        return;   // the template's own positions
    PlaceControls(*this, RectsForLayout(layout, m_designed, m_alternative, {}));
}

void RelatedDialog::OnSize(int clientWidth, int clientHeight)
{
    if (m_rectsRecorded)
        PlaceForLayout(false);
    CDialog::OnSize(clientWidth, clientHeight);
}

void RelatedDialog::OnDestroy()
{
    m_pane.Detach();
    m_rectsRecorded = false;
    CDialog::OnDestroy();
}

void RelatedDialog::OnSelChange(int controlId)
{
    if (controlId == IDC_PHRASE_LIST)
        OnPhraseSelected();
    CDialog::OnSelChange(controlId);
}

void RelatedDialog::OnPhraseSelected()
{
    m_pane.UpdateSelection();
    // The phonetic line is filled only when the program's table exists; the translation always.
    m_pane.RefreshViews(false, true, false, nullptr);
    if (m_edition.profile->phonetic != PhoneticLine::None)
        m_pane.RefreshViews(true, false, false, nullptr);
}
