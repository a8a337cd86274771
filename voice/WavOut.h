#pragma once
// CWavOut: speaks a phrase, synchronously. Play asks the bound CSoundFile for the PCM of the
// clips, opens a wave output device with the sound file's format, queues the whole PCM as one
// buffer and returns only after the device has played it and has been closed again (or after a
// failure, which is shown to the user or logged). No device stays open between requests.
//
// waveOutProc runs on the wave output's own thread: it frees the buffer header when the buffer is
// done and keeps PlayingFlag, which Play reads to refuse a request while one is still playing.
#include "platform/wave/WaveOut.h"
#include "voice/SoundFile.h"

#include <atomic>
#include <cstdint>

// 1 from the device's "opened" notification until its "done" (or "closed") notification.
extern std::atomic<uint8_t> PlayingFlag;

void waveOutProc(HWAVEOUT device, uint32_t message, uintptr_t instance, uintptr_t param1, uintptr_t param2);

class CWavOut {
public:
    // Sleep between the close attempts while the buffer still plays.
    static constexpr int kPollMilliseconds = 500;

    CWavOut() = default;
    virtual ~CWavOut() = default;
    CWavOut(const CWavOut&) = delete;
    CWavOut& operator=(const CWavOut&) = delete;

    // Binds the archive (not owned). 0, or MMSYSERR_NOMEM when it offers no format record.
    MMRESULT SetSoundFile(CSoundFile* soundFile);
    // 0 when played or when the failure has been shown; 1 while a playback is marked running;
    // 3 when the sound file yields no PCM; otherwise the failing wave output result.
    MMRESULT Play(const int32_t* clipNumbers, uint32_t count);
    // Closes the device, waiting while the buffer plays. Returns 0.
    MMRESULT Stop();

    MMRESULT GetLastResult() const { return m_lastResult; }

private:
    MMRESULT AddOutputBufferToQueue(WAVEHDR* header, const CByteBuffer& pcm);

    WAVEFORMATEX* m_format = nullptr;
    HWAVEOUT m_device = nullptr;
    MMRESULT m_lastResult = MMSYSERR_NOERROR;
    CSoundFile* m_soundFile = nullptr;
};
