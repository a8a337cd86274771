#pragma once

// The standard controls of a dialog, by kind. Each is a real platform widget; the calls mirror
// what the screens need of the handheld framework's controls. Indexes are 0-based; "none" is -1.
//
// Selection changes made through these calls never notify the dialog: only the user's own
// choices (taps, and a test's hooks acting as the user) send selection-change notifications.

#include "platform/ui/Bitmap.h"
#include "platform/ui/Window.h"

#include <cstdint>
#include <functional>
#include <memory>

enum : int { LB_ERR = -1, CB_ERR = -1 };

class CListBox : public CWindow {
public:
    void ResetContent();
    // Appends text; returns its index.
    int AddString(const String& text);
    // Inserts before index (-1 appends); returns the index of the new entry, LB_ERR when index
    // is past the end.
    int InsertString(int index, const String& text);
    // Deletes the entry; returns the number left, LB_ERR for an index out of range.
    int DeleteString(int index);
    int GetCount() const;
    String GetText(int index) const;

    // Data attached to an entry (a borrowed pointer, typically a phrase record).
    void SetItemDataPtr(int index, void* data);
    void* GetItemDataPtr(int index) const;

    // Selects the entry (-1 clears the selection); LB_ERR for an index out of range.
    int SetCurSel(int index);
    int GetCurSel() const;
    // The entry's rectangle in the list's client pixels; false when the index is out of range.
    bool GetItemRect(int index, Rect& rect) const;

    // Width in pixels that the list can scroll horizontally to show (0: no horizontal scrolling).
    void SetHorizontalExtent(int width);
    int GetHorizontalExtent() const;
    // Horizontal scroll position and range in pixels: the position runs from min to max, where
    // max is the extent less the client width (max == min when nothing can scroll).
    int GetHorizontalScrollPos() const;
    void GetHorizontalScrollRange(int& min, int& max) const;
    void SetHorizontalScrollPos(int pos);

    // Room for count more entries. The platform list allocates per entry, so this only checks
    // the request: returns the room asked for, LB_ERR for a negative count.
    int InitStorage(int count, int bytesPerEntry);
};

class CComboBox : public CWindow {
public:
    void ResetContent();
    int AddString(const String& text);
    int GetCount() const;
    String GetLBText(int index) const;
    int SetCurSel(int index); // -1 clears; CB_ERR for an index out of range
    int GetCurSel() const;
    // Drops the list down (true) or closes it (false).
    void ShowDropDown(bool show);
    bool GetDroppedState() const;
    // Height of the closed box in pixels.
    int GetClosedHeight() const;

    // Hooks of a combo box that is not a direct control of a dialog (the picker a list makes at
    // run time): the user's choice of an entry, and the closing of the dropped list. Template
    // combos notify their dialog instead (CDialog::OnSelChange).
    void SetSelChangeHandler(std::function<void()> handler);
    void SetCloseUpHandler(std::function<void()> handler);

    // Destroys the widget after the current notification has returned (safe from the combo's own
    // handlers); the handle is empty afterwards.
    void DestroyWindow();
};

// Creates a drop-down-list combo box as a child of parent (in the parent's client pixels).
// rect's height includes the dropped list, as on the handheld; the closed box takes its natural
// height. Returns an empty box when parent is not valid.
std::unique_ptr<CComboBox> CreateChildComboBox(CWindow& parent, int id, const Rect& rect);

class CStatic : public CWindow {
public:
    // Shows the bitmap (picture statics); the control takes the bitmap's size.
    void SetBitmap(const CBitmap& bitmap);
    CBitmap GetBitmap() const;

private:
    CBitmap m_bitmap;
};

class CButton : public CWindow {
public:
    enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1 };
    void SetCheck(int state);
    int GetCheck() const;
};

class CEdit : public CWindow {
public:
    void SetSel(int start, int end);
    void LimitText(int maxChars);
};
