#pragma once
// What the drawing benchmarks paint: the translation box of each edition showing a text of 40
// glyphs (characters of the edition's own translations, in book order, digits left out), and the
// Chinese edition's PinYin box showing the PinYin of that text, at the sizes of a portrait
// 240 x 320 phrase browser.

#include <memory>
#include <string>

#include "baselib/String.h"
#include "phrasebook/Phrase.h"
#include "script/GlyphFont.h"
#include "script/ScriptEnvironment.h"

namespace bench {

constexpr int kTranslationBoxWidth = 224;
constexpr int kTranslationBoxHeight = 58;
constexpr int kPinyinBoxWidth = 224;
constexpr int kPinyinBoxHeight = 36;
constexpr int kGlyphCount = 40;

struct DrawingCase {
    std::string program;
    CGlyphFont glyphFont;               // open for the glyph editions
    uint32_t scriptFlag = 1;
    ScriptEnvironment environment;
    CPhrase translation;                // the 40-character text
    String pinyinLine;                  // Chinese edition only
};

// Null when the edition's files are missing.
std::shared_ptr<DrawingCase> MakeDrawingCase(const char* program);

}  // namespace bench
