// The libpulse backend against private servers: one device per sink, none without a server, and
// a buffer reported done only once the server has played it.
#include "platform/wave/PulseWaveOut.h"
#include "tests/platform_wave/PulseServer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

const WAVEFORMATEX kSpeech = {WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};

std::atomic<int> g_done{0};

void CountDone(HWAVEOUT, uint32_t message, uintptr_t, uintptr_t, uintptr_t)
{
    if (message == WOM_DONE)
        ++g_done;
}

TEST(PulseWaveOutTest, HasNoDeviceWhenNoServerAnswers)
{
    setenv("PULSE_SERVER", "unix:/nonexistent/phrasebook/native", 1);
    PulseWaveOut wave;
    EXPECT_EQ(wave.GetNumDevs(), 0u);
    HWAVEOUT device = nullptr;
    EXPECT_EQ(wave.Open(&device, WAVE_MAPPER, &kSpeech, CountDone, 0, CALLBACK_FUNCTION), MMSYSERR_NODRIVER);
    EXPECT_EQ(wave.Open(&device, 0, &kSpeech, CountDone, 0, CALLBACK_FUNCTION), MMSYSERR_NODRIVER);
    unsetenv("PULSE_SERVER");
}

TEST(PulseWaveOutTest, CountsOneDevicePerSinkAndOpensEach)
{
    PulseServer server;
    std::string error;
    ASSERT_TRUE(server.Start(2, &error)) << error;
    PulseWaveOut wave;
    ASSERT_EQ(wave.GetNumDevs(), 2u);
    for (uint32_t id = 0; id < 2; ++id) {
        HWAVEOUT device = nullptr;
        ASSERT_EQ(wave.Open(&device, id, &kSpeech, CountDone, 0, CALLBACK_FUNCTION), MMSYSERR_NOERROR) << id;
        EXPECT_EQ(wave.Close(device), MMSYSERR_NOERROR);
    }
    EXPECT_EQ(wave.OpenDeviceCount(), 0);
}

TEST(PulseWaveOutTest, ReportsTheBufferDoneOnlyAfterItHasPlayed)
{
    PulseServer server;
    std::string error;
    ASSERT_TRUE(server.Start(1, &error)) << error;
    PulseWaveOut wave;
    HWAVEOUT device = nullptr;
    ASSERT_EQ(wave.Open(&device, WAVE_MAPPER, &kSpeech, CountDone, 0, CALLBACK_FUNCTION), MMSYSERR_NOERROR);
    g_done = 0;

    std::vector<char> pcm(22050 * 2, 0);  // 1 s
    WAVEHDR header{};
    header.lpData = pcm.data();
    header.dwBufferLength = static_cast<uint32_t>(pcm.size());
    ASSERT_EQ(wave.PrepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(wave.Write(device, &header, sizeof header), MMSYSERR_NOERROR);
    int stillPlaying = 0;
    MMRESULT closed;
    while ((closed = wave.Close(device)) == WAVERR_STILLPLAYING) {
        ++stillPlaying;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(closed, MMSYSERR_NOERROR);
    EXPECT_EQ(g_done.load(), 1);
    EXPECT_GT(stillPlaying, 0);
    EXPECT_GE(elapsed, std::chrono::milliseconds(900)) << "close succeeded before the second of sound had played";
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

TEST(PulseWaveOutTest, EndsTheBufferWhenTheServerGoesAway)
{
    PulseServer server;
    std::string error;
    ASSERT_TRUE(server.Start(1, &error)) << error;
    PulseWaveOut wave;
    HWAVEOUT device = nullptr;
    ASSERT_EQ(wave.Open(&device, WAVE_MAPPER, &kSpeech, CountDone, 0, CALLBACK_FUNCTION), MMSYSERR_NOERROR);
    g_done = 0;
    std::vector<char> pcm(22050 * 2 * 10, 0);  // 10 s
    WAVEHDR header{};
    header.lpData = pcm.data();
    header.dwBufferLength = static_cast<uint32_t>(pcm.size());
    ASSERT_EQ(wave.PrepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
    ASSERT_EQ(wave.Write(device, &header, sizeof header), MMSYSERR_NOERROR);
    server.Stop();

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    MMRESULT closed;
    while ((closed = wave.Close(device)) == WAVERR_STILLPLAYING && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(closed, MMSYSERR_NOERROR) << "the close loop would wait for ever";
    EXPECT_EQ(g_done.load(), 1);
}

}  // namespace
