// Phrase search: CPhraseBook::Search, per search, over the Chinese edition's real book and the
// book made 100 times larger from it, against the floor of a plain scan of the same English
// texts: each text lower-cased into one reused buffer and searched for each lower-cased term
// with std::u16string_view::find, the ids of the texts found pushed onto a vector.
//
// Names: Search/<book>/<query> and ScanFloor/<book>/<query>; counter "found" is the number of
// phrases found, the same on both sides when the two agree.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "baselib/FastInputStream.h"
#include "baselib/String.h"
#include "baselib/WideChar.h"
#include "bench/BenchData.h"
#include "bench/SyntheticBook.h"
#include "phrasebook/PhraseBook.h"

namespace {

struct Query {
    const char* label;
    const char16_t* text;
    bool exact;
};

// A handful of searches a traveller would type, from rare to matching a third of the book.
const Query kQueries[] = {
    {"keyword:taxi,hotel", u"taxi, hotel", false},
    {"exact:how much", u"how much", true},
    {"keyword:where is the", u"where is the", false},
    {"keyword:the", u"the", false},
};

struct LoadedBook {
    std::unique_ptr<CPhraseBook> book;
    std::vector<std::u16string> texts;  // source phrase names, in list order
    std::vector<int> ids;
};

std::shared_ptr<LoadedBook> LoadBook(const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (!bench::ReadWholeFile(path, bytes))
        return nullptr;
    auto loaded = std::make_shared<LoadedBook>();
    loaded->book = std::make_unique<CPhraseBook>();
    CFastInputStream in(bytes.data(), (int)bytes.size(), 0);
    if (loaded->book->ReadFrom(in) != 1)
        return nullptr;
    const auto& phrases = loaded->book->GetPhrases();
    for (unsigned i = 0; i < phrases.GetCount(); ++i) {
        loaded->texts.emplace_back((const char16_t*)phrases.GetAt(i)->name);
        loaded->ids.push_back(phrases.GetAt(i)->id);
    }
    return loaded;
}

std::vector<std::u16string> FloorTerms(const Query& query)
{
    std::vector<std::u16string> terms;
    std::u16string text = query.text;
    if (query.exact) {
        terms.push_back(text);
    } else {
        std::u16string piece;
        for (char16_t c : text + u" ") {
            if (c == u' ' || c == u',' || c == u'\t' || c == u'\n') {
                if (!piece.empty())
                    terms.push_back(piece);
                piece.clear();
            } else {
                piece += c;
            }
        }
    }
    for (auto& term : terms)
        for (auto& c : term)
            c = towlower16(c);
    return terms;
}

void Search(benchmark::State& state, std::shared_ptr<LoadedBook> loaded, Query query)
{
    const String text(query.text);
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded->book->Search(text, query.exact));
    state.counters["found"] = loaded->book->GetSearchResult().GetCount();
    state.counters["phrases"] = (double)loaded->texts.size();
}

void ScanFloor(benchmark::State& state, std::shared_ptr<LoadedBook> loaded, Query query)
{
    std::u16string lowered;
    std::vector<int> found;
    for (auto _ : state) {
        const std::vector<std::u16string> terms = FloorTerms(query);
        found.clear();
        for (size_t i = 0; i < loaded->texts.size(); ++i) {
            const std::u16string& source = loaded->texts[i];
            lowered.resize(source.size());
            for (size_t j = 0; j < source.size(); ++j)
                lowered[j] = towlower16(source[j]);
            const std::u16string_view view(lowered);
            for (const auto& term : terms) {
                if (view.find(term) != std::u16string_view::npos) {
                    found.push_back(loaded->ids[i]);
                    break;
                }
            }
        }
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["found"] = (double)found.size();
    state.counters["phrases"] = (double)loaded->texts.size();
}

void RegisterBook(const std::string& label, const std::string& path)
{
    std::shared_ptr<LoadedBook> loaded = LoadBook(path);
    if (!loaded) {
        fprintf(stderr, "search: cannot read %s\n", path.c_str());
        return;
    }
    for (const Query& query : kQueries) {
        const std::string suffix = label + "/" + query.label;
        benchmark::RegisterBenchmark(("ScanFloor/" + suffix).c_str(), ScanFloor, loaded, query)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Search/" + suffix).c_str(), Search, loaded, query)
            ->Unit(benchmark::kMicrosecond);
    }
}

const bool registered = [] {
    const std::string velora = bench::DataPath("Velora", "phrases.dat");
    if (!bench::FileExists(velora))
        return false;
    RegisterBook("Velora/phrases.dat", velora);
    std::string error;
    const std::string scaled = bench::ScaledBookFile(velora, "velora-phrases", 100, error);
    if (scaled.empty())
        fprintf(stderr, "scaled book x100: %s\n", error.c_str());
    else
        RegisterBook("Velora/phrases-x100", scaled);
    return true;
}();

}  // namespace
