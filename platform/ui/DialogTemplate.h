#pragma once

// Dialog templates as C++ tables: what a resource script says about a dialog, per program.
//
//     const ControlTemplate kSearchControls[] = {
//         {IDOK, ControlKind::PushButton, u"Search", StyleDefaultButton, 16, 60, 50, 14},
//         {IDC_STATIC, ControlKind::Static, u"Input a key word or phrase:", 0, 13, 11, 92, 8},
//         ...
//     };
//     const DialogTemplate kSearch = {137, u"Search", u"System", 10, 147, 165, kSearchControls};
//
// Rectangles are in dialog units: x and width in quarters of the dialog font's average character
// width, y and height in eighths of its height. Every dialog fills the screen whatever its size;
// the size only matters to the controls' placement.

#include <cstddef>
#include <span>

enum : int { IDC_STATIC = -1 };

enum class ControlKind {
    Static,        // plain text
    Picture,       // shows imageId (a bitmap resource, else an icon resource) or CStatic::SetBitmap
    GroupBox,
    PushButton,    // click sends the dialog the command of its id
    CheckBox,      // auto check box
    Edit,          // one-line edit, scrolls horizontally as one types
    ListBox,       // selection changes notify the dialog
    ComboBox,      // drop-down list; the height is that of the dropped list
    HtmlViewer,    // the HTML viewer control (HtmlViewer.h)
};

// Style bits that matter on this platform.
enum : unsigned {
    StyleSunken = 0x0001,         // static: sunken edge
    StyleCentered = 0x0002,       // static: centred text
    StyleDefaultButton = 0x0004,  // push button: the default (Enter) button
    StyleBorder = 0x0008,         // edit: framed
    StyleVerticalScroll = 0x0010, // list: vertical scroll bar when needed
    StyleHorizontalScroll = 0x0020, // list: horizontal scroll bar when the extent needs it
    StyleDisabled = 0x0040,
    StyleHidden = 0x0080,
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char16_t* text; // may be nullptr
    unsigned style;
    int x, y, cx, cy;     // dialog units
    int imageId = 0;      // Picture: the bitmap or icon resource shown from the start
};

struct DialogTemplate {
    int id;
    const char16_t* title;
    const char16_t* fontFace; // "System" is the handheld's dialog font
    int fontPointSize;
    int cx, cy;               // dialog units
    std::span<const ControlTemplate> controls;
};
