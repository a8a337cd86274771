#pragma once
// The wave output on the sound server (PulseAudio, or PipeWire's PulseAudio service) through
// libpulse's threaded main loop. Every output sink of the server is one device, in the server's
// order; WAVE_MAPPER plays on the server's default sink. With no server answering there are no
// devices, and opening answers MMSYSERR_NODRIVER.
//
// A written buffer is reported done when the server has played it to the end (a drain of the
// stream), so waveOutClose answers WAVERR_STILLPLAYING for as long as the sound is heard. Should
// the server go away mid-play, the buffers still queued are reported done at once, so that a
// caller polling waveOutClose is never left waiting for ever.
#include "platform/wave/WaveOutEngine.h"

#include <string>
#include <vector>

struct pa_context;
struct pa_threaded_mainloop;

class PulseWaveOut : public WaveOutEngine {
public:
    PulseWaveOut();
    ~PulseWaveOut() override;

    // Asks the server anew on every call.
    uint32_t GetNumDevs() override;

protected:
    MMRESULT OpenDevice(uint32_t deviceId, const WAVEFORMATEX& format, WaveOutDevice** device) override;
    MMRESULT QueueBuffer(WaveOutDevice* device, WAVEHDR* header) override;
    MMRESULT CloseDevice(WaveOutDevice* device) override;

private:
    friend struct PulseDevice;

    // The following run with the main loop locked.
    bool ConnectLocked();
    bool RefreshSinksLocked();
    void WaitLocked();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    std::vector<std::string> m_sinks;
};
