#pragma once

// CWindow: a handle to one window of the running screen (a dialog, one of its controls, a
// control made at run time). Every control is a real platform widget; this class only names it.
//
// A handle is empty until the framework attaches it (a dialog attaches its controls when it is
// created by DoModal and detaches them when it ends). Every call on an empty handle, or on one
// whose widget is gone, does nothing and returns 0, false or an empty value.

#include "baselib/String.h"
#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"

#include <functional>
#include <memory>

struct WindowHandle; // defined by the platform implementation

class CWindow {
public:
    CWindow();
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    bool IsValid() const;
    int GetDlgCtrlID() const;

    // Rectangles: the client area is (0, 0, width, height); the window rectangle is in screen
    // pixels (the screen's client area), as the platform reports it; ScreenToClient and
    // ClientToScreen convert with this window's client origin.
    Rect GetClientRect() const;
    Rect GetWindowRect() const;
    void ScreenToClient(Rect& rect) const;
    void ClientToScreen(Rect& rect) const;
    Point ScreenToClient(Point p) const;
    // Places the window in its parent's client pixels; z-order is unchanged.
    void MoveWindow(const Rect& rectInParent, bool repaint = true);

    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void SetFocus();

    void SetWindowText(const String& text);
    String GetWindowText() const;

    void SetFont(const CFont& font);
    // The font the window draws its text with (a dialog's font when none was set).
    CFont GetFont() const;
    // Width and height of one line of text in the window's font.
    Size GetTextExtent(const String& text) const;

    // Marks the window for repainting; with erase the background is cleared first.
    void Invalidate(bool erase = true);
    // Repaints an invalidated window at once, before returning.
    void UpdateWindow();

    // Pen hooks that run after the window's own handling of a tap (a list selects the entry under
    // the pen first), with the point in client pixels. One handler each; an empty one removes it.
    using PenHandler = std::function<void(Point)>;
    void SetPenDownHandler(PenHandler handler);
    void SetPenUpHandler(PenHandler handler);

    // Framework use: binds this handle to a widget (see WindowHandle).
    WindowHandle& GetHandle() const { return *m_handle; }

private:
    std::unique_ptr<WindowHandle> m_handle;
};
