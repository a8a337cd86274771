#pragma once
// Runs the edition's real program (PhraseBookApp and its screens) offscreen under a test script,
// with the scripted wave output in place of the sound server and the program's folder prepared.

#include <gtest/gtest.h>

#include "baselib/String.h"
#include "platform/core/MessageBox.h"
#include "platform/testhooks/TestHooks.h"
#include "platform/ui/Geometry.h"
#include "platform/wave/ScriptedWaveOut.h"
#include "shell/app/PhraseBookApp.h"
#include "tests/editions/ProgramFolder.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CPhrase;
class PhraseBrowserDialog;
class RelatedDialog;

namespace editiontest {

// A PhraseBookApp whose platform type a test chooses.
class TestApp : public PhraseBookApp {
public:
    explicit TestApp(const ShellEdition& edition, String platformType = u"PocketPC")
        : PhraseBookApp(edition), m_platformType(std::move(platformType)) {}

protected:
    String QueryPlatformType() const override { return m_platformType; }

private:
    String m_platformType;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the program; the script starts once the main screen is up (false when it did not come).
    int RunProgram(const std::function<void()>& script, const String& platformType = u"PocketPC");

    ProgramFolder& Folder() { return *m_folder; }
    ScriptedWaveOut& Wave() { return m_wave; }
    TestApp* App() { return m_app.get(); }

public:
    // The screens in front, while a script runs (null when another one is in front).
    static PhraseBrowserDialog* Browser();
    static RelatedDialog* Related();

    // Taps the main screen's picture at a point of its client area.
    static void TapPicture(Point point);
    // Selects list entry index of the front dialog's list as a tap does.
    static void TapListEntry(int controlId, int index);
    // Returns the main screen by closing every dialog above it.
    static void BackToMainScreen();
    static std::vector<std::string> Texts(const std::vector<String>& texts);
    static std::string Text(const String& text);
    // Saves the screen to build/screenshots/<ProgramName>-<name>.png.
    static void SaveScreenshot(const std::string& name);
    // The message box texts shown since the last call.
    static std::vector<std::string> TakeMessages();
    // Waits until the main screen in front has finished its initialisation.
    static bool WaitForMainScreenReady();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<TestApp> m_app;
    ScriptedWaveOut m_wave;
    WaveOutBackend* m_previousWave = nullptr;
};

} // namespace editiontest
