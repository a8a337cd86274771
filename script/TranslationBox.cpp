#include "script/TranslationBox.h"

#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "script/EditionProfile.h"
#include "script/G2bTable.h"
#include "script/GlyphFont.h"
#include "script/GlyphTextLayout.h"
#include "shell/log/DebugLog.h"

CTranslationBox::CTranslationBox(const ScriptEnvironment& environment) : m_environment(environment) {}

void CTranslationBox::OnPaint(CDrawingContext& dc)
{
    const Rect client = dc.GetClientRect();
    const CPen oldPen = dc.SelectPen(CPen(CPen::Solid, 1, ColorWhite));
    const CBrush oldBrush = dc.SelectBrush(CBrush(ColorWhite));
    dc.Rectangle(client.left, client.top, client.right, client.bottom);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);

    if (m_translation == nullptr || m_environment.profile == nullptr)
        return;
    if (m_environment.profile->translation == TranslationDrawing::KoreanTrueType)
        PaintTrueType(dc, client);
    else
        PaintGlyphs(dc, client);
}

const CPhrase* CTranslationBox::TranslationToDraw() const
{
    if (m_environment.profile->translation != TranslationDrawing::JapaneseGlyphs ||
        m_environment.scriptFlag == nullptr || *m_environment.scriptFlag != 0 ||
        m_environment.kanaBook == nullptr)
        return m_translation;
    // Kana mode; a phrase the kana book lacks keeps its main text rather than showing nothing.
    const CPhrase* kana = m_environment.kanaBook->FindTranslation(m_translation->id);
    return kana != nullptr ? kana : m_translation;
}

bool CTranslationBox::ConvertsToTraditional() const
{
    return m_environment.profile->translation == TranslationDrawing::ChineseGlyphs &&
           m_toggle != nullptr && m_environment.scriptFlag != nullptr && *m_environment.scriptFlag == 0;
}

void CTranslationBox::PaintGlyphs(CDrawingContext& dc, const Rect& client)
{
    if (m_environment.glyphFont == nullptr)
        return;
    const String& text = TranslationToDraw()->name;
    const bool convert = ConvertsToTraditional();
    CG2bTable* table = nullptr;
    if (convert)
        table = m_environment.conversionTable != nullptr ? m_environment.conversionTable : GetG2bTable();

    uint8_t pixels[CGlyphFont::kMode16BufferBytes];
    for (const GlyphCell& cell :
         LayoutGlyphText(m_environment.profile->translation, client.Width(), client.Height(), text)) {
        char16_t code = text[cell.textIndex];
        if (convert)
            code = table->ToTraditional(code);
        if (!m_environment.glyphFont->GetGlyph(code, pixels, sizeof pixels, CGlyphFont::kPixelMode16))
            continue;  // a blank cell
        for (int row = 0; row < CGlyphFont::kGlyphSide; ++row)
            for (int column = 0; column < CGlyphFont::kGlyphSide; ++column)
                if (CGlyphFont::IsInk16(pixels, column, row))
                    dc.SetPixel(client.left + cell.x + column, client.top + cell.y + row, ColorBlack);
    }
}

void CTranslationBox::PaintTrueType(CDrawingContext& dc, const Rect& client)
{
    const EditionProfile& profile = *m_environment.profile;
    const CFont oldFont = dc.SelectFont(CFont(profile.translationFaceHeight,
                                              String(profile.translationFace != nullptr ? profile.translationFace : u"")));
    const ColorRef oldText = dc.SetTextColor(ColorBlack);
    const BackgroundMode oldMode = dc.SetBkMode(BackgroundMode::Transparent);
    Rect area{client.left + 6, client.top + 4, client.right, client.bottom};
    dc.DrawText(m_translation->name, area, DT_LEFT | DT_WORDBREAK);
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldText);
    dc.SelectFont(oldFont);
}

void CTranslationBox::PlayShownPhrase()
{
    if (m_translation == nullptr)
        return;
    WriteLog(GetDebugLog(), String(u"Play phrase: ") + m_translation->name, 1);
    if (m_environment.player)
        m_environment.player(m_translation->clips.GetData(), m_translation->GetClipCount());
}

void CTranslationBox::OnPenDown(Point)
{
    PlayShownPhrase();
}
