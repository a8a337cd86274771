#pragma once

// Menu and toolbar resources as C++ tables.
//
// A menu is a flat list read like a resource script: PopupBegin opens a popup titled text,
// PopupEnd closes the innermost open one. The top-level popups of a menu become the drop-down
// buttons of a command bar ("Category", "Tools"); nested popups become sub menus.
//
//     const MenuEntry kBrowserMenu[] = {
//         {MenuEntryKind::PopupBegin, 0, u"Category"},
//             {MenuEntryKind::PopupBegin, 0, u"Basic"},
//                 {MenuEntryKind::Command, 32791, u"All"},
//             {MenuEntryKind::PopupEnd},
//         {MenuEntryKind::PopupEnd},
//         {MenuEntryKind::PopupBegin, 0, u"Tools"},
//             {MenuEntryKind::Command, 32773, u"Search"},
//             {MenuEntryKind::Separator},
//         {MenuEntryKind::PopupEnd},
//     };
//
// Labels use "&&" for a displayed ampersand and "&x" for a mnemonic, as on the handheld.
//
// A toolbar lists command ids in button order; button i shows image i of the strip bitmap
// (images of the toolbar's image width, side by side). Id 0 is a separator and takes no image.

#include <span>

enum class MenuEntryKind { Command, Separator, PopupBegin, PopupEnd };

struct MenuEntry {
    MenuEntryKind kind;
    int id = 0;
    const char16_t* text = nullptr;
};

struct MenuTemplate {
    int id;
    std::span<const MenuEntry> entries;
};

struct ToolbarTemplate {
    int id;
    int bitmapId;
    std::span<const int> commands;
};
