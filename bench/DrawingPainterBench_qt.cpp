// Drawing on the platform's painter: one paint of each edition's translation box (40 glyphs; the
// Korean box draws its text with the TrueType face) and of the Chinese PinYin box, as the
// platform paints a custom control (a QPainter on the control's RGB32 canvas, the platform's
// drawing context over it), against one fill of the same rectangle through the same context.
// Runs on the offscreen Qt platform; the editions' TrueType files are registered as the
// programs do at start-up.
//
// Names: PainterPaint/TranslationBox/<program>, PainterPaint/PinyinBox/Velora,
// PainterFill/<width>x<height>.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "bench/BenchData.h"
#include "bench/DrawingCases.h"
#include "platform/ui/Font.h"
#include "platform/ui/PainterDrawingContext_qt.h"
#include "script/PinyinBox.h"
#include "script/TranslationBox.h"

namespace {

void StartQt()
{
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "drawing_bench";
        static char* argv[] = {name, nullptr};
        auto* created = new QApplication(argc, argv);
        AddFontResource(bench::ToSystemString(bench::DataPath("Velora", "COUR.TTF")));
        AddFontResource(bench::ToSystemString(bench::DataPath("Serrak", "hmkmsr.ttf")));
        return created;
    }();
    (void)app;
}

template <class Paint>
void OnCanvas(benchmark::State& state, int width, int height, Paint paint)
{
    StartQt();
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const QFont font = QApplication::font();
    for (auto _ : state) {
        QPainter painter(&canvas);
        CPainterDrawingContext dc(painter, canvas, font);
        paint(dc);
    }
}

void Fill(benchmark::State& state, int width, int height)
{
    OnCanvas(state, width, height, [&](CDrawingContext& dc) { dc.FillRect({0, 0, width, height}, ColorWhite); });
}

void PaintTranslation(benchmark::State& state, std::shared_ptr<bench::DrawingCase> c)
{
    CTranslationBox box(c->environment);
    box.SetTranslation(&c->translation);
    OnCanvas(state, bench::kTranslationBoxWidth, bench::kTranslationBoxHeight,
             [&](CDrawingContext& dc) { box.OnPaint(dc); });
}

void PaintPinyin(benchmark::State& state, std::shared_ptr<bench::DrawingCase> c)
{
    CPinyinBox box;
    box.SetLine(c->pinyinLine);
    OnCanvas(state, bench::kPinyinBoxWidth, bench::kPinyinBoxHeight, [&](CDrawingContext& dc) { box.OnPaint(dc); });
}

const bool registered = [] {
    benchmark::RegisterBenchmark("PainterFill/224x58", Fill, bench::kTranslationBoxWidth, bench::kTranslationBoxHeight)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("PainterFill/224x36", Fill, bench::kPinyinBoxWidth, bench::kPinyinBoxHeight)
        ->Unit(benchmark::kMicrosecond);
    for (const char* program : {"Velora", "Miravel", "Serrak"}) {
        std::shared_ptr<bench::DrawingCase> c = bench::MakeDrawingCase(program);
        if (!c) {
            fprintf(stderr, "drawing: no data for %s\n", program);
            continue;
        }
        benchmark::RegisterBenchmark(("PainterPaint/TranslationBox/" + c->program).c_str(), PaintTranslation, c)
            ->Unit(benchmark::kMicrosecond);
        if (!c->pinyinLine.IsEmpty())
            benchmark::RegisterBenchmark("PainterPaint/PinyinBox/Velora", PaintPinyin, c)
                ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
