#pragma once
// What a test binary of tests/editions runs: one edition's shell table, its data folder and the
// data files it opens. Each binary links exactly one definition.

#include <string>
#include <vector>

struct ShellEdition;

namespace editiontest {

const ShellEdition& EditionUnderTest();
// "Velora", "Miravel" or "Serrak".
std::string ProgramName();
// The program folder this build's data toolchain lays out (build/<Program>/).
std::string DataFolder();
std::vector<std::string> DataFiles();
// Where the screen captures go (build/screenshots/).
std::string ScreenshotFolder();

} // namespace editiontest
