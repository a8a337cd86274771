// Arbitrary bytes as a phrase source file: the reader must report, never crash or read out of
// bounds, and resolving templates must stay bounded.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/phrasetools/PhraseSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PhraseSources sources;
    std::vector<SourceError> errors;
    std::string text(reinterpret_cast<const char*>(data), size);
    ParseFile("fuzz.txt", text, sources, errors);
    // A template of many slots with many words would ask for a vast number of combinations;
    // the fuzzer's inputs stay small, so this only guards the reader's own loops.
    size_t combinations = 1;
    for (const SourcePhrase& phrase : sources.phrases) {
        for (const auto& words : phrase.slots)
            combinations *= words.size() + 1;
    }
    if (combinations < 100000)
        Resolve(sources, errors);
    return 0;
}
