// The wave player under repeated play requests, on the scripted backend and on the real one (a
// private PulseAudio server with a null sink). One thread speaks a phrase again and again; a
// second one asks to speak at the same time, as repeated taps do, and must be refused while a
// phrase plays or be played whole. Built with ThreadSanitizer, this is the check that the state
// the player shares with the wave output's notification thread (the playing flag, the buffer
// header, the device) is handed over without a data race.
#include "voice/WavOut.h"

#include "platform/wave/PulseWaveOut.h"
#include "platform/wave/ScriptedWaveOut.h"
#include "tests/platform_wave/PulseServer.h"
#include "tests/voice/VoiceArchiveBuilder.h"
#include "tests/voice/VoiceTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

namespace {

struct Backend {
    const char* name;
    int requests;  // per thread; the real backend plays each phrase in real time
};

class WavOutRepeatTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        m_folder = MakeTempFolder();
        const std::string path = m_folder + "/voice.dat";
        WriteWholeFile(path, BuildVoiceArchive({{1, FixtureClipBytes("Front_Center")},
                                                {2, FixtureClipBytes("Rear_Right")}}));
        m_sound.OpenArchive(String(path.c_str()));
        ASSERT_TRUE(m_sound.IsUsable());
        if (std::string(GetParam().name) == "pulse") {
            std::string error;
            ASSERT_TRUE(m_server.Start(1, &error)) << error;
            m_wave = std::make_unique<PulseWaveOut>();
        } else {
            m_wave = std::make_unique<ScriptedWaveOut>();
        }
        m_previous = SetWaveOutBackend(m_wave.get());
        PlayingFlag = 0;
    }
    void TearDown() override
    {
        SetWaveOutBackend(m_previous);
        m_wave.reset();
        std::filesystem::remove_all(m_folder);
    }

    std::string m_folder;
    PulseServer m_server;
    std::unique_ptr<WaveOutEngine> m_wave;
    WaveOutBackend* m_previous = nullptr;
    MessageBoxRecorder m_messages;
    // Each thread has its own player (a player is driven by one thread), both bound to one archive
    // as the screens' players are; the archive itself is read by one request at a time, so the
    // second thread uses its own copy of it.
    CSoundFile m_sound;
};

TEST_P(WavOutRepeatTest, RepeatedAndOverlappingRequestsAreEachPlayedOrRefused)
{
    CSoundFile otherSound;
    otherSound.OpenArchive(String((m_folder + "/voice.dat").c_str()));
    ASSERT_TRUE(otherSound.IsUsable());

    const int requests = GetParam().requests;
    std::atomic<int> played{0};
    std::atomic<int> refused{0};
    std::atomic<int> failed{0};
    auto speak = [&](CSoundFile* sound, int32_t clip) {
        CWavOut player;
        if (player.SetSoundFile(sound) != 0u) {
            ++failed;
            return;
        }
        const int32_t phrase[] = {clip, 3 - clip};
        for (int i = 0; i < requests; ++i) {
            const MMRESULT result = player.Play(phrase, 2);
            if (result == 0u)
                ++played;
            else if (result == 1u)
                ++refused;
            else
                ++failed;
        }
    };
    std::thread other(speak, &otherSound, 2);
    speak(&m_sound, 1);
    other.join();

    EXPECT_EQ(failed.load(), 0);
    EXPECT_EQ(played + refused, 2 * requests);
    EXPECT_GE(played.load(), requests) << "fewer phrases played than one thread asked for alone";
    EXPECT_EQ(m_wave->OpenDeviceCount(), 0) << "a device was left open";
    EXPECT_EQ(PlayingFlag.load(), 0) << "the playing flag was left set";
    EXPECT_TRUE(m_messages.Texts().empty()) << m_messages.Texts().front();
}

INSTANTIATE_TEST_SUITE_P(Backends, WavOutRepeatTest,
                         ::testing::Values(Backend{"scripted", 200}, Backend{"pulse", 3}),
                         [](const ::testing::TestParamInfo<Backend>& info) { return std::string(info.param.name); });

}  // namespace
