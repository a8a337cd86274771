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

void OnCanvas(benchmark::State& state, int width, int height, const bench::Paint& paint)
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

const bool registered = [] {
    bench::RegisterDrawingBenchmarks("Painter", OnCanvas);
    return true;
}();

}  // namespace
