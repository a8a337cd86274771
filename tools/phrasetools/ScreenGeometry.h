#pragma once
// Client sizes, in pixels of the 240 x 320 portrait screen, of the boxes that show a
// translation, computed from each edition's main phrase dialog as the platform lays it out:
// dialog units become pixels by the handheld dialog font's base units (a 147 x 165 unit
// dialog fills the 240 x 294 pixels above the command bar), each edge rounded on its own.

struct BoxSize {
    int width = 0;
    int height = 0;
};

// Pixels of a control given in dialog units (x, y, cx, cy).
BoxSize DialogUnitsToPixels(int x, int y, int cx, int cy);

struct EditionGeometry {
    BoxSize translation;   // the translation box (control 1012)
    BoxSize phonetic;      // the PinYin / romaji line (control 1006); 0 x 0 when absent
};

EditionGeometry ChineseGeometry();
EditionGeometry JapaneseGeometry();
EditionGeometry KoreanGeometry();

// The Korean box draws from (6, 4) to its right and bottom edges with the TrueType face.
constexpr int kKoreanTextLeft = 6;
constexpr int kKoreanTextTop = 4;
constexpr int kKoreanFontPixels = 16;
