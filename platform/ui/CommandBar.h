#pragma once

// A command bar: the strip at the bottom of a screen that holds a menu bar (one drop-down
// button per top-level popup of a menu resource) and a toolbar (buttons of a toolbar resource).
//
// Create it in the dialog's initialisation hook. A dialog may have several bars; they share the
// strip of BarHeight pixels at the bottom and the one created or brought to the front last is
// shown. Every dialog keeps that strip (empty when it has no bar), so its client area, the
// screen less the strip, does not change when bars come and go. Choosing a menu item or a button sends its command id to the
// dialog (CDialog::OnCommand); a disabled item or button sends nothing. The bar lives until the
// dialog's run ends; the object may be a member of the dialog and be created again next run.

#include "platform/ui/Geometry.h"
#include "platform/ui/Window.h"

class CDialog;

class CCommandBar : public CWindow {
public:
    enum : int { BarHeight = 26 };

    bool Create(CDialog& parent);
    // Adds a drop-down button for each top-level popup of the menu; false when it is not
    // registered or the bar is not created.
    bool InsertMenuBar(int menuId);
    // Adds the toolbar's buttons after the menu buttons; false when the toolbar or its bitmap is
    // not registered or the bar is not created.
    bool AddToolbar(int toolbarId, Size buttonSize = {23, 21}, Size imageSize = {16, 15});
    void BringToFront();
    bool IsInFront() const;

    // Enables or disables a toolbar button and every menu item with the command id.
    void EnableCommand(int commandId, bool enable);
    // Toolbar button first, then menu items; false for an unknown id.
    bool IsCommandEnabled(int commandId) const;
    bool HasCommand(int commandId) const;
    int GetHeight() const;
};
