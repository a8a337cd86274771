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
//
// The connection to the server is made on first need (or started ahead by ConnectAhead) and kept;
// a connection that failed or was lost is replaced by a new one on the next call.
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
    // Starts connecting to the server unless connected or connecting; the next call that needs
    // the server waits for that connection (or starts afresh if it failed).
    void ConnectAhead() override;

protected:
    MMRESULT OpenDevice(uint32_t deviceId, const WAVEFORMATEX& format, WaveOutDevice** device) override;
    MMRESULT QueueBuffer(WaveOutDevice* device, WAVEHDR* header) override;
    MMRESULT CloseDevice(WaveOutDevice* device) override;

private:
    friend struct PulseDevice;

    // The following run with the main loop locked.
    // Connects, or waits for the connection started ahead; false when no server answers in time.
    bool ConnectLocked();
    // Starts a connection unless one is ready or on its way; never waits. False when it cannot
    // even be started.
    bool StartConnectLocked();
    void DiscardContextLocked();
    bool RefreshSinksLocked();
    void WaitLocked();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    std::vector<std::string> m_sinks;
};
