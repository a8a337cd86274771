#pragma once

// Driving the screens from tests, as a user would, without Qt in the test.
//
// RunWithScript starts something on the user-interface thread (a program's start-up, or one
// dialog's DoModal) and runs the test's script on a second thread while it runs. Every hook
// below may be called from that script: it acts on the user-interface thread and returns when
// the screen has settled (all events that the action caused have been handled, including the
// opening of a modal dialog, which keeps running). Hooks called outside a script run directly.
//
// Screen points are pixels of the screen's client area (0, 0 top-left).

#include "baselib/String.h"
#include "platform/ui/Geometry.h"

#include <cstdint>
#include <functional>
#include <vector>

class CApplication;
class CDialog;

namespace TestHooks {

// Brings up the platform for a test process (QT_QPA_PLATFORM=offscreen is expected): the
// screen at 240 × 320, the message box handler, the bundled fonts. Safe to call repeatedly.
void StartPlatform();

// Runs start on the user-interface thread and script on a helper thread at the same time;
// returns start's result once both have finished. When the script ends while dialogs still
// run, they are ended with IDCANCEL (innermost first) so that start can return.
int RunWithScript(const std::function<int()>& start, const std::function<void()>& script);
// A program's whole life (RunApplication without its own argument parsing) under a script.
int RunProgram(CApplication& app, const std::function<void()>& script);

// Runs work on the user-interface thread and waits for it (for checks that read a dialog's own
// objects; work must not open a dialog).
void RunOnUiThread(const std::function<void()>& work);

// The running dialogs, innermost last, and the one in front (nullptr when none runs).
std::vector<CDialog*> GetRunningDialogs();
CDialog* GetActiveDialog();
int GetActiveDialogTemplate(); // -1 when none
String GetScreenTitle();
// Waits (processing events) until the dialog in front has the template id; false on timeout. The
// default is generous because a loaded machine (parallel tests, sanitizers) can take seconds to
// open a screen; waits that expect no dialog pass a short timeout of their own.
bool WaitForDialog(int templateId, int timeoutMs = 30000);

// Taps: pen down and pen up at the point, delivered to whatever is under it (an open drop-down
// list or menu first, then the front dialog's controls, its command bar, the dialog itself).
void Tap(Point screenPoint);
void PenDown(Point screenPoint);
void PenUp(Point screenPoint);
// Taps the centre of the front dialog's control; false when there is no such control.
bool TapControl(int controlId);
// Taps the point of the control given in its client pixels.
bool TapControlAt(int controlId, Point clientPoint);
// The control's rectangle in screen pixels; empty when absent.
Rect GetControlScreenRect(int controlId);
// A point of the control's client area in screen pixels (the point itself when absent).
Point ControlClientToScreen(int controlId, Point clientPoint);

// Reading controls of the front dialog.
bool HasControl(int controlId);
String GetControlText(int controlId);
bool IsControlEnabled(int controlId);
bool IsControlVisible(int controlId);
std::vector<String> GetListEntries(int controlId);   // list or combo box entries
int GetListSelection(int controlId);                 // list or combo box, -1 when none
bool IsComboDropped(int controlId);
// The id of the front dialog's control that has the focus; 0 when none has it.
int GetFocusedControl();

// The user's choice of entry index in a combo box of the front dialog: drops its list, picks
// the entry and closes the list, as taps would. False when there is no such combo or index.
bool ChooseComboEntry(int controlId, int index);
// The same for the drop-down list that is open now (a picker made at run time).
bool ChooseOpenDropDownEntry(int index);
bool IsDropDownOpen();

// Command bars of the front dialog: the state of a command in the bar in front, and choosing it
// from its menu (false when the command is in no menu of the bar in front or is disabled).
bool IsCommandEnabled(int commandId);
bool HasCommand(int commandId);
bool ChooseMenuCommand(int commandId);
// Taps the toolbar button of the command in the bar in front; false when it has no button.
bool TapToolbarButton(int commandId);
// The labels of the bar in front's drop-down buttons, and the labels of a popup's items (path
// of popup titles from a drop-down button down, "-" for separators).
std::vector<String> GetMenuBarButtons();
// Real taps on menus: on the bar in front's drop-down button with that label (its menu opens
// and stays open), and on the item with that label of the menu open now (a sub menu opens, a
// command is chosen). Labels are compared without their "&" marks. False when not found.
bool TapMenuBarButton(const String& label);
bool TapOpenMenuItem(const String& label);
bool IsMenuOpen();
std::vector<String> GetMenuItems(const std::vector<String>& popupPath);

// Types text into the edit control (replacing its text, as a user selecting all and typing).
bool TypeText(int controlId, const String& text);
// Sets a check box as a tap would.
bool SetCheck(int controlId, bool checked);
// The screen's close request: the title bar's OK of the handheld.
void PressTitleOk();

// Message boxes: answers for the next boxes, in order (IDOK, IDCANCEL); a box with no answer
// waiting is answered IDOK. Every box shown is recorded.
struct ShownMessageBox {
    String text;
    String title;
    unsigned type;
    int answer;
};
void AnswerNextMessageBoxes(const std::vector<int>& answers);
std::vector<ShownMessageBox> TakeShownMessageBoxes();

// Taps the first link of the HTML viewer control whose target is href; false when the viewer
// or the link is not there.
bool TapHtmlLink(int viewerControlId, const String& href);

// The HTML viewer: make it unavailable (as when the platform has no viewer) or available again.
void SetHtmlViewerAvailable(bool available);

void ResizeScreen(int width, int height);

// A captured screen: width × height pixels as ColorRef values (Color.h), rows top to bottom.
struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
ScreenImage CaptureScreen();
bool SavePng(const ScreenImage& image, const String& path);
bool LoadPng(const String& path, ScreenImage& image);
// Share of pixels (0..1) whose colour differs from the reference by more than channelTolerance
// in any channel; 1 when the sizes differ.
double CompareImages(const ScreenImage& image, const ScreenImage& reference, int channelTolerance);

} // namespace TestHooks
