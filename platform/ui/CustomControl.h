#pragma once

// A custom-drawn control: a static of a dialog template whose painting and taps the program
// takes over (translation box, PinYin line, script toggle, speaker frame).
//
// Derive, override the hooks, and attach the object to the template's control with
// CDialog::AttachCustomControl in the dialog's initialisation hook. The object stays owned by
// the caller and must outlive the dialog's run (a member of the dialog is the usual place).
// The hooks get the control's client pixels; for a sunken static the client area is inside
// its edge.

#include "platform/ui/DrawingContext.h"
#include "platform/ui/Window.h"

class CCustomControl : public CWindow {
public:
    // Paints the whole client area. Nothing has been drawn before it is called: the background
    // is whatever the previous paint left when the repaint was asked for without erasing, and
    // the control's background colour otherwise.
    virtual void OnPaint(CDrawingContext& dc) = 0;
    virtual void OnPenDown(Point) {}
    virtual void OnPenUp(Point) {}
};
