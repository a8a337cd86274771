#pragma once
// A larger phrase book made from a real one: the real records repeated `copies` times, copy k
// with every id (category, parent, phrase, listing category, related, tip, rule and map ids,
// names, pairs) moved up by k * kIdStep. Clip numbers stay, so every copy still speaks. The
// file is written record by record with the records' own writers (the book's WriteTo stops at
// the output stream's 1 MiB limit, which a book this size passes) and read back whole with
// ReadFrom before it is handed out.

#include <cstdint>
#include <string>
#include <vector>

class CPhraseBook;

namespace bench {

constexpr int kIdStep = 1000000;

// The file bytes of the scaled book; false with a reason when the real book cannot be read or
// the result does not read back with the expected counts.
bool BuildScaledBook(const CPhraseBook& real, int copies, std::vector<uint8_t>& file, std::string& error);

// Makes (once per process and scale) <work>/<name>-x<copies>.dat from the real book file and
// returns its path; empty with a reason on failure.
std::string ScaledBookFile(const std::string& realBookPath, const char* name, int copies, std::string& error);

}  // namespace bench
