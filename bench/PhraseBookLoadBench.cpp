// Phrase book load: CPhraseBook::Load of each edition's real book files and of books made 10 and
// 100 times larger from the Chinese one, each against the floor of reading the same bytes into
// memory the way Load does (open, length, one read into a buffer of length + 10, close) and
// looking at every byte of it once, as any parse must.
//
// Names: Load/<program>/<file> and ReadFloor/<program>/<file>; the scaled books are
// Velora/phrases-x10 and Velora/phrases-x100. Counters: bytes per second and the file size.

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "baselib/String.h"
#include "bench/BenchData.h"
#include "bench/SyntheticBook.h"
#include "phrasebook/PhraseBook.h"
#include "platform/core/File.h"

namespace {

struct BookCase {
    std::string label;  // Velora/phrases.dat
    std::string path;
};

std::string EmptyFavoritesFile()
{
    const std::string path = bench::WorkFolder() + "/favorites-empty.dat";
    bench::WriteWholeFile(path, "", 0);
    return path;
}

void ReadFloor(benchmark::State& state, const BookCase& book)
{
    const String path = bench::ToSystemString(book.path);
    uint32_t total = 0;
    for (auto _ : state) {
        CFile file;
        if (!file.Open(path, CFile::modeRead)) {
            state.SkipWithError("cannot open the book");
            return;
        }
        const uint32_t length = file.GetLength();
        std::unique_ptr<unsigned char[]> buffer(new unsigned char[length + 10]);
        total = file.Read(buffer.get(), length);
        file.Close();
        // The read alone has the kernel copy the bytes into pages this process never reads
        // back; Load reads each of them, so the floor does too, in 8-byte words.
        uint64_t sum = 0;
        uint32_t i = 0;
        for (; i + 8 <= total; i += 8) {
            uint64_t word;
            std::memcpy(&word, buffer.get() + i, 8);
            sum += word;
        }
        for (; i < total; ++i)
            sum += buffer[i];
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed((int64_t)state.iterations() * total);
    state.counters["file_bytes"] = total;
}

void Load(benchmark::State& state, const BookCase& book)
{
    const String path = bench::ToSystemString(book.path);
    const String favorites = bench::ToSystemString(EmptyFavoritesFile());
    int result = 1;
    unsigned phrases = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto* phraseBook = new CPhraseBook();
        state.ResumeTiming();
        result &= phraseBook->Load(path, favorites);
        state.PauseTiming();
        phrases = phraseBook->GetPhrases().GetCount();
        delete phraseBook;
        state.ResumeTiming();
    }
    if (result != 1)
        state.SkipWithError("Load did not return 1");
    std::vector<uint8_t> bytes;
    bench::ReadWholeFile(book.path, bytes);
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)bytes.size());
    state.counters["file_bytes"] = (double)bytes.size();
    state.counters["source_phrases"] = phrases;
}

// The destruction of a loaded book, which Load's caller pays when the main screen closes.
void Delete(benchmark::State& state, const BookCase& book)
{
    const String path = bench::ToSystemString(book.path);
    const String favorites = bench::ToSystemString(EmptyFavoritesFile());
    for (auto _ : state) {
        state.PauseTiming();
        auto* phraseBook = new CPhraseBook();
        phraseBook->Load(path, favorites);
        state.ResumeTiming();
        delete phraseBook;
    }
}

void RegisterCase(const BookCase& book)
{
    benchmark::RegisterBenchmark(("ReadFloor/" + book.label).c_str(), ReadFloor, book)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Load/" + book.label).c_str(), Load, book)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Delete/" + book.label).c_str(), Delete, book)->Unit(benchmark::kMicrosecond);
}

const bool registered = [] {
    for (const bench::EditionFiles& edition : bench::Editions()) {
        for (const char* file : {edition.bookFile, edition.secondBook}) {
            if (!file)
                continue;
            const std::string path = bench::DataPath(edition.program, file);
            if (bench::FileExists(path))
                RegisterCase({std::string(edition.program) + "/" + file, path});
        }
    }
    const std::string velora = bench::DataPath("Velora", "phrases.dat");
    if (bench::FileExists(velora)) {
        for (int copies : {10, 100}) {
            std::string error;
            const std::string path = bench::ScaledBookFile(velora, "velora-phrases", copies, error);
            if (path.empty()) {
                fprintf(stderr, "scaled book x%d: %s\n", copies, error.c_str());
                continue;
            }
            RegisterCase({"Velora/phrases-x" + std::to_string(copies), path});
        }
    }
    return true;
}();

}  // namespace
