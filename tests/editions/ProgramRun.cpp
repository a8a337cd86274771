#include "tests/editions/ProgramRun.h"

#include "platform/ui/Dialog.h"
#include "platform/wave/WaveOutBackend.h"
#include "shell/app/PhraseBrowserDialog.h"
#include "shell/app/RelatedDialog.h"
#include "shell/app/ShellIds.h"
#include "tests/editions/EditionUnderTest.h"
#include "tests/editions/ShellScreenDriving.h"

#include <cstdlib>
#include <filesystem>

namespace editiontest {

namespace {

// $PHRASEBOOK_EDITION_DATA_ROOT/<Program>/ when it is set: a sanitizer build makes no data files
// of its own and borrows the plain build's. Otherwise the folder this build's toolchain fills.
std::string EditionDataFolder()
{
    const char* root = std::getenv("PHRASEBOOK_EDITION_DATA_ROOT");
    if (root && *root)
        return (std::filesystem::path(root) / ProgramName()).string();
    return DataFolder();
}

} // namespace

void ProgramTest::SetUp()
{
    const std::string data = EditionDataFolder();
    m_folder = std::make_unique<ProgramFolder>(data, DataFiles());
    if (!m_folder->IsReady())
        GTEST_SKIP() << "the data toolchain has not built " << data << " (missing " << m_folder->GetMissing()
                     << "); build the target " << ProgramName() << "_data, or name a folder holding "
                     << ProgramName() << "/ in PHRASEBOOK_EDITION_DATA_ROOT";
    TestHooks::StartPlatform();
    TestHooks::ResizeScreen(240, 320);
    TestHooks::TakeShownMessageBoxes();
    m_previousWave = SetWaveOutBackend(&m_wave);
}

void ProgramTest::TearDown()
{
    if (m_folder && m_folder->IsReady()) {
        SetWaveOutBackend(m_previousWave);
        TestHooks::ResizeScreen(240, 320);
    }
    m_app.reset();
    m_folder.reset();
}

int ProgramTest::RunProgram(const std::function<void()>& script, const String& platformType)
{
    m_app = std::make_unique<TestApp>(EditionUnderTest(), platformType);
    return TestHooks::RunProgram(*m_app, [&] {
        if (platformType == u"SmartPhone" && !TestHooks::WaitForDialog(IDD_MAIN_SCREEN, 1500)) {
            script();
            return;
        }
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_MAIN_SCREEN)) << "the main screen did not open";
        // The main screen is in front while it still initialises (a message box of the loading
        // may be up); its picture is the last thing the initialisation sets.
        ASSERT_TRUE(WaitForMainScreenReady()) << "the main screen did not finish its initialisation";
        script();
    });
}

bool ProgramTest::WaitForMainScreenReady() { return ShellScreenDriving::WaitForMainScreenReady(); }

PhraseBrowserDialog* ProgramTest::Browser() { return dynamic_cast<PhraseBrowserDialog*>(TestHooks::GetActiveDialog()); }

RelatedDialog* ProgramTest::Related() { return dynamic_cast<RelatedDialog*>(TestHooks::GetActiveDialog()); }

void ProgramTest::TapPicture(Point point)
{
    const Rect picture = TestHooks::GetControlScreenRect(IDC_CATEGORY_PICTURE);
    TestHooks::Tap({picture.left + point.x, picture.top + point.y});
}

void ProgramTest::TapListEntry(int controlId, int index)
{
    ASSERT_TRUE(ShellScreenDriving::TapListEntry(controlId, index)) << "no entry " << index << " in list " << controlId;
}

void ProgramTest::BackToMainScreen() { ShellScreenDriving::BackToMainScreen(); }

std::string ProgramTest::Text(const String& text)
{
    std::string out;
    for (const char16_t* p = text.GetString(); *p; ++p) {
        const char32_t c = *p;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::vector<std::string> ProgramTest::Texts(const std::vector<String>& texts)
{
    std::vector<std::string> out;
    for (const String& text : texts)
        out.push_back(Text(text));
    return out;
}

void ProgramTest::SaveScreenshot(const std::string& name)
{
    std::filesystem::create_directories(ScreenshotFolder());
    const std::string path = ScreenshotFolder() + "/" + ProgramName() + "-" + name + ".png";
    EXPECT_TRUE(TestHooks::SavePng(TestHooks::CaptureScreen(), String(path.c_str()))) << path;
}

std::vector<std::string> ProgramTest::TakeMessages()
{
    std::vector<std::string> texts;
    for (const TestHooks::ShownMessageBox& box : TestHooks::TakeShownMessageBoxes())
        texts.push_back(Text(box.text));
    return texts;
}

} // namespace editiontest
