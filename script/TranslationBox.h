#pragma once
// CTranslationBox: the box at the bottom of the phrase browser and of the related dialog in which
// the selected translation is drawn, and which plays it when tapped.
//
// Chinese and Japanese editions draw the text from the glyph font pixel by pixel, cell by cell as
// GlyphTextLayout.h places them; the Chinese box converts each character to its traditional code
// while the screen has a script toggle and ScriptFlag is 0; the Japanese box draws, while
// ScriptFlag is 0, the kana book's translation with the same id (the main text when the kana
// book has none). The Korean box draws the text with the TrueType face of the profile, word
// wrapped in the client area from (6, 4) to its right and bottom edges. Every box first fills its
// client area white.

#include "platform/ui/CustomControl.h"
#include "script/ScriptEnvironment.h"

class CPhrase;
class CScriptToggle;
class String;

class CTranslationBox : public CCustomControl {
public:
    explicit CTranslationBox(const ScriptEnvironment& environment);

    // The translation shown (borrowed from the phrase book; null shows nothing). The caller
    // repaints the box afterwards.
    void SetTranslation(const CPhrase* translation) { m_translation = translation; }
    const CPhrase* GetTranslation() const { return m_translation; }
    // The toggle of the box's screen; none means the text is never converted.
    void SetScriptToggle(CScriptToggle* toggle) { m_toggle = toggle; }
    CScriptToggle* GetScriptToggle() const { return m_toggle; }

    // Writes "Play phrase: <name>" to the debug log at level 1 and plays the translation's clips.
    // Does nothing when no translation is shown. The speaker frame beside the box calls it too.
    void PlayShownPhrase();

    void OnPaint(CDrawingContext& dc) override;
    void OnPenDown(Point point) override;

private:
    void PaintGlyphs(CDrawingContext& dc, const Rect& client);
    void PaintTrueType(CDrawingContext& dc, const Rect& client);
    const CPhrase* TranslationToDraw() const;
    bool ConvertsToTraditional() const;

    ScriptEnvironment m_environment;
    const CPhrase* m_translation = nullptr;
    CScriptToggle* m_toggle = nullptr;
};
