// CWavOut through the scripted wave output: every row of the player's failure handling, the
// device attempt loop, the format it opens with, and the playing flag.
#include "voice/WavOut.h"

#include "platform/wave/ScriptedWaveOut.h"
#include "tests/voice/VoiceArchiveBuilder.h"
#include "tests/voice/VoiceTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char kNoPcm[] = "OstrelSoft Software Error Code 003";

class WavOutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = MakeTempFolder();
        const std::string path = m_folder + "/voice.dat";
        WriteWholeFile(path, BuildVoiceArchive({{1, FixtureClipBytes("Front_Center")},
                                                {2, FixtureClipBytes("Front_Left")},
                                                {3, FixtureClipBytes("Rear_Right")}}));
        m_sound.OpenArchive(String(path.c_str()));
        ASSERT_TRUE(m_sound.IsUsable());
        ASSERT_EQ(m_player.SetSoundFile(&m_sound), 0u);
        m_previous = SetWaveOutBackend(&m_wave);
        PlayingFlag = 0;
    }
    void TearDown() override
    {
        SetWaveOutBackend(m_previous);
        EXPECT_EQ(m_wave.OpenDeviceCount(), 0) << "a device was left open";
        EXPECT_EQ(PlayingFlag.load(), 0) << "the playing flag was left set";
        std::filesystem::remove_all(m_folder);
    }
    MMRESULT PlayPhrase() { return m_player.Play(kPhrase, 3); }

    static constexpr int32_t kPhrase[3] = {1, 2, 3};
    std::string m_folder;
    CSoundFile m_sound;
    CWavOut m_player;
    ScriptedWaveOut m_wave;
    WaveOutBackend* m_previous = nullptr;
    MessageBoxRecorder m_messages;
    LogRecorder m_log{0};
};

TEST_F(WavOutTest, PlaysThePhraseAsOneBufferAndClosesTheDevice)
{
    EXPECT_EQ(PlayPhrase(), 0u);
    const auto buffers = m_wave.Buffers();
    ASSERT_EQ(buffers.size(), 1u) << "one buffer, one write";
    const int32_t again[3] = {1, 2, 3};
    const CByteBuffer* pcm = m_sound.Play(again, 3);
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(buffers[0], std::vector<char>(pcm->m_pData, pcm->m_pData + pcm->m_length));
    EXPECT_TRUE(m_messages.Texts().empty());

    std::vector<uint32_t> messages;
    for (const auto& n : m_wave.Notifications()) {
        messages.push_back(n.message);
        EXPECT_NE(n.thread, std::this_thread::get_id());
    }
    EXPECT_EQ(messages, (std::vector<uint32_t>{WOM_OPEN, WOM_DONE, WOM_CLOSE}));
    EXPECT_EQ(m_log.LinesStartingWith("waveOutProc(uMsg="),
              (std::vector<std::string>{"waveOutProc(uMsg=955)", "waveOutProc(uMsg=957)", "waveOutProc(uMsg=956)"}));
    EXPECT_EQ(m_log.LinesStartingWith("Playing, n="), std::vector<std::string>{"Playing, n=3, id[0] = 1"});
    EXPECT_TRUE(m_log.LinesStartingWith("exit CWavOut::Play").empty()) << "written only below threshold 0";
}

TEST_F(WavOutTest, OpensWithSixteenBitMonoAt22050WhateverTheArchiveSaid)
{
    m_sound.SetSamplesPerSec(8000);
    EXPECT_EQ(PlayPhrase(), 0u);
    const auto attempts = m_wave.OpenAttempts();
    ASSERT_EQ(attempts.size(), 1u);
    const WAVEFORMATEX& f = attempts[0].format;
    EXPECT_EQ(attempts[0].deviceId, WAVE_MAPPER);
    EXPECT_EQ(f.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(f.nChannels, 1);
    EXPECT_EQ(f.nSamplesPerSec, 22050u);
    EXPECT_EQ(f.nAvgBytesPerSec, 44100u);
    EXPECT_EQ(f.nBlockAlign, 2);
    EXPECT_EQ(f.wBitsPerSample, 16);
}

TEST_F(WavOutTest, RefusesARequestWhileAPlaybackIsMarkedRunning)
{
    LogRecorder log(0);
    PlayingFlag = 1;
    EXPECT_EQ(PlayPhrase(), 1u);
    EXPECT_EQ(m_wave.NumDevsQueries(), 0) << "no device call";
    EXPECT_TRUE(m_wave.OpenAttempts().empty());
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"CWavOut::Play(1, 3)"}) << "nothing decoded, nothing else done";
    PlayingFlag = 0;
}

TEST_F(WavOutTest, ShowsErrorCode003WhenTheArchiveYieldsNoPcm)
{
    const int32_t missing[] = {1, 42};
    EXPECT_EQ(m_player.Play(missing, 2), 3u);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{kNoPcm});
    EXPECT_EQ(m_wave.NumDevsQueries(), 0);

    CWavOut unbound;
    EXPECT_EQ(unbound.Play(kPhrase, 3), 3u) << "a player without a sound file has no PCM either";
}

TEST_F(WavOutTest, AFormatRejectedByTheDeviceIsShownOnceWithoutAnotherAttempt)
{
    m_wave.script.deviceCount = 3;
    m_wave.script.openResults = {WAVERR_BADFORMAT};
    EXPECT_EQ(PlayPhrase(), 0u);
    ASSERT_EQ(m_messages.Texts().size(), 1u);
    EXPECT_EQ(m_messages.Texts()[0].rfind("Voice data file Format error! Please contact support at ", 0), 0u);
    EXPECT_EQ(m_messages.Texts()[0].back(), '.');
    EXPECT_EQ(m_wave.OpenAttempts().size(), 1u);
}

TEST_F(WavOutTest, TriesEveryDeviceAndReportsWhenNoneOpens)
{
    struct Case {
        uint32_t devices;
        std::deque<MMRESULT> openResults;
        std::vector<std::string> attemptLines;
    };
    const Case cases[] = {
        {2, {MMSYSERR_ALLOCATED, MMSYSERR_NODRIVER}, {"device id [0], ret=[4]", "device id [1], ret=[6]"}},
        {0, {}, {}},
    };
    for (const Case& c : cases) {
        ScriptedWaveOut wave;
        wave.script.deviceCount = c.devices;
        wave.script.openResults = c.openResults;
        SetWaveOutBackend(&wave);
        MessageBoxRecorder messages;
        LogRecorder log(1);

        EXPECT_EQ(PlayPhrase(), 0u);
        const std::string noDevice = "no free devices found [" + std::to_string(c.devices) + "]";
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{noDevice});
        EXPECT_EQ(log.LinesStartingWith("device id [" + std::to_string(c.devices) + "], total devices ["
                                        + std::to_string(c.devices) + "]").size(), 1u);
        EXPECT_EQ(log.LinesStartingWith("device id [").size(), c.attemptLines.size() + 1);
        for (const std::string& line : c.attemptLines)
            EXPECT_EQ(log.LinesStartingWith(line).size(), 1u) << line;
        EXPECT_EQ(log.LinesStartingWith(noDevice).size(), 1u);
        EXPECT_EQ(wave.OpenAttempts().size(), c.devices);
        SetWaveOutBackend(&m_wave);
    }
    LogRecorder failuresOnly(3);
    ScriptedWaveOut none;
    none.script.deviceCount = 0;
    SetWaveOutBackend(&none);
    PlayPhrase();
    EXPECT_EQ(failuresOnly.Lines(), std::vector<std::string>{"no free devices found [0]"}) << "logged at level 3";
    SetWaveOutBackend(&m_wave);
}

TEST_F(WavOutTest, ASecondDeviceIsUsedWhenTheFirstIsBusy)
{
    m_wave.script.deviceCount = 2;
    m_wave.script.openResults = {MMSYSERR_ALLOCATED};
    EXPECT_EQ(PlayPhrase(), 0u);
    EXPECT_EQ(m_wave.OpenAttempts().size(), 2u);
    EXPECT_EQ(m_wave.Buffers().size(), 1u);
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(WavOutTest, PrepareAndWriteFailuresAreLoggedAndReturnedAndLaterRequestsStillPlay)
{
    struct Case {
        const char* what;
        MMRESULT prepare, write;
        std::string line;
    };
    const Case cases[] = {
        {"prepare out of memory", MMSYSERR_NOMEM, 0, "Error in AddOutputBufferToQueue-1. ret=[7], bytes=["},
        {"prepare fails", MMSYSERR_INVALPARAM, 0, "Error in AddOutputBufferToQueue-1. ret=[11]"},
        {"write out of memory", 0, MMSYSERR_NOMEM, "Error in AddOutputBufferToQueue-2. ret=[7], bytes=["},
        {"write fails", 0, MMSYSERR_ERROR, "Error in AddOutputBufferToQueue-2. ret=[1]"},
    };
    for (const Case& c : cases) {
        LogRecorder log(3);
        m_wave.script.prepareResult = c.prepare;
        m_wave.script.writeResult = c.write;
        EXPECT_EQ(PlayPhrase(), c.prepare ? c.prepare : c.write) << c.what;
        const auto lines = log.Lines();
        ASSERT_EQ(lines.size(), 1u) << c.what;
        EXPECT_EQ(lines[0].rfind(c.line, 0), 0u) << c.what << ": " << lines[0];
        EXPECT_EQ(m_wave.OpenDeviceCount(), 0) << c.what << ": the device is closed";
        EXPECT_EQ(PlayingFlag.load(), 0) << c.what << ": the flag falls back with the device closed";

        m_wave.script.prepareResult = 0;
        m_wave.script.writeResult = 0;
        const size_t played = m_wave.Buffers().size();
        EXPECT_EQ(PlayPhrase(), 0u) << c.what << ": the next request is not refused";
        EXPECT_EQ(m_wave.Buffers().size(), played + 1) << c.what;
    }
    EXPECT_TRUE(m_messages.Texts().empty()) << "queue failures show nothing";
}

TEST_F(WavOutTest, WaitsWhileTheBufferPlaysAndLogsCloseAndUnprepareFailures)
{
    {
        m_wave.script.closesWhilePlaying = 1;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(PlayPhrase(), 0u);
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(CWavOut::kPollMilliseconds))
            << "one sleep between the close attempts";
        EXPECT_EQ(m_wave.CloseCalls(), 2);
    }
    {
        LogRecorder log(3);
        const int unprepared = m_wave.UnprepareCalls();
        m_wave.script.unprepareResults = {WAVERR_STILLPLAYING, WAVERR_STILLPLAYING};
        EXPECT_EQ(PlayPhrase(), 0u);
        const auto lines = log.Lines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind("waveOutUnprepareHeader failed, ret=[21], hwo=[x] pWhdr=[", 0), 0u) << lines[0];
        EXPECT_EQ(m_wave.UnprepareCalls() - unprepared, 2) << "one retry";
    }
    {
        LogRecorder log(3);
        m_wave.script.closeResults = {MMSYSERR_INVALHANDLE};
        EXPECT_EQ(PlayPhrase(), 0u) << "a failed close does not change the result";
        EXPECT_EQ(log.Lines(), std::vector<std::string>{"waveOutClose failed, ret=[5], hwo=[x]"});
        // The scripted device is still open; a second close releases it for the tear-down check.
        EXPECT_EQ(m_player.Stop(), 0u);
        EXPECT_EQ(PlayingFlag.load(), 0);
    }
}

TEST(WavOutBindingTest, SetSoundFileNeedsAFormatRecord)
{
    LogRecorder log(1);
    CWavOut player;
    EXPECT_EQ(player.SetSoundFile(nullptr), MMSYSERR_NOMEM);
    CSoundFile sound;
    EXPECT_EQ(player.SetSoundFile(&sound), 0u);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Num of channels = [0]", "Error wave format", "Num of channels = [1]"}));
}

}  // namespace
