#pragma once
// Where the benchmarks find their inputs: the programs' data folders as the data toolchain lays
// them out (<root>/Velora, <root>/Miravel, <root>/Serrak), and a scratch folder for generated
// files. The root is $PHRASEBOOK_BENCH_DATA when set, else the build folder.

#include <cstdint>
#include <string>
#include <vector>

#include "baselib/String.h"

namespace bench {

struct EditionFiles {
    const char* program;       // "Velora"
    const char* bookFile;      // main phrase book
    const char* secondBook;    // Japanese edition's kana book, else null
    const char* glyphIndex;    // glyph font, else null
    const char* glyphData;
};

// The three editions, in the order Velora, Miravel, Serrak.
const std::vector<EditionFiles>& Editions();

std::string DataRoot();
// <root>/<program>/<file>
std::string DataPath(const char* program, const char* file);
// The scratch folder (created on first use).
std::string WorkFolder();

bool FileExists(const std::string& path);
// The whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
bool WriteWholeFile(const std::string& path, const void* bytes, size_t size);

String ToSystemString(const std::string& utf8);

// The median of the samples (the mean of the middle two for an even count); 0 when empty.
double Median(std::vector<double> samples);

}  // namespace bench
