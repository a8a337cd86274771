#include "bench/DrawingCases.h"

#include <vector>

#include "baselib/FastInputStream.h"
#include "bench/BenchData.h"
#include "phrasebook/PhraseBook.h"
#include "script/EditionProfile.h"
#include "script/PinyinLine.h"
#include "script/PinyinBox.h"
#include "script/PinyinTable.h"
#include "script/TranslationBox.h"

namespace bench {

std::shared_ptr<DrawingCase> MakeDrawingCase(const char* program)
{
    const EditionFiles* files = nullptr;
    for (const EditionFiles& edition : Editions())
        if (std::string(edition.program) == program)
            files = &edition;
    if (!files)
        return nullptr;

    auto c = std::make_shared<DrawingCase>();
    c->program = program;
    const std::string name = program;
    c->environment.profile = name == "Miravel" ? &MiravelProfile()
                             : name == "Serrak" ? &SerrakProfile()
                                                : &VeloraProfile();
    c->environment.scriptFlag = &c->scriptFlag;
    if (files->glyphIndex) {
        if (!c->glyphFont.OpenGlyphFont(ToSystemString(DataPath(program, files->glyphIndex)),
                                        ToSystemString(DataPath(program, files->glyphData))))
            return nullptr;
        c->environment.glyphFont = &c->glyphFont;
    }

    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(DataPath(program, files->bookFile), bytes))
        return nullptr;
    CPhraseBook book;
    CFastInputStream in(bytes.data(), (int)bytes.size(), 0);
    if (book.ReadFrom(in) != 1)
        return nullptr;
    std::u16string text;
    for (unsigned i = 0; i < book.GetTranslations().GetCount() && text.size() < kGlyphCount; ++i) {
        for (const char16_t* p = book.GetTranslations().GetAt(i)->name; *p && text.size() < kGlyphCount; ++p)
            if (*p > 0x7F)
                text += *p;
    }
    if (text.size() < kGlyphCount)
        return nullptr;
    c->translation.name = String(text.c_str());

    if (name == "Velora") {
        CPinyinTable table;
        if (table.LoadPinyin(ToSystemString(DataPath(program, "py_pool.dat"))) != CPinyinTable::kLoaded)
            return nullptr;
        c->pinyinLine = BuildPinyinLine(table, c->translation.name);
    }
    return c;
}

void RegisterDrawingBenchmarks(const std::string& family, CanvasRunner run)
{
    auto fill = [run](benchmark::State& state, int width, int height) {
        run(state, width, height, [&](CDrawingContext& dc) { dc.FillRect({0, 0, width, height}, ColorWhite); });
    };
    for (auto [width, height] : {std::pair{kTranslationBoxWidth, kTranslationBoxHeight},
                                 std::pair{kPinyinBoxWidth, kPinyinBoxHeight}})
        benchmark::RegisterBenchmark((family + "Fill/" + std::to_string(width) + "x" + std::to_string(height)).c_str(),
                                     fill, width, height)
            ->Unit(benchmark::kMicrosecond);

    for (const char* program : {"Velora", "Miravel", "Serrak"}) {
        std::shared_ptr<DrawingCase> c = MakeDrawingCase(program);
        if (!c) {
            fprintf(stderr, "drawing: no data for %s\n", program);
            continue;
        }
        auto translation = [run, c](benchmark::State& state) {
            CTranslationBox box(c->environment);
            box.SetTranslation(&c->translation);
            run(state, kTranslationBoxWidth, kTranslationBoxHeight, [&](CDrawingContext& dc) { box.OnPaint(dc); });
        };
        benchmark::RegisterBenchmark((family + "Paint/TranslationBox/" + c->program).c_str(), translation)
            ->Unit(benchmark::kMicrosecond);
        if (c->pinyinLine.IsEmpty())
            continue;
        auto pinyin = [run, c](benchmark::State& state) {
            CPinyinBox box;
            box.SetLine(c->pinyinLine);
            run(state, kPinyinBoxWidth, kPinyinBoxHeight, [&](CDrawingContext& dc) { box.OnPaint(dc); });
        };
        benchmark::RegisterBenchmark((family + "Paint/PinyinBox/" + c->program).c_str(), pinyin)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace bench
