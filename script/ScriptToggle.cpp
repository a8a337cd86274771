#include "script/ScriptToggle.h"

#include "script/EditionProfile.h"
#include "script/GlyphFont.h"

CScriptToggle::CScriptToggle(const ScriptEnvironment& environment) : m_environment(environment) {}

char16_t CScriptToggle::GetSampleCode() const
{
    if (m_environment.profile == nullptr)
        return 0;
    const ScriptToggleSamples& samples = m_environment.profile->toggleSamples;
    const bool flagOne = m_environment.scriptFlag == nullptr || *m_environment.scriptFlag != 0;
    return flagOne ? samples.flagOne : samples.flagZero;
}

void CScriptToggle::OnPaint(CDrawingContext& dc)
{
    const Rect client = dc.GetClientRect();
    dc.FillRect(client, ColorYellow);
    if (m_environment.glyphFont == nullptr)
        return;
    uint8_t pixels[CGlyphFont::kMode16BufferBytes];
    if (!m_environment.glyphFont->GetGlyph(GetSampleCode(), pixels, sizeof pixels, CGlyphFont::kPixelMode16))
        return;
    for (int row = 0; row < CGlyphFont::kGlyphSide; ++row)
        for (int column = 0; column < CGlyphFont::kGlyphSide; ++column)
            dc.SetPixel(client.left + column + 1, client.top + row + 1,
                        CGlyphFont::IsInk16(pixels, column, row) ? ColorBlue : ColorYellow);
}

void CScriptToggle::Flip()
{
    if (m_environment.scriptFlag != nullptr)
        *m_environment.scriptFlag = *m_environment.scriptFlag != 0 ? 0 : 1;
    if (m_refresh) {
        m_refresh();
    } else if (m_box != nullptr) {
        m_box->Invalidate(true);
        m_box->UpdateWindow();
    }
    Invalidate(true);
    UpdateWindow();
}

void CScriptToggle::OnPenDown(Point)
{
    Flip();
}
