#pragma once
// The replaceable implementation behind the waveOut calls of platform/wave/WaveOut.h.
#include "platform/wave/WaveOut.h"

class WaveOutBackend {
public:
    virtual ~WaveOutBackend() = default;

    virtual uint32_t GetNumDevs() = 0;
    virtual MMRESULT Open(HWAVEOUT* device, uint32_t deviceId, const WAVEFORMATEX* format,
                          WaveOutProc callback, uintptr_t instance, uint32_t flags) = 0;
    virtual MMRESULT PrepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize) = 0;
    virtual MMRESULT UnprepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize) = 0;
    virtual MMRESULT Write(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize) = 0;
    virtual MMRESULT Close(HWAVEOUT device) = 0;
};

// Routes every waveOut call to `backend` (not owned; it must outlive its use) and returns the
// previous one. nullptr restores the default backend, the sound server through libpulse.
// Swap backends only while no device is open.
WaveOutBackend* SetWaveOutBackend(WaveOutBackend* backend);
