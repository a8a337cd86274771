// Memory of a program in use: the edition's real application object and screens (the code of
// the program, run offscreen through the platform's test hooks) browse every category of the
// main screen's picture once and play ten phrases, then the peak and the steady resident set
// are read from /proc/self/status. Sound goes to a private PulseAudio server with a null sink,
// through the real wave output (which counts the buffers it is given, so that "played" is what
// reached the server).
//
// Prints one line:
//   program=<name> peak_kb=<VmHWM> steady_kb=<VmRSS back on the main screen> categories=<n>
//   played=<n>
// The binary must lie in a folder holding the program's data files (the program's folder).
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "bench/ProcStatus.h"
#include "platform/testhooks/TestHooks.h"
#include "platform/wave/PulseWaveOut.h"
#include "platform/wave/WaveOutBackend.h"
#include "shell/app/CategoryTapTable.h"
#include "shell/app/PhraseBookApp.h"
#include "shell/app/ShellIds.h"
#include "tests/editions/ShellScreenDriving.h"
#include "tests/platform_wave/PulseServer.h"

#include MEMORY_EDITION_HEADER

namespace {

class CountingPulseWaveOut : public PulseWaveOut {
public:
    int written = 0;

protected:
    MMRESULT QueueBuffer(WaveOutDevice* device, WAVEHDR* header) override
    {
        const MMRESULT result = PulseWaveOut::QueueBuffer(device, header);
        written += result == MMSYSERR_NOERROR ? 1 : 0;
        return result;
    }
};

// The device check answers "PocketPC", as on the handheld.
class MeasuredApp : public PhraseBookApp {
public:
    using PhraseBookApp::PhraseBookApp;

protected:
    String QueryPlatformType() const override { return u"PocketPC"; }
};

// One point of the picture for each category it shows, in the order found scanning rows.
std::map<std::u16string, Point> CategoryPoints()
{
    std::map<std::u16string, Point> points;
    for (int y = 0; y < 320; y += 3)
        for (int x = 0; x < 240; x += 3)
            if (const char16_t* name = HitTestCategory(LayoutPortrait, {x, y}))
                points.emplace(name, Point{x, y});
    return points;
}

}  // namespace

int main()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    PulseServer server;
    std::string error;
    if (!server.Start(1, &error)) {
        std::fprintf(stderr, "no private PulseAudio server: %s\n", error.c_str());
        return 1;
    }
    CountingPulseWaveOut wave;
    SetWaveOutBackend(&wave);

    TestHooks::StartPlatform();
    TestHooks::ResizeScreen(240, 320);
    MeasuredApp app(MEMORY_EDITION());
    int categories = 0, tapped = 0;
    bool ran = false;
    long peak = 0, steady = 0;
    TestHooks::RunProgram(app, [&] {
        if (!TestHooks::WaitForDialog(IDD_MAIN_SCREEN) || !ShellScreenDriving::WaitForMainScreenReady())
            return;
        ran = true;
        const Rect picture = TestHooks::GetControlScreenRect(IDC_CATEGORY_PICTURE);
        for (const auto& [name, point] : CategoryPoints()) {
            std::fprintf(stderr, "category %d\n", categories);
            TestHooks::Tap({picture.left + point.x, picture.top + point.y});
            if (TestHooks::WaitForDialog(IDD_PHRASE_BROWSER, 3000)) {
                ++categories;
                // Two phrases of each category until ten have been played.
                for (int i = 0; i < 2 && tapped < 10; ++i) {
                    std::fprintf(stderr, "phrase %d\n", i);
                    if (ShellScreenDriving::TapListEntry(IDC_PHRASE_LIST, i) && TestHooks::TapControl(IDC_TRANSLATION_BOX))
                        ++tapped;
                }
            }
            std::fprintf(stderr, "back\n");
            ShellScreenDriving::BackToMainScreen();
        }
        std::fprintf(stderr, "done\n");
        steady = ReadProcStatusKb("VmRSS");
        peak = ReadProcStatusKb("VmHWM");
    });
    if (!ran) {
        std::fprintf(stderr, "the main screen did not come up\n");
        return 1;
    }
    SetWaveOutBackend(nullptr);
    std::printf("program=%s peak_kb=%ld steady_kb=%ld categories=%d played=%d\n", MEMORY_PROGRAM, peak, steady,
                categories, wave.written);
    return 0;
}
