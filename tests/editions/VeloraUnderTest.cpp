#include "editions/velora/VeloraEdition.h"
#include "tests/editions/EditionUnderTest.h"

namespace editiontest {

const ShellEdition& EditionUnderTest() { return VeloraShellEdition(); }
std::string ProgramName() { return "Velora"; }
std::string DataFolder() { return EDITION_DATA_DIR; }
std::vector<std::string> DataFiles() { return {"phrases.dat", "voice.dat", "ch.idx", "ch.fon", "py_pool.dat", "g2b.tab", "COUR.TTF"}; }
std::string ScreenshotFolder() { return SCREENSHOT_DIR; }

} // namespace editiontest
