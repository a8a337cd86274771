#include "editions/miravel/MiravelEdition.h"
#include "tests/editions/EditionUnderTest.h"

namespace editiontest {

const ShellEdition& EditionUnderTest() { return MiravelShellEdition(); }
std::string ProgramName() { return "Miravel"; }
std::string DataFolder() { return EDITION_DATA_DIR; }
std::vector<std::string> DataFiles() { return {"phenjp.dat", "phenkata.dat", "voice.dat", "jp.idx", "jp.fon", "Romaji.tab"}; }
std::string ScreenshotFolder() { return SCREENSHOT_DIR; }

} // namespace editiontest
