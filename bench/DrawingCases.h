#pragma once
// What the drawing benchmarks paint: the translation box of each edition showing a text of 40
// glyphs (characters of the edition's own translations, in book order, digits left out), and the
// Chinese edition's PinYin box showing the PinYin of that text, at the sizes of a portrait
// 240 x 320 phrase browser. Both drawing programs (raster context and Qt painter) register the
// same cases here, each with its own way of running a paint on a context.

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>

#include "baselib/String.h"
#include "phrasebook/Phrase.h"
#include "platform/ui/DrawingContext.h"
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

// One paint of something on a context.
using Paint = std::function<void(CDrawingContext& dc)>;
// Runs paint once per benchmark iteration on a fresh context of width x height pixels.
using CanvasRunner = std::function<void(benchmark::State& state, int width, int height, const Paint& paint)>;

// Registers, on the given runner, the floors <family>Fill/224x58 and <family>Fill/224x36 (one
// fill of the box's rectangle), <family>Paint/TranslationBox/<program> for every edition whose
// files are present and <family>Paint/PinyinBox/Velora; a missing edition is reported on
// standard error and left out.
void RegisterDrawingBenchmarks(const std::string& family, CanvasRunner run);

}  // namespace bench
