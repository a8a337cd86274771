// Drawing on a context without a screen: one paint of the translation box (40 glyphs) of each
// edition, and of the Chinese PinYin box, on an in-memory raster context (the one the script
// tests use: pixels and fills are rasterised, text calls only recorded), against one fill of the
// same rectangle on the same context. This measures the system's own drawing work (glyph reads
// and layout); DrawingPainterBench_qt.cpp measures the same paints on the platform's painter.
//
// Names: RasterPaint/TranslationBox/<program>, RasterPaint/PinyinBox/Velora and
// RasterFill/<width>x<height>. Counter: set_pixel_calls_per_paint.

#include <benchmark/benchmark.h>

#include "bench/DrawingCases.h"
#include "tests/script/RasterContext.h"

namespace {

void OnRaster(benchmark::State& state, int width, int height, const bench::Paint& paint)
{
    RasterContext dc(width, height, ColorBlack);
    for (auto _ : state)
        paint(dc);
    state.counters["set_pixel_calls_per_paint"] = (double)dc.SetPixelCalls() / state.iterations();
}

const bool registered = [] {
    bench::RegisterDrawingBenchmarks("Raster", OnRaster);
    return true;
}();

}  // namespace
