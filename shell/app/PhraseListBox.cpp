#include "shell/app/PhraseListBox.h"

#include "phrasebook/Phrase.h"
#include "phrasebook/TemplateText.h"
#include "phrasebook/WildCard.h"
#include "platform/ui/Dialog.h"
#include "shell/app/ShellIds.h"

PhraseListBox::~PhraseListBox() { Detach(); }

bool PhraseListBox::Attach(CDialog& dialog, int controlId, CCategoryView* view)
{
    Detach();
    m_list = dialog.GetControl<CListBox>(controlId);
    if (!m_list)
        return false;
    m_dialog = &dialog;
    m_controlId = controlId;
    m_view = view;
    m_list->SetPenDownHandler([this](Point point) { OnPenDown(point); });
    return true;
}

void PhraseListBox::Detach()
{
    m_picker.reset();
    if (m_list)
        m_list->SetPenDownHandler(nullptr);
    m_list = nullptr;
    m_dialog = nullptr;
    m_view = nullptr;
}

Rect PhraseListBox::PickerRect(int wordLeft, int longestValueWidth, const Rect& entry, int valueCount,
                               int textHeight)
{
    return {wordLeft + 3, entry.top - 3, wordLeft + longestValueWidth + 8,
            entry.bottom + valueCount * textHeight + 10};
}

int PhraseListBox::HorizontalScrollOffset() const
{
    int minimum = 0;
    int maximum = 0;
    m_list->GetHorizontalScrollRange(minimum, maximum);
    const int position = m_list->GetHorizontalScrollPos();
    const int range = maximum - minimum;
    if (range > 0)
        return m_list->GetClientRect().Width() * position / range;
    return position;
}

void PhraseListBox::ClosePicker()
{
    if (m_picker) {
        m_picker->DestroyWindow();
        m_picker.reset();
    }
    m_pickerPhrase = nullptr;
    m_pickerEntry = -1;
    m_pickerWildCard = -1;
}

void PhraseListBox::OnPenDown(Point point)
{
    if (!m_list)
        return;
    ClosePicker();
    const int entry = m_list->GetCurSel();
    CPhrase* phrase = entry >= 0 ? static_cast<CPhrase*>(m_list->GetItemDataPtr(entry)) : nullptr;
    if (m_view && phrase && !phrase->atomic) {
        const int scroll = HorizontalScrollOffset();
        WildCardHit hit;
        const auto measure = [this](const String& text) { return m_list->GetTextExtent(text).cx; };
        const int wildcardIndex = HitTestWildCard(*phrase, point.x + scroll, measure, &hit);
        CWildCard* wildcard = wildcardIndex >= 0 ? phrase->GetWildCardAt(wildcardIndex) : nullptr;
        Rect entryRect;
        if (wildcard && wildcard->GetValueCount() > 0 && m_list->GetItemRect(entry, entryRect)) {
            const int textHeight = m_list->GetTextExtent(phrase->GetDisplayText()).cy;
            const int longest = m_list->GetTextExtent(wildcard->GetLongestValue()).cx;
            const Rect rect = PickerRect(hit.left - scroll, longest, entryRect, wildcard->GetValueCount(),
                                         textHeight);
            m_picker = CreateChildComboBox(*m_list, IDC_VALUE_PICKER, rect);
            if (m_picker && m_picker->IsValid()) {
                m_pickerPhrase = phrase;
                m_pickerEntry = entry;
                m_pickerWildCard = wildcardIndex;
                m_pickerDone = false;
                m_picker->SetFont(m_list->GetFont());
                for (int i = 0; i < wildcard->GetValueCount(); ++i)
                    m_picker->AddString(wildcard->GetValueAt(i));
                m_picker->SetCurSel(0);
                m_picker->SetSelChangeHandler([this] { OnValueChosen(); });
                m_picker->SetCloseUpHandler([this] { OnValueChosen(); });
                m_picker->ShowWindow(true);
                m_picker->SetFocus();
                m_picker->ShowDropDown(true);
            } else {
                m_picker.reset();
            }
        }
    }
    m_list->Invalidate(true);
}

void PhraseListBox::OnValueChosen()
{
    // The choice and the closing of the list both arrive; the first one decides.
    if (!m_picker || m_pickerDone || !m_list || !m_pickerPhrase)
        return;
    m_pickerDone = true;
    if (CWildCard* wildcard = m_pickerPhrase->GetWildCardAt(m_pickerWildCard))
        wildcard->SetCurrentValueIndex(m_picker->GetCurSel());
    const int entry = m_pickerEntry;
    CPhrase* phrase = m_pickerPhrase;
    if (entry >= 0 && entry < m_list->GetCount()) {
        m_list->DeleteString(entry);
        const int index = m_list->InsertString(entry, phrase->GetDisplayText());
        if (index >= 0) {
            m_list->SetItemDataPtr(index, phrase);
            m_list->SetCurSel(index);
        }
        if (m_dialog)
            m_dialog->PostNotification(m_controlId, Notification::SelChange);
    }
    // The widget goes once this notification has returned; the handle stays safe until then.
    m_picker->DestroyWindow();
    m_pickerPhrase = nullptr;
    m_pickerEntry = -1;
    m_pickerWildCard = -1;
}
