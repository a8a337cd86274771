#pragma once
// PhraseListBox: the phrase list of a screen (control 1004) and its in-place value picker.
//
// A tap on a template phrase's bracketed word opens a drop-down list of that word's values
// right over the word (control 6767, a child of the list). Choosing a value sets the wildcard's
// current value, rewrites the entry's text and posts a selection change of the list to the
// dialog, so that the translation follows; then the picker goes away.

#include "baselib/String.h"
#include "platform/ui/Controls.h"

#include <memory>

class CCategoryView;
class CDialog;
class CPhrase;
class CWildCard;

class PhraseListBox {
public:
    PhraseListBox() = default;
    ~PhraseListBox();
    PhraseListBox(const PhraseListBox&) = delete;
    PhraseListBox& operator=(const PhraseListBox&) = delete;

    // Takes over the dialog's list control `controlId` for the view's phrases. Call from the
    // dialog's initialisation hook; false when the dialog has no such list.
    bool Attach(CDialog& dialog, int controlId, CCategoryView* view);
    void Detach();

    CListBox* GetList() const { return m_list; }
    int GetControlId() const { return m_controlId; }
    // The picker while one is open, else null.
    CComboBox* GetPicker() const { return m_picker.get(); }

    // The pen-down handling: runs after the list has selected the entry under the pen.
    void OnPenDown(Point point);

    // The picker's rectangle in the list's client pixels for a word at `wordLeft` (scrolled):
    // three pixels right of the word, as wide as the longest value and some margin, from just
    // above the entry down past room for every value.
    static Rect PickerRect(int wordLeft, int longestValueWidth, const Rect& entry, int valueCount,
                           int textHeight);

private:
    void ClosePicker();
    void OnValueChosen();
    int HorizontalScrollOffset() const;

    CDialog* m_dialog = nullptr;
    CListBox* m_list = nullptr;
    CCategoryView* m_view = nullptr;
    int m_controlId = 0;
    std::unique_ptr<CComboBox> m_picker;
    CPhrase* m_pickerPhrase = nullptr;
    int m_pickerEntry = -1;
    int m_pickerWildCard = -1;
    bool m_pickerDone = false;
};
