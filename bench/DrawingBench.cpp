// Drawing on a context without a screen: one paint of the translation box (40 glyphs) of each
// edition, and of the Chinese PinYin box, on an in-memory raster context (the one the script
// tests use: pixels and fills are rasterised, text calls only recorded), against one fill of the
// same rectangle on the same context. This measures the system's own drawing work (glyph reads
// and layout); DrawingPainterBench_qt.cpp measures the same paints on the platform's painter.
//
// Names: RasterPaint/TranslationBox/<program>, RasterPaint/PinyinBox/Velora and
// RasterFill/<width>x<height>.

#include <benchmark/benchmark.h>

#include "bench/DrawingCases.h"
#include "script/PinyinBox.h"
#include "script/TranslationBox.h"
#include "tests/script/RasterContext.h"

namespace {

void Fill(benchmark::State& state, int width, int height)
{
    RasterContext dc(width, height, ColorBlack);
    for (auto _ : state)
        dc.FillRect({0, 0, width, height}, ColorWhite);
}

void PaintTranslation(benchmark::State& state, std::shared_ptr<bench::DrawingCase> c)
{
    CTranslationBox box(c->environment);
    box.SetTranslation(&c->translation);
    RasterContext dc(bench::kTranslationBoxWidth, bench::kTranslationBoxHeight, ColorBlack);
    for (auto _ : state)
        box.OnPaint(dc);
    state.counters["set_pixel_calls_per_paint"] = (double)dc.SetPixelCalls() / state.iterations();
}

void PaintPinyin(benchmark::State& state, std::shared_ptr<bench::DrawingCase> c)
{
    CPinyinBox box;
    box.SetLine(c->pinyinLine);
    RasterContext dc(bench::kPinyinBoxWidth, bench::kPinyinBoxHeight, ColorBlack);
    for (auto _ : state)
        box.OnPaint(dc);
}

const bool registered = [] {
    benchmark::RegisterBenchmark("RasterFill/224x58", Fill, bench::kTranslationBoxWidth, bench::kTranslationBoxHeight)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RasterFill/224x36", Fill, bench::kPinyinBoxWidth, bench::kPinyinBoxHeight)
        ->Unit(benchmark::kMicrosecond);
    for (const char* program : {"Velora", "Miravel", "Serrak"}) {
        std::shared_ptr<bench::DrawingCase> c = bench::MakeDrawingCase(program);
        if (!c) {
            fprintf(stderr, "drawing: no data for %s\n", program);
            continue;
        }
        benchmark::RegisterBenchmark(("RasterPaint/TranslationBox/" + c->program).c_str(), PaintTranslation, c)
            ->Unit(benchmark::kMicrosecond);
        if (!c->pinyinLine.IsEmpty())
            benchmark::RegisterBenchmark("RasterPaint/PinyinBox/Velora", PaintPinyin, c)
                ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
