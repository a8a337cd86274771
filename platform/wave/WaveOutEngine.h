#pragma once
// What every wave output backend shares: handle checks, the header flags, the count of buffers
// still playing, and delivery of the notifications on one NotificationThread.
//
// A backend derives from WaveOutEngine and supplies the device itself: OpenDevice, QueueBuffer
// and CloseDevice. When a queued buffer has been played the backend calls ReportDone, from any
// thread. The engine guarantees that CloseDevice is called only when no buffer is queued, so a
// backend never sees a buffer outlive its device.
#include "platform/wave/NotificationThread.h"
#include "platform/wave/WaveOutBackend.h"

#include <memory>
#include <mutex>
#include <set>

struct WaveOutDevice {
    virtual ~WaveOutDevice() = default;

    WaveOutProc callback = nullptr;
    uintptr_t instance = 0;
    int buffersQueued = 0;  // guarded by WaveOutEngine::m_mutex
};

class WaveOutEngine : public WaveOutBackend {
public:
    WaveOutEngine() = default;
    ~WaveOutEngine() override;

    MMRESULT Open(HWAVEOUT* device, uint32_t deviceId, const WAVEFORMATEX* format, WaveOutProc callback,
                  uintptr_t instance, uint32_t flags) override;
    MMRESULT PrepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize) override;
    MMRESULT UnprepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize) override;
    MMRESULT Write(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize) override;
    MMRESULT Close(HWAVEOUT device) override;

    // Devices opened and not yet closed.
    int OpenDeviceCount() const;

    // The format rule every backend applies: PCM, 1 or 2 channels, 8 or 16 bits, 1..192000
    // samples per second, and block alignment and bytes per second that agree with them.
    static bool IsPlayableFormat(const WAVEFORMATEX& format);

protected:
    // Creates the device; on success stores it in *device and returns MMSYSERR_NOERROR.
    virtual MMRESULT OpenDevice(uint32_t deviceId, const WAVEFORMATEX& format, WaveOutDevice** device) = 0;
    // Starts playing `header`; ReportDone must follow exactly once when it returns success.
    virtual MMRESULT QueueBuffer(WaveOutDevice* device, WAVEHDR* header) = 0;
    // Releases the device (no buffer is queued); on failure the device stays open.
    virtual MMRESULT CloseDevice(WaveOutDevice* device) = 0;
    // Called on the notification thread after each callback has returned.
    virtual void Delivered(uint32_t /*message*/) {}

    void ReportDone(WaveOutDevice* device, WAVEHDR* header);
    // Returns once every notification posted so far has been delivered.
    void WaitForNotifications();

    // Delivers what is still queued and stops the notification thread. A derived backend calls
    // it first in its destructor, so that no notification runs on a half-destroyed object.
    void StopNotifications();

private:
    bool IsOpenLocked(HWAVEOUT device) const { return m_devices.count(device) != 0; }
    void Notify(WaveOutDevice* device, uint32_t message, uintptr_t param1);

    mutable std::mutex m_mutex;
    std::set<WaveOutDevice*> m_devices;
    std::unique_ptr<NotificationThread> m_notifier = std::make_unique<NotificationThread>();
};
