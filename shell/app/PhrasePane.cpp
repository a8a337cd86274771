#include "shell/app/PhrasePane.h"

#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "platform/ui/Dialog.h"
#include "script/EditionProfile.h"
#include "script/PhoneticLine.h"
#include "shell/app/ShellIds.h"

PhrasePane::PhrasePane(const ShellEdition& edition, const ScriptEnvironment& environment)
    : m_edition(edition), m_environment(environment), m_box(environment), m_toggle(environment)
{
}

void PhrasePane::Attach(CDialog& dialog, int frameId)
{
    m_listBox.Attach(dialog, IDC_PHRASE_LIST, &m_view);
    m_hasPhonetic = dialog.AttachCustomControl(IDC_PHONETIC_LINE, m_phonetic);
    dialog.AttachCustomControl(IDC_TRANSLATION_BOX, m_box);
    m_hasToggle = dialog.AttachCustomControl(IDC_SCRIPT_TOGGLE, m_toggle);
    dialog.AttachCustomControl(frameId, m_frame);
    m_box.SetScriptToggle(m_hasToggle ? &m_toggle : nullptr);
    m_toggle.SetTranslationBox(&m_box);
    m_source = nullptr;
    m_translation = nullptr;
    m_box.SetTranslation(nullptr);
    m_frame.SetTranslationBox(nullptr);
}

void PhrasePane::Detach()
{
    m_listBox.Detach();
    m_frame.SetTranslationBox(nullptr);
}

void PhrasePane::SetToggleRefresh(std::function<void()> refresh) { m_toggle.SetRefreshHandler(std::move(refresh)); }

void PhrasePane::FillList(PhraseTextMode mode)
{
    CListBox* list = GetList();
    if (!list)
        return;
    list->ResetContent();
    const unsigned count = m_view.GetPhraseCount();
    list->InitStorage(static_cast<int>(count), 32);
    String longest;
    for (unsigned i = 0; i < count; ++i) {
        const String text = m_view.GetPhraseText(i, mode);
        const int index = list->AddString(text);
        if (index >= 0)
            list->SetItemDataPtr(index, m_view.PhraseAt(i));
        if (text.GetLength() > longest.GetLength())
            longest = text;
    }
    list->SetCurSel(0);
    list->SetHorizontalExtent(list->GetTextExtent(longest).cx + 8);
}

void PhrasePane::ClearSelection()
{
    m_source = nullptr;
    m_translation = nullptr;
}

void PhrasePane::UpdateSelection()
{
    CListBox* list = GetList();
    const int entry = list ? list->GetCurSel() : LB_ERR;
    if (entry < 0) {
        ClearSelection();
        return;
    }
    CPhrase* phrase = static_cast<CPhrase*>(list->GetItemDataPtr(entry));
    if (!phrase)
        return;
    m_source = phrase;
    const int id = phrase->atomic ? phrase->id : phrase->GetConcreteId();
    m_translation = id >= 0 ? GetPhraseBook()->FindTranslation(id) : nullptr;
}

bool PhrasePane::RefreshPhonetic()
{
    if (m_edition.profile->phonetic == PhoneticLine::None)
        return true;
    String line;
    if (!BuildPhoneticLine(*m_edition.profile, m_translation, m_environment.kanaBook, line))
        return false;
    if (m_hasPhonetic) {
        m_phonetic.SetLine(line);
        m_phonetic.Invalidate(true);
    }
    return true;
}

void PhrasePane::RefreshViews(bool phonetic, bool translation, bool toggle, const std::function<void()>& toolbar)
{
    const auto refreshTranslation = [&] {
        if (!translation)
            return;
        m_box.SetTranslation(m_translation);
        m_box.Invalidate(false);
    };
    const auto refreshToggle = [&] {
        if (toggle && m_hasToggle)
            m_toggle.Invalidate(false);
    };
    const auto refreshToolbar = [&] {
        if (toolbar)
            toolbar();
    };
    if (m_edition.refreshOrder == RefreshOrder::TranslationFirst) {
        refreshTranslation();
        refreshToolbar();
        if (phonetic && !RefreshPhonetic())
            return;
        refreshToggle();
        return;
    }
    if (phonetic && !RefreshPhonetic())
        return;
    refreshTranslation();
    refreshToggle();
    refreshToolbar();
}
