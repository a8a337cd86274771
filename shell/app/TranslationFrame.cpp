#include "shell/app/TranslationFrame.h"

#include "script/TranslationBox.h"
#include "shell/app/ShellIds.h"

void TranslationFrame::OnPaint(CDrawingContext& dc)
{
    const Rect client = dc.GetClientRect();
    const CPen oldPen = dc.SelectPen(CPen(CPen::Solid, 1, ColorWhite));
    const CBrush oldBrush = dc.SelectBrush(CBrush(ColorWhite));
    dc.Rectangle(client.left, client.top, client.right, client.bottom);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    if (m_speaker.IsNull())
        m_speaker.LoadBitmap(IDB_SPEAKER);
    dc.BitBlt(0, 8, 16, 16, m_speaker, 0, 0);
}

void TranslationFrame::OnPenDown(Point)
{
    if (m_box)
        m_box->PlayShownPhrase();
}
