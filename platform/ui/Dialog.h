#pragma once

// CDialog: a modal dialog built from a dialog template (Resources.h), filling the screen.
//
// Life of a dialog object:
//   constructed (no window) -> DoModal: controls created from the template, OnInitDialog, the
//   dialog shown, a nested event loop runs its hooks -> EndDialog(result) -> OnDestroy, the
//   controls destroyed -> DoModal returns result. The object can run again afterwards.
//
// Hooks (override; call the base version where it is said to do something):
//   OnInitDialog   base: data exchange into the controls. Return true to let the framework give
//                  the focus to the first control that takes it; false when the hook set it.
//   OnSize         the dialog's client size changed (the screen was resized or rotated). Not
//                  called for the first layout.
//   OnDestroy      before the controls go away.
//   OnCommand      a menu command, a toolbar button or a push button. Base: the handler bound
//                  with BindCommand; then IDOK -> OnOK, IDCANCEL -> OnCancel. Returns whether
//                  anything handled it.
//   OnSelChange    the user changed the selection of a list box or combo box of the template
//                  (or PostNotification delivered one). Base: the handler bound with
//                  BindSelChange.
//   OnPenDown/Up   a tap on the dialog's own client area or on a control that lets taps through
//                  (plain statics, pictures and group boxes do, as on the handheld), client pixels.
//   OnQueryCommandEnabled  asked before a menu opens and after every event, for each command of
//                  the dialog's menus and toolbars; set enabled and return true to decide its
//                  state, return false to leave it as the program set it.
//   OnOK, OnCancel base: OnOK exchanges data out of the controls (stops when that fails) and
//                  ends with IDOK; OnCancel ends with IDCANCEL.
//
// The screen's close request (the title bar's OK of the handheld) sends IDOK to the dialog in
// front.

#include "baselib/String.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Window.h"

#include <functional>
#include <map>
#include <memory>

class CDialog;

// Moves values between controls and members: into the controls when IsSaving() is false (on
// open), out of them when it is true (on OK).
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool saving) : m_dialog(dialog), m_saving(saving) {}
    CDialog& GetDialog() const { return m_dialog; }
    bool IsSaving() const { return m_saving; }
    // Marks the exchange failed (a value could not be read); OnOK then keeps the dialog open.
    void Fail() { m_failed = true; }
    bool HasFailed() const { return m_failed; }

private:
    CDialog& m_dialog;
    bool m_saving;
    bool m_failed = false;
};

// The edit control id and a String member.
void DDX_Text(CDataExchange& dx, int controlId, String& value);
// The check box id and an int member (0 unchecked, 1 checked).
void DDX_Check(CDataExchange& dx, int controlId, int& value);

enum class Notification { SelChange };

struct DialogState; // defined by the platform implementation

class CDialog : public CWindow {
public:
    explicit CDialog(int templateId, CDialog* parent = nullptr);
    ~CDialog() override;

    int GetTemplateId() const { return m_templateId; }
    CDialog* GetParent() const { return m_parent; }

    // Runs the dialog; returns the result given to EndDialog, or -1 when the template is not
    // registered or the dialog is already running.
    int DoModal();
    // Ends the run once the current hook has returned.
    void EndDialog(int result);
    bool IsRunning() const;

    // Controls of the template by id, then windows made at run time inside the dialog (none when
    // absent or when the dialog is not running).
    CWindow* GetDlgItem(int id) const;
    template <class Control>
    Control* GetControl(int id) const { return dynamic_cast<Control*>(GetDlgItem(id)); }
    void SetDlgItemText(int id, const String& text);
    String GetDlgItemText(int id) const;

    // Hands painting and taps of the template's static id to control; false when there is no
    // such static. Call from OnInitDialog (or later while the dialog runs).
    bool AttachCustomControl(int id, CCustomControl& control);

    // Message map: handlers bound to command ids and to control ids (selection changes).
    void BindCommand(int commandId, std::function<void()> handler);
    void BindSelChange(int controlId, std::function<void()> handler);
    // Queues a notification from controlId; it is delivered after the current hook returns.
    void PostNotification(int controlId, Notification code);

    // Exchanges data with the controls (DoDataExchange); returns false when it failed.
    bool UpdateData(bool saveAndValidate = true);

    // The screen shows this icon resource while the dialog is in front.
    void SetIcon(int iconId);
    void SetWindowTitle(const String& title);
    String GetWindowTitle() const;

    virtual bool OnInitDialog();
    virtual void OnSize(int clientWidth, int clientHeight);
    virtual void OnDestroy();
    virtual bool OnCommand(int commandId);
    virtual void OnSelChange(int controlId);
    virtual void OnPenDown(Point point);
    virtual void OnPenUp(Point point);
    virtual bool OnQueryCommandEnabled(int commandId, bool& enabled);
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& dx);

    // Framework use.
    DialogState& GetState() const { return *m_state; }

private:
    int m_templateId;
    CDialog* m_parent;
    std::unique_ptr<DialogState> m_state;
};
