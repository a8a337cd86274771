// A three-clip phrase spoken through the real wave output into a private PulseAudio server with a
// null sink, recorded back from the sink's monitor.
#include "voice/WavOut.h"

#include "platform/wave/PulseWaveOut.h"
#include "tests/platform_wave/PulseServer.h"
#include "tests/voice/VoiceArchiveBuilder.h"
#include "tests/voice/VoiceTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

TEST(SpeakPhraseEndToEndTest, ThePhraseIsHeardWholeAndTheDeviceIsClosedAfterIt)
{
    PulseServer server;
    std::string error;
    ASSERT_TRUE(server.Start(1, &error)) << error;
    PulseWaveOut wave;
    WaveOutBackend* previous = SetWaveOutBackend(&wave);

    const std::string folder = MakeTempFolder();
    WriteWholeFile(folder + "/voice.dat", BuildVoiceArchive({{7, FixtureClipBytes("Front_Center")},
                                                             {8, FixtureClipBytes("Front_Left")},
                                                             {9, FixtureClipBytes("Rear_Right")}}));
    CSoundFile sound(String((folder + "/voice.dat").c_str()));
    ASSERT_TRUE(sound.IsUsable());
    const int32_t phrase[] = {7, 8, 9};
    const CByteBuffer* decoded = sound.Play(phrase, 3);
    ASSERT_NE(decoded, nullptr);
    const std::vector<int16_t> expected = SamplesOf(decoded->m_pData, decoded->m_length);
    const double seconds = static_cast<double>(expected.size()) / 22050;

    MonitorRecorder recorder;
    ASSERT_TRUE(recorder.Start(server, 0, &error)) << error;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // parec connected and recording

    MessageBoxRecorder messages;
    CWavOut player;
    ASSERT_EQ(player.SetSoundFile(&sound), 0u);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(player.Play(phrase, 3), 0u);
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::vector<int16_t> recorded = recorder.Stop();

    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_GE(elapsed, seconds) << "Play returned before the sound had ended";
    EXPECT_EQ(wave.OpenDeviceCount(), 0) << "a device is left open";
    EXPECT_EQ(PlayingFlag.load(), 0);

    // Line the recording up with the decoded PCM at the first loud sample, refine, then compare.
    const long expectedOnset = FirstLoudSample(expected, 2000);
    const long recordedOnset = FirstLoudSample(recorded, 2000);
    ASSERT_GE(expectedOnset, 0);
    ASSERT_GE(recordedOnset, 0) << "the recording holds no sound (" << recorded.size() << " samples)";
    const long coarse = recordedOnset - expectedOnset;
    if (const char* dump = std::getenv("PHRASEBOOK_DUMP_RECORDING")) {
        WriteWholeFile(std::string(dump) + ".expected.raw", Bytes(decoded->m_pData, decoded->m_pData + decoded->m_length));
        WriteWholeFile(std::string(dump) + ".recorded.raw",
                       Bytes(reinterpret_cast<const uint8_t*>(recorded.data()),
                             reinterpret_cast<const uint8_t*>(recorded.data() + recorded.size())));
    }
    const Alignment alignment = BestAlignment(expected, recorded, coarse - 300, coarse + 300, 4);
    EXPECT_GT(alignment.correlation, 0.99) << "lag " << alignment.lag;
    EXPECT_GE(static_cast<long>(recorded.size()) - alignment.lag, static_cast<long>(expected.size()) - 576)
        << "the recording stops before the end of the phrase";

    SetWaveOutBackend(previous);
    std::filesystem::remove_all(folder);
}

}  // namespace
