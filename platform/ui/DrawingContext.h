#pragma once

// The drawing context that paint hooks draw with: a small GDI-shaped interface.
//
// Coordinates are the client pixels of the window being painted (0, 0 is its top-left corner);
// drawing outside the client area is clipped. A context always has a current pen, brush and
// font; the Select calls replace one and return the one that was current, so a paint hook
// restores what it changed by selecting the returned value again.
//
// The class is abstract so that a painting control can be tested against a recording context;
// the platform's own context paints a window or an image.

#include "baselib/String.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"

class CPen {
public:
    enum Style { Solid, Null };
    CPen() = default;
    CPen(Style style, int width, ColorRef color) : m_style(style), m_width(width), m_color(color) {}
    Style GetStyle() const { return m_style; }
    int GetWidth() const { return m_width; }
    ColorRef GetColor() const { return m_color; }
    bool operator==(const CPen&) const = default;

private:
    Style m_style = Solid;
    int m_width = 1;
    ColorRef m_color = ColorBlack;
};

class CBrush {
public:
    enum Style { SolidFill, Hollow };
    CBrush() = default;
    explicit CBrush(ColorRef color) : m_style(SolidFill), m_color(color) {}
    static CBrush HollowBrush() { CBrush b; b.m_style = Hollow; return b; }
    Style GetStyle() const { return m_style; }
    ColorRef GetColor() const { return m_color; }
    bool operator==(const CBrush&) const = default;

private:
    Style m_style = SolidFill;
    ColorRef m_color = ColorWhite;
};

// Flags of DrawText (combine with |).
enum : unsigned {
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,  // only with DT_SINGLELINE
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_NOCLIP = 0x0100,
    DT_CALCRECT = 0x0400, // measure only: rect's bottom (and right for one line) are set, nothing drawn
};

enum class BackgroundMode { Transparent, Opaque };

class CDrawingContext {
public:
    virtual ~CDrawingContext() = default;

    // The client rectangle of what is being painted: (0, 0, width, height).
    virtual Rect GetClientRect() const = 0;

    virtual void SetPixel(int x, int y, ColorRef color) = 0;
    virtual ColorRef GetPixel(int x, int y) const = 0;

    // Outlines left..right-1 × top..bottom-1 with the current pen and fills the inside with the
    // current brush (a null pen leaves no outline, a hollow brush no fill).
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // Fills the rectangle with the colour; pen and brush are not used.
    virtual void FillRect(const Rect& rect, ColorRef color) = 0;

    // Copies the part (sourceX, sourceY, width, height) of the bitmap to (x, y); parts outside
    // the bitmap copy nothing.
    virtual void BitBlt(int x, int y, int width, int height, const CBitmap& source, int sourceX,
                        int sourceY) = 0;

    // One line of text with its cell's top-left corner at (x, y), in the text colour; with an
    // opaque background the cell is first filled with the background colour.
    virtual void TextOut(int x, int y, const String& text) = 0;
    // Width and height of one line of the text in the current font (no line breaks).
    virtual Size GetTextExtent(const String& text) const = 0;
    // Text inside rect with DT_ flags; returns the height of the text drawn (or measured).
    // DT_WORDBREAK breaks lines between words, and inside a word only when it is wider than rect.
    virtual int DrawText(const String& text, Rect& rect, unsigned format) = 0;

    virtual CPen SelectPen(const CPen& pen) = 0;
    virtual CBrush SelectBrush(const CBrush& brush) = 0;
    virtual CFont SelectFont(const CFont& font) = 0;

    virtual ColorRef SetTextColor(ColorRef color) = 0;
    virtual ColorRef SetBkColor(ColorRef color) = 0;
    virtual BackgroundMode SetBkMode(BackgroundMode mode) = 0;
};
