#pragma once
// PhrasePane: what the phrase browser and the related dialog share: the phrase list over a
// CCategoryView, the selected source phrase and its translation, and the views that show the
// translation (phonetic line, translation box with its speaker frame, script toggle).
//
// The pane's controls are custom controls and list handling attached to the dialog's template
// controls by id; a control the edition's template lacks is simply left out.

#include "phrasebook/CategoryView.h"
#include "script/PinyinBox.h"
#include "script/ScriptEnvironment.h"
#include "script/ScriptToggle.h"
#include "script/TranslationBox.h"
#include "shell/app/PhraseListBox.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/TranslationFrame.h"

#include <functional>

class CDialog;
class CListBox;
class CPhrase;
class CPhraseBook;

class PhrasePane {
public:
    PhrasePane(const ShellEdition& edition, const ScriptEnvironment& environment);

    CCategoryView& GetView() { return m_view; }
    CPhrase* GetSelectedPhrase() const { return m_source; }
    CPhrase* GetSelectedTranslation() const { return m_translation; }
    CListBox* GetList() const { return m_listBox.GetList(); }
    PhraseListBox& GetListBox() { return m_listBox; }
    CTranslationBox& GetTranslationBox() { return m_box; }
    CPinyinBox& GetPhoneticBox() { return m_phonetic; }
    CScriptToggle& GetScriptToggle() { return m_toggle; }

    // Attaches the custom controls and the list handling to the dialog's controls: the list
    // 1004, the phonetic line 1006, the translation box 1012, the toggle 1014 and the speaker
    // frame `frameId`. The frame is linked to the box by LinkFrame, after the first refresh.
    void Attach(CDialog& dialog, int frameId);
    void LinkFrame() { m_frame.SetTranslationBox(&m_box); }
    void Detach();

    // Refills the list from the view's phrases (source or translation texts), selects entry 0
    // and sizes the horizontal extent to the longest text plus 8 pixels.
    void FillList(PhraseTextMode mode);

    // Reads the list's selection into the selected source phrase and translation (a template
    // phrase's translation is that of its concrete phrase for the current words).
    void UpdateSelection();
    void ClearSelection();

    // Refreshes the chosen views in the edition's order; `toolbar` runs as the toolbar step.
    // The phonetic step stops the refresh when the program's phonetic table cannot be made.
    void RefreshViews(bool phonetic, bool translation, bool toggle, const std::function<void()>& toolbar);

    // When the script toggle flips (Japanese screens refresh every view, the others repaint
    // the box).
    void SetToggleRefresh(std::function<void()> refresh);

private:
    bool RefreshPhonetic();

    const ShellEdition& m_edition;
    ScriptEnvironment m_environment;
    CCategoryView m_view;
    PhraseListBox m_listBox;
    CPinyinBox m_phonetic;
    CTranslationBox m_box;
    CScriptToggle m_toggle;
    TranslationFrame m_frame;
    bool m_hasPhonetic = false;
    bool m_hasToggle = false;
    CPhrase* m_source = nullptr;
    CPhrase* m_translation = nullptr;
};
