#include "script/PinyinBox.h"

#include <cstdio>

#include "platform/core/MessageBox.h"
#include "script/PinyinLine.h"
#include "shell/log/DebugLog.h"

void CPinyinBox::SetLine(const String& line)
{
    m_line = line;
    m_logPending = true;
}

void CPinyinBox::OnPaint(CDrawingContext& dc)
{
    const Rect client = dc.GetClientRect();
    const CPen oldPen = dc.SelectPen(CPen(CPen::Solid, 1, ColorWhite));
    const CBrush oldBrush = dc.SelectBrush(CBrush(ColorWhite));
    dc.Rectangle(client.left, client.top, client.right, client.bottom);

    CFont font;
    const bool created = font.CreateFont(16, String(u"Courier New"));
    if (!created)
        ShowMessageBox(String(u"Failed to create font for Pinyin"), String(u""), MB_OK);
    const CFont oldFont = created ? dc.SelectFont(font) : CFont();
    const ColorRef oldText = dc.SetTextColor(ColorBlack);
    const ColorRef oldBack = dc.SetBkColor(ColorWhite);
    const BackgroundMode oldMode = dc.SetBkMode(BackgroundMode::Opaque);

    String first;
    String second;
    BreakPinyinLine(m_line, client.Width(), first, second);
    dc.TextOut(client.left + 2, client.top + 2, first);
    if (!second.IsEmpty())
        dc.TextOut(client.left + 2, client.top + 19, second);

    if (m_logPending) {
        const Rect window = GetWindowRect();
        char text[160];
        std::snprintf(text, sizeof text, "rect[%d,%d,%d,%d]. %d, %d, wndrect[%d,%d,%d,%d]",
                      client.left, client.top, client.right, client.bottom, client.Width() / 9,
                      m_line.GetLength(), window.left, window.top, window.right, window.bottom);
        WriteLog(GetDebugLog(), String(text), 1);
        m_logPending = false;
    }

    dc.SetBkMode(oldMode);
    dc.SetBkColor(oldBack);
    dc.SetTextColor(oldText);
    if (created)
        dc.SelectFont(oldFont);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}
