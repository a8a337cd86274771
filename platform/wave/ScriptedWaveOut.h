#pragma once
// A wave output for tests: it plays nothing, answers as its script says and records what it was
// given. Install it with SetWaveOutBackend.
//
//     ScriptedWaveOut wave;
//     wave.script.deviceCount = 2;
//     wave.script.openResults = {MMSYSERR_ALLOCATED, MMSYSERR_ALLOCATED};
//     WaveOutBackend* previous = SetWaveOutBackend(&wave);
//
// A written buffer "plays" until `closesWhilePlaying` close calls have answered
// WAVERR_STILLPLAYING; with the default 0 it is reported done before waveOutWrite returns.
// Notifications run on the engine's notification thread, as with the real backend.
#include "platform/wave/WaveOutEngine.h"

#include <deque>
#include <thread>
#include <vector>

class ScriptedWaveOut : public WaveOutEngine {
public:
    struct Script {
        uint32_t deviceCount = 1;
        std::deque<MMRESULT> openResults;       // one per open attempt; success once empty
        MMRESULT prepareResult = MMSYSERR_NOERROR;
        MMRESULT writeResult = MMSYSERR_NOERROR;
        int closesWhilePlaying = 0;
        std::deque<MMRESULT> closeResults;      // after playing ends; a failure leaves the device open
        std::deque<MMRESULT> unprepareResults;  // answered before the real unprepare runs
    };

    struct OpenAttempt {
        uint32_t deviceId;
        WAVEFORMATEX format;
        MMRESULT result;
    };

    struct Notification {
        uint32_t message;
        std::thread::id thread;
    };

    ScriptedWaveOut() = default;
    ~ScriptedWaveOut() override;

    // Set before the calls it governs; the backend reads it under its own lock.
    Script script;

    uint32_t GetNumDevs() override;
    MMRESULT PrepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize) override;
    MMRESULT UnprepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize) override;
    MMRESULT Close(HWAVEOUT device) override;

    // Records, in call order.
    std::vector<OpenAttempt> OpenAttempts() const;
    std::vector<std::vector<char>> Buffers() const;     // bytes of every buffer written
    std::vector<Notification> Notifications() const;   // every notification delivered
    int NumDevsQueries() const;
    int PrepareCalls() const;
    int WriteCalls() const;
    int CloseCalls() const;
    int UnprepareCalls() const;

protected:
    MMRESULT OpenDevice(uint32_t deviceId, const WAVEFORMATEX& format, WaveOutDevice** device) override;
    MMRESULT QueueBuffer(WaveOutDevice* device, WAVEHDR* header) override;
    MMRESULT CloseDevice(WaveOutDevice* device) override;
    void Delivered(uint32_t message) override;

private:
    struct Playing {
        WaveOutDevice* device;
        WAVEHDR* header;
    };

    // Reports the buffers still playing as done and waits until their callbacks have run.
    void FinishPlaying();

    mutable std::mutex m_recordMutex;
    std::vector<OpenAttempt> m_openAttempts;
    std::vector<std::vector<char>> m_buffers;
    std::vector<Notification> m_notifications;
    std::vector<Playing> m_playing;
    int m_numDevsQueries = 0;
    int m_prepareCalls = 0;
    int m_writeCalls = 0;
    int m_closeCalls = 0;
    int m_unprepareCalls = 0;
};
