#include "editions/serrak/SerrakEdition.h"
#include "tests/editions/EditionUnderTest.h"

namespace editiontest {

const ShellEdition& EditionUnderTest() { return SerrakShellEdition(); }
std::string ProgramName() { return "Serrak"; }
std::string DataFolder() { return EDITION_DATA_DIR; }
std::vector<std::string> DataFiles() { return {"phrases.dat", "voice.dat", "hmkmsr.ttf"}; }
std::string ScreenshotFolder() { return SCREENSHOT_DIR; }

} // namespace editiontest
