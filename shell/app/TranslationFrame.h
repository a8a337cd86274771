#pragma once
// TranslationFrame: the white sunken frame around the translation box, with the speaker icon
// at its left. A tap on it plays the translation the box shows.

#include "platform/ui/Bitmap.h"
#include "platform/ui/CustomControl.h"

class CTranslationBox;

class TranslationFrame : public CCustomControl {
public:
    void SetTranslationBox(CTranslationBox* box) { m_box = box; }
    CTranslationBox* GetTranslationBox() const { return m_box; }

    // White client area, then the 16 x 16 top-left part of the speaker bitmap at (0, 8).
    void OnPaint(CDrawingContext& dc) override;
    void OnPenDown(Point point) override;

private:
    CTranslationBox* m_box = nullptr;
    CBitmap m_speaker;
};
