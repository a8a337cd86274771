#pragma once
// Whole-file reading and writing for the tools. Writing keeps a file whose bytes would not
// change untouched (so that the build tool sees nothing new and stops there) and otherwise
// replaces it through a temporary file, so a failed run never leaves half a data file.

#include <string>
#include <vector>

bool ReadWholeFile(const std::string& path, std::string& bytes);
// Returns false (with a message on standard error) when the file cannot be written.
bool WriteFileIfChanged(const std::string& path, const std::string& bytes);
