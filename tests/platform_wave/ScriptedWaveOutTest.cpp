// The scripted backend answers as told and records what it was given: the wave player's tests
// rely on both.
#include "platform/wave/ScriptedWaveOut.h"

#include <gtest/gtest.h>

namespace {

const WAVEFORMATEX kSpeech = {WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};

void Ignore(HWAVEOUT, uint32_t, uintptr_t, uintptr_t, uintptr_t) {}

TEST(ScriptedWaveOutTest, AnswersOpenAttemptsInScriptOrderAndRecordsThem)
{
    ScriptedWaveOut wave;
    wave.script.deviceCount = 3;
    wave.script.openResults = {MMSYSERR_ALLOCATED, WAVERR_BADFORMAT};
    HWAVEOUT device = nullptr;
    EXPECT_EQ(wave.Open(&device, 0, &kSpeech, Ignore, 0, CALLBACK_FUNCTION), MMSYSERR_ALLOCATED);
    EXPECT_EQ(wave.Open(&device, 1, &kSpeech, Ignore, 0, CALLBACK_FUNCTION), WAVERR_BADFORMAT);
    ASSERT_EQ(wave.Open(&device, WAVE_MAPPER, &kSpeech, Ignore, 0, CALLBACK_FUNCTION), MMSYSERR_NOERROR);

    const auto attempts = wave.OpenAttempts();
    ASSERT_EQ(attempts.size(), 3u);
    EXPECT_EQ(attempts[0].deviceId, 0u);
    EXPECT_EQ(attempts[1].result, WAVERR_BADFORMAT);
    EXPECT_EQ(attempts[2].deviceId, WAVE_MAPPER);
    EXPECT_EQ(attempts[2].format.nAvgBytesPerSec, 44100u);
    EXPECT_EQ(wave.OpenDeviceCount(), 1);
    EXPECT_EQ(wave.Close(device), MMSYSERR_NOERROR);
}

TEST(ScriptedWaveOutTest, WithoutDevicesNoOpenSucceeds)
{
    ScriptedWaveOut wave;
    wave.script.deviceCount = 0;
    HWAVEOUT device = nullptr;
    EXPECT_EQ(wave.GetNumDevs(), 0u);
    EXPECT_EQ(wave.Open(&device, WAVE_MAPPER, &kSpeech, Ignore, 0, CALLBACK_FUNCTION), MMSYSERR_NODRIVER);
    EXPECT_EQ(wave.OpenDeviceCount(), 0);
}

TEST(ScriptedWaveOutTest, FailsPrepareWriteAndCloseAsScriptedAndRecordsTheBuffer)
{
    ScriptedWaveOut wave;
    HWAVEOUT device = nullptr;
    ASSERT_EQ(wave.Open(&device, WAVE_MAPPER, &kSpeech, Ignore, 0, CALLBACK_FUNCTION), MMSYSERR_NOERROR);
    char pcm[4] = {1, 2, 3, 4};
    WAVEHDR header{};
    header.lpData = pcm;
    header.dwBufferLength = sizeof pcm;

    wave.script.prepareResult = MMSYSERR_NOMEM;
    EXPECT_EQ(wave.PrepareHeader(device, &header, sizeof header), MMSYSERR_NOMEM);
    wave.script.prepareResult = MMSYSERR_NOERROR;
    ASSERT_EQ(wave.PrepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);

    wave.script.writeResult = MMSYSERR_ERROR;
    EXPECT_EQ(wave.Write(device, &header, sizeof header), MMSYSERR_ERROR);
    EXPECT_FALSE(header.dwFlags & WHDR_INQUEUE) << "a failed write leaves nothing queued";
    EXPECT_TRUE(wave.Buffers().empty());
    wave.script.writeResult = MMSYSERR_NOERROR;
    ASSERT_EQ(wave.Write(device, &header, sizeof header), MMSYSERR_NOERROR);
    ASSERT_EQ(wave.Buffers().size(), 1u);
    EXPECT_EQ(wave.Buffers()[0], std::vector<char>(pcm, pcm + 4));

    wave.script.closeResults = {MMSYSERR_INVALHANDLE};
    EXPECT_EQ(wave.Close(device), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(wave.OpenDeviceCount(), 1) << "a failed close leaves the device open";
    EXPECT_EQ(wave.Close(device), MMSYSERR_NOERROR);
    EXPECT_EQ(wave.OpenDeviceCount(), 0);
}

}  // namespace
