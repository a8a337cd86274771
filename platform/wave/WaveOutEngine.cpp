#include "platform/wave/WaveOutEngine.h"

WaveOutEngine::~WaveOutEngine()
{
    StopNotifications();
    // Devices left open by a caller die with the backend; their notifications are not sent.
    for (WaveOutDevice* device : m_devices)
        delete device;
}

void WaveOutEngine::StopNotifications()
{
    m_notifier.reset();
}

bool WaveOutEngine::IsPlayableFormat(const WAVEFORMATEX& format)
{
    if (format.wFormatTag != WAVE_FORMAT_PCM)
        return false;
    if (format.nChannels < 1 || format.nChannels > 2)
        return false;
    if (format.wBitsPerSample != 8 && format.wBitsPerSample != 16)
        return false;
    if (format.nSamplesPerSec < 1 || format.nSamplesPerSec > 192000)
        return false;
    const uint32_t blockAlign = format.nChannels * (format.wBitsPerSample / 8u);
    return format.nBlockAlign == blockAlign && format.nAvgBytesPerSec == format.nSamplesPerSec * blockAlign;
}

void WaveOutEngine::Notify(WaveOutDevice* device, uint32_t message, uintptr_t param1)
{
    WaveOutProc callback = device->callback;
    uintptr_t instance = device->instance;
    m_notifier->PostAndWait([=, this] {
        if (callback)
            callback(device, message, instance, param1, 0);
        Delivered(message);
    });
}

MMRESULT WaveOutEngine::Open(HWAVEOUT* device, uint32_t deviceId, const WAVEFORMATEX* format,
                             WaveOutProc callback, uintptr_t instance, uint32_t flags)
{
    if (!device || !format)
        return MMSYSERR_INVALPARAM;
    const uint32_t callbackType = flags & CALLBACK_TYPEMASK;
    if ((callbackType != CALLBACK_FUNCTION && callbackType != CALLBACK_NULL) ||
        (callbackType == CALLBACK_FUNCTION && !callback) || (flags & ~CALLBACK_TYPEMASK) != 0)
        return MMSYSERR_INVALFLAG;

    WaveOutDevice* opened = nullptr;
    const MMRESULT result = OpenDevice(deviceId, *format, &opened);
    if (result != MMSYSERR_NOERROR)
        return result;
    opened->callback = callbackType == CALLBACK_FUNCTION ? callback : nullptr;
    opened->instance = instance;
    {
        std::lock_guard lock(m_mutex);
        m_devices.insert(opened);
    }
    *device = opened;
    Notify(opened, WOM_OPEN, 0);
    return MMSYSERR_NOERROR;
}

MMRESULT WaveOutEngine::PrepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize)
{
    std::lock_guard lock(m_mutex);
    if (!IsOpenLocked(device))
        return MMSYSERR_INVALHANDLE;
    if (!header || headerSize != sizeof(WAVEHDR) || (!header->lpData && header->dwBufferLength != 0))
        return MMSYSERR_INVALPARAM;
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT WaveOutEngine::UnprepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize)
{
    std::lock_guard lock(m_mutex);
    if (!IsOpenLocked(device))
        return MMSYSERR_INVALHANDLE;
    if (!header || headerSize != sizeof(WAVEHDR))
        return MMSYSERR_INVALPARAM;
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags &= ~WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT WaveOutEngine::Write(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize)
{
    {
        std::lock_guard lock(m_mutex);
        if (!IsOpenLocked(device))
            return MMSYSERR_INVALHANDLE;
        if (!header || headerSize != sizeof(WAVEHDR))
            return MMSYSERR_INVALPARAM;
        if (!(header->dwFlags & WHDR_PREPARED))
            return WAVERR_UNPREPARED;
        if (header->dwFlags & WHDR_INQUEUE)
            return WAVERR_STILLPLAYING;
        header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
        ++device->buffersQueued;
    }
    const MMRESULT result = QueueBuffer(device, header);
    if (result != MMSYSERR_NOERROR) {
        std::lock_guard lock(m_mutex);
        header->dwFlags &= ~WHDR_INQUEUE;
        --device->buffersQueued;
    }
    return result;
}

void WaveOutEngine::ReportDone(WaveOutDevice* device, WAVEHDR* header)
{
    WaveOutProc callback = device->callback;
    uintptr_t instance = device->instance;
    m_notifier->Post([=, this] {
        {
            std::lock_guard lock(m_mutex);
            header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
        }
        // The callback may unprepare and free the header: it is not touched after this call.
        if (callback)
            callback(device, WOM_DONE, instance, reinterpret_cast<uintptr_t>(header), 0);
        Delivered(WOM_DONE);
        std::lock_guard lock(m_mutex);
        --device->buffersQueued;
    });
}

void WaveOutEngine::WaitForNotifications()
{
    m_notifier->PostAndWait([] {});
}

MMRESULT WaveOutEngine::Close(HWAVEOUT device)
{
    {
        std::lock_guard lock(m_mutex);
        if (!IsOpenLocked(device))
            return MMSYSERR_INVALHANDLE;
        if (device->buffersQueued > 0)
            return WAVERR_STILLPLAYING;
    }
    const MMRESULT result = CloseDevice(device);
    if (result != MMSYSERR_NOERROR)
        return result;
    {
        std::lock_guard lock(m_mutex);
        m_devices.erase(device);
    }
    Notify(device, WOM_CLOSE, 0);
    delete device;
    return MMSYSERR_NOERROR;
}

int WaveOutEngine::OpenDeviceCount() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_devices.size());
}
