#pragma once
// CScriptToggle: the small yellow button below the translation box that shows one sample
// character of the current script and switches the application-wide ScriptFlag when tapped.
//
// Paint: fill yellow, then the profile's sample glyph for the current flag (Chinese: U+7B80 for
// simplified, U+7E41 for traditional; Japanese: U+6F22 for kanji, U+3042 for kana) at
// (column + 1, row + 1), ink blue and background yellow. Without the glyph only yellow shows.
//
// Tap: flip ScriptFlag; then either the screen's refresh handler runs (the Japanese screens
// refresh all their views), or the translation box given to the toggle is repainted at once;
// then the toggle repaints itself at once.

#include <functional>

#include "platform/ui/CustomControl.h"
#include "script/ScriptEnvironment.h"

class CScriptToggle : public CCustomControl {
public:
    explicit CScriptToggle(const ScriptEnvironment& environment);

    // The screen's translation box, repainted after a flip (Chinese screens).
    void SetTranslationBox(CWindow* box) { m_box = box; }
    // Runs after a flip instead of repainting the box (the Japanese screens' RefreshViews).
    void SetRefreshHandler(std::function<void()> refresh) { m_refresh = std::move(refresh); }

    // The sample character shown for the current flag.
    char16_t GetSampleCode() const;
    // Flips ScriptFlag and repaints as a tap does.
    void Flip();

    void OnPaint(CDrawingContext& dc) override;
    void OnPenDown(Point point) override;

private:
    ScriptEnvironment m_environment;
    CWindow* m_box = nullptr;
    std::function<void()> m_refresh;
};
