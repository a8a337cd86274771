#pragma once
// CPinyinBox: the phonetic line between the phrase list and the translation box (PinYin in the
// Chinese edition, romaji in the Japanese one), drawn in "Courier New" of height 16.
//
// The line is split as BreakPinyinLine (PinyinLine.h) says; the first part is drawn at (2, 2), the
// second, when there is one, at (2, 19), clipped at the right edge. The text is drawn black on an
// opaque white background over a white box.
//
// The first paint after SetLine writes the geometry line
// "rect[l,t,r,b]. W, L, wndrect[l,t,r,b]" to the debug log at level 1; later paints write none.

#include "baselib/String.h"
#include "platform/ui/CustomControl.h"

class CPinyinBox : public CCustomControl {
public:
    // Stores the line and arms the geometry log; the caller repaints the box.
    void SetLine(const String& line);
    const String& GetLine() const { return m_line; }

    void OnPaint(CDrawingContext& dc) override;

private:
    String m_line;
    bool m_logPending = false;
};
