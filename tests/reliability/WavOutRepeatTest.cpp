// The wave player under repeated play requests, on the scripted backend and on the real one (a
// private PulseAudio server with a null sink): the user-interface thread speaks phrases back to
// back while the wave output's notification thread reports each buffer done and each device
// closed. Built with ThreadSanitizer, this is the check that what the two threads share (the
// playing flag, the buffer header freed by the callback, the device) is handed over without a
// data race; in every build it checks that no request is lost or refused, no device is left open
// and the playing flag falls back after each phrase.
//
// Requests come from one thread only, as in the program: decoding fills the process-wide PCM
// sink and is one decode at a time by contract.
#include "voice/WavOut.h"

#include "platform/wave/PulseWaveOut.h"
#include "platform/wave/ScriptedWaveOut.h"
#include "tests/platform_wave/PulseServer.h"
#include "tests/voice/VoiceArchiveBuilder.h"
#include "tests/voice/VoiceTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

struct Backend {
    const char* name;
    int requests;  // the real backend plays each phrase in real time
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
    CSoundFile m_sound;
};

TEST_P(WavOutRepeatTest, EveryRequestIsPlayedWholeAndLeavesNoDeviceOrFlagBehind)
{
    CWavOut player;
    ASSERT_EQ(player.SetSoundFile(&m_sound), 0u);
    const int requests = GetParam().requests;
    int played = 0;
    for (int i = 0; i < requests; ++i) {
        const int32_t phrase[] = {1 + i % 2, 2 - i % 2};
        const MMRESULT result = player.Play(phrase, 2);
        EXPECT_EQ(result, 0u) << "request " << i;
        played += result == 0u;
        // Play returns only after the device has been closed, so the flag is down between requests.
        EXPECT_EQ(PlayingFlag.load(), 0) << "after request " << i;
        EXPECT_EQ(m_wave->OpenDeviceCount(), 0) << "after request " << i;
    }
    EXPECT_EQ(played, requests);
    if (auto* scripted = dynamic_cast<ScriptedWaveOut*>(m_wave.get())) {
        EXPECT_EQ(scripted->WriteCalls(), requests) << "every phrase reaches the device once";
    }
    EXPECT_TRUE(m_messages.Texts().empty()) << m_messages.Texts().front();
}

INSTANTIATE_TEST_SUITE_P(Backends, WavOutRepeatTest,
                         ::testing::Values(Backend{"scripted", 300}, Backend{"pulse", 4}),
                         [](const ::testing::TestParamInfo<Backend>& info) { return std::string(info.param.name); });

}  // namespace
