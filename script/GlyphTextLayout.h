#pragma once
// Where the translation box puts each character of a text drawn from the glyph font.
//
// Chinese layout: P = client width / 16 - 1 characters per line; one break, before index P;
// everything after it stays on the second line (the window clips what passes the right edge).
// The text starts at y = 17 when it fits one line (n <= P) in a box at least 36 pixels high,
// else at y = 6. ASCII digits select PinYin readings: they take no cell, but the break still
// counts them, so a first line holding digits shows fewer than P glyphs.
//
// Japanese layout: P = client width / 16; up to three lines 21 pixels apart, breaking before
// index P and before index 2P (the third line runs on, clipped). The text starts at y = 18 when
// n <= P and the box is more than 36 pixels high, at y = 6 when n <= P otherwise or n < 2P, and at
// y = 2 when n >= 2P. Digits are drawn like any character.
//
// Cells are 16 pixels wide and lines start at x = 0.

#include <vector>

#include "baselib/String.h"
#include "script/EditionProfile.h"

struct GlyphCell {
    int textIndex;   // index of the code unit drawn in this cell
    int x;           // top-left corner of the 16 x 16 cell, client pixels
    int y;
};

// The cells of `text` in a client area of width x height pixels, in text order. `drawing` is
// ChineseGlyphs or JapaneseGlyphs; KoreanTrueType has no glyph cells (empty result).
std::vector<GlyphCell> LayoutGlyphText(TranslationDrawing drawing, int width, int height,
                                       const String& text);

// Characters per line P of the layout.
int GlyphsPerLine(TranslationDrawing drawing, int width);
