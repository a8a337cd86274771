// What every wave output backend promises its caller: notifications on a thread of their own and
// in order, close and unprepare refused while a buffer plays, and bad calls answered with their
// codes. Run against the scripted backend and against the libpulse backend on a private server.
#include "platform/wave/PulseWaveOut.h"
#include "platform/wave/ScriptedWaveOut.h"
#include "platform/wave/WaveOut.h"
#include "tests/platform_wave/PulseServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Received {
    uint32_t message;
    uintptr_t param1;
    std::thread::id thread;
};

// What the callback saw, handed to it as instance data.
struct CallbackLog {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Received> received;

    bool WaitFor(uint32_t message, std::chrono::milliseconds limit)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, limit, [&] {
            for (const Received& r : received)
                if (r.message == message)
                    return true;
            return false;
        });
    }
    std::vector<uint32_t> Messages()
    {
        std::lock_guard lock(mutex);
        std::vector<uint32_t> messages;
        for (const Received& r : received)
            messages.push_back(r.message);
        return messages;
    }
};

void RecordingProc(HWAVEOUT, uint32_t message, uintptr_t instance, uintptr_t param1, uintptr_t)
{
    auto* log = reinterpret_cast<CallbackLog*>(instance);
    std::lock_guard lock(log->mutex);
    log->received.push_back({message, param1, std::this_thread::get_id()});
    log->changed.notify_all();
}

WAVEFORMATEX SpeechFormat()
{
    return {WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
}

struct BackendKind {
    const char* name;
    // Makes the backend; a backend that needs a server gets one started for it.
    std::function<std::unique_ptr<WaveOutBackend>(PulseServer&, std::string*)> make;
    // Arranges that the next buffer written still plays while the test calls close once.
    std::function<void(WaveOutBackend&)> playLong;
};

const BackendKind kBackends[] = {
    {"Scripted",
     [](PulseServer&, std::string*) -> std::unique_ptr<WaveOutBackend> { return std::make_unique<ScriptedWaveOut>(); },
     [](WaveOutBackend& backend) { static_cast<ScriptedWaveOut&>(backend).script.closesWhilePlaying = 1; }},
    {"Pulse",
     [](PulseServer& server, std::string* error) -> std::unique_ptr<WaveOutBackend> {
         if (!server.Start(1, error))
             return nullptr;
         return std::make_unique<PulseWaveOut>();
     },
     [](WaveOutBackend&) {}},
};

void PrintTo(const BackendKind& kind, std::ostream* out)
{
    *out << kind.name;
}

class WaveOutContractTest : public ::testing::TestWithParam<BackendKind> {
protected:
    void SetUp() override
    {
        std::string error;
        m_backend = GetParam().make(m_server, &error);
        ASSERT_TRUE(m_backend) << error;
        m_previous = SetWaveOutBackend(m_backend.get());
    }
    void TearDown() override
    {
        SetWaveOutBackend(m_previous);
        m_backend.reset();
        m_server.Stop();
    }

    PulseServer m_server;
    std::unique_ptr<WaveOutBackend> m_backend;
    WaveOutBackend* m_previous = nullptr;
    CallbackLog m_log;
};

TEST_P(WaveOutContractTest, NotifiesOpenDoneCloseInOrderOnAnotherThread)
{
    ASSERT_GE(waveOutGetNumDevs(), 1u);
    const WAVEFORMATEX format = SpeechFormat();
    HWAVEOUT device = nullptr;
    ASSERT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, RecordingProc, reinterpret_cast<uintptr_t>(&m_log),
                          CALLBACK_FUNCTION),
              MMSYSERR_NOERROR);
    EXPECT_EQ(m_log.Messages(), std::vector<uint32_t>{WOM_OPEN}) << "WOM_OPEN is handled before open returns";

    std::vector<char> pcm(2205 * 2, 0);  // 0.1 s of silence
    WAVEHDR header{};
    header.lpData = pcm.data();
    header.dwBufferLength = static_cast<uint32_t>(pcm.size());
    ASSERT_EQ(waveOutPrepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_TRUE(header.dwFlags & WHDR_PREPARED);
    ASSERT_EQ(waveOutWrite(device, &header, sizeof header), MMSYSERR_NOERROR);
    ASSERT_TRUE(m_log.WaitFor(WOM_DONE, std::chrono::seconds(5)));

    MMRESULT closed;
    while ((closed = waveOutClose(device)) == WAVERR_STILLPLAYING)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(closed, MMSYSERR_NOERROR);
    EXPECT_TRUE(header.dwFlags & WHDR_DONE);
    EXPECT_FALSE(header.dwFlags & WHDR_INQUEUE);

    std::lock_guard lock(m_log.mutex);
    ASSERT_EQ(m_log.received.size(), 3u);
    EXPECT_EQ(m_log.received[0].message, WOM_OPEN);
    EXPECT_EQ(m_log.received[1].message, WOM_DONE);
    EXPECT_EQ(m_log.received[1].param1, reinterpret_cast<uintptr_t>(&header));
    EXPECT_EQ(m_log.received[2].message, WOM_CLOSE) << "WOM_CLOSE is handled before close returns";
    for (const Received& r : m_log.received)
        EXPECT_NE(r.thread, std::this_thread::get_id()) << "notification " << r.message << " on the caller's thread";
}

TEST_P(WaveOutContractTest, RefusesCloseAndUnprepareWhileTheBufferPlays)
{
    const WAVEFORMATEX format = SpeechFormat();
    HWAVEOUT device = nullptr;
    ASSERT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, RecordingProc, reinterpret_cast<uintptr_t>(&m_log),
                          CALLBACK_FUNCTION),
              MMSYSERR_NOERROR);
    GetParam().playLong(*m_backend);
    std::vector<char> pcm(22050 * 2, 0);  // 1 s
    WAVEHDR header{};
    header.lpData = pcm.data();
    header.dwBufferLength = static_cast<uint32_t>(pcm.size());
    ASSERT_EQ(waveOutPrepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
    ASSERT_EQ(waveOutWrite(device, &header, sizeof header), MMSYSERR_NOERROR);

    EXPECT_EQ(waveOutUnprepareHeader(device, &header, sizeof header), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutClose(device), WAVERR_STILLPLAYING);

    ASSERT_TRUE(m_log.WaitFor(WOM_DONE, std::chrono::seconds(5)));
    MMRESULT closed;
    while ((closed = waveOutClose(device)) == WAVERR_STILLPLAYING)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(closed, MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutUnprepareHeader(device, &header, sizeof header), MMSYSERR_INVALHANDLE)
        << "the closed device's handle is no longer valid";
}

TEST_P(WaveOutContractTest, RejectsFormatsItCannotPlay)
{
    struct Case {
        const char* what;
        WAVEFORMATEX format;
    };
    const Case cases[] = {
        {"not PCM", {2, 1, 22050, 44100, 2, 16, 0}},
        {"no channel", {WAVE_FORMAT_PCM, 0, 22050, 0, 0, 16, 0}},
        {"24 bits", {WAVE_FORMAT_PCM, 1, 22050, 66150, 3, 24, 0}},
        {"block alignment disagrees", {WAVE_FORMAT_PCM, 1, 22050, 44100, 4, 16, 0}},
        {"bytes per second disagree", {WAVE_FORMAT_PCM, 1, 22050, 22050, 2, 16, 0}},
        {"no samples per second", {WAVE_FORMAT_PCM, 1, 0, 0, 2, 16, 0}},
    };
    for (const Case& c : cases) {
        HWAVEOUT device = nullptr;
        EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, &c.format, RecordingProc, reinterpret_cast<uintptr_t>(&m_log),
                              CALLBACK_FUNCTION),
                  WAVERR_BADFORMAT)
            << c.what;
    }
    EXPECT_TRUE(m_log.Messages().empty()) << "a refused open notifies nothing";
}

TEST_P(WaveOutContractTest, AnswersMisuseWithItsCode)
{
    const WAVEFORMATEX format = SpeechFormat();
    HWAVEOUT device = nullptr;
    EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, RecordingProc, 0, 0x50000), MMSYSERR_INVALFLAG);
    EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, nullptr, 0, CALLBACK_FUNCTION), MMSYSERR_INVALFLAG);
    EXPECT_EQ(waveOutOpen(&device, waveOutGetNumDevs(), &format, RecordingProc, 0, CALLBACK_FUNCTION),
              MMSYSERR_BADDEVICEID);
    ASSERT_EQ(waveOutOpen(&device, 0, &format, RecordingProc, reinterpret_cast<uintptr_t>(&m_log), CALLBACK_FUNCTION),
              MMSYSERR_NOERROR);

    char sample[2] = {};
    WAVEHDR header{};
    header.lpData = sample;
    header.dwBufferLength = sizeof sample;
    EXPECT_EQ(waveOutWrite(device, &header, sizeof header), WAVERR_UNPREPARED);
    EXPECT_EQ(waveOutPrepareHeader(device, &header, sizeof header - 1), MMSYSERR_INVALPARAM);
    EXPECT_EQ(waveOutPrepareHeader(nullptr, &header, sizeof header), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(waveOutClose(device), MMSYSERR_NOERROR) << "nothing was queued";
    EXPECT_EQ(waveOutClose(device), MMSYSERR_INVALHANDLE) << "closing twice";
}

INSTANTIATE_TEST_SUITE_P(Backends, WaveOutContractTest, ::testing::ValuesIn(kBackends),
                         [](const ::testing::TestParamInfo<BackendKind>& info) { return std::string(info.param.name); });

TEST(WaveOutErrorTextTest, GivesTextsForKnownCodesAndCutsToTheBuffer)
{
    char16_t text[64];
    ASSERT_EQ(waveOutGetErrorText(WAVERR_BADFORMAT, text, 64), MMSYSERR_NOERROR);
    EXPECT_EQ(std::u16string(text), u"The wave format is not supported.");
    ASSERT_EQ(waveOutGetErrorText(WAVERR_STILLPLAYING, text, 4), MMSYSERR_NOERROR);
    EXPECT_EQ(std::u16string(text), u"A b");
    EXPECT_EQ(waveOutGetErrorText(12345, text, 64), MMSYSERR_BADERRNUM);
    EXPECT_EQ(text[0], u'\0');
}

}  // namespace
