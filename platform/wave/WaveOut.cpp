#include "platform/wave/WaveOut.h"

#include "platform/wave/PulseWaveOut.h"
#include "platform/wave/WaveOutBackend.h"

#include <atomic>

namespace {

std::atomic<WaveOutBackend*> g_installedBackend{nullptr};

WaveOutBackend& DefaultBackend()
{
    // Created on first use and never destroyed: its threads must not be joined while static
    // objects are being torn down at exit.
    static WaveOutBackend* backend = new PulseWaveOut();
    return *backend;
}

WaveOutBackend& Backend()
{
    WaveOutBackend* installed = g_installedBackend.load();
    return installed ? *installed : DefaultBackend();
}

struct ErrorText {
    MMRESULT code;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {MMSYSERR_NOERROR, "The command was successful."},
    {MMSYSERR_ERROR, "An unspecified error occurred in the wave output."},
    {MMSYSERR_BADDEVICEID, "The device id is out of range."},
    {MMSYSERR_ALLOCATED, "The device is already in use."},
    {MMSYSERR_INVALHANDLE, "The device handle is not valid."},
    {MMSYSERR_NODRIVER, "No sound server is available."},
    {MMSYSERR_NOMEM, "There is not enough memory."},
    {MMSYSERR_BADERRNUM, "The error number is not known."},
    {MMSYSERR_INVALFLAG, "A flag is not valid."},
    {MMSYSERR_INVALPARAM, "A parameter is not valid."},
    {WAVERR_BADFORMAT, "The wave format is not supported."},
    {WAVERR_STILLPLAYING, "A buffer is still playing."},
    {WAVERR_UNPREPARED, "The buffer header has not been prepared."},
};

}  // namespace

WaveOutBackend* SetWaveOutBackend(WaveOutBackend* backend)
{
    return g_installedBackend.exchange(backend);
}

uint32_t waveOutGetNumDevs()
{
    return Backend().GetNumDevs();
}

MMRESULT waveOutOpen(HWAVEOUT* device, uint32_t deviceId, const WAVEFORMATEX* format, WaveOutProc callback,
                     uintptr_t instance, uint32_t flags)
{
    return Backend().Open(device, deviceId, format, callback, instance, flags);
}

MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize)
{
    return Backend().PrepareHeader(device, header, headerSize);
}

MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize)
{
    return Backend().UnprepareHeader(device, header, headerSize);
}

MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize)
{
    return Backend().Write(device, header, headerSize);
}

MMRESULT waveOutClose(HWAVEOUT device)
{
    return Backend().Close(device);
}

MMRESULT waveOutGetErrorText(MMRESULT error, char16_t* text, uint32_t textLength)
{
    if (!text || textLength == 0)
        return MMSYSERR_INVALPARAM;
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.code != error)
            continue;
        // The texts are ASCII, so each byte is one code unit; a short buffer gets a cut text.
        uint32_t i = 0;
        for (; entry.text[i] != '\0' && i + 1 < textLength; ++i)
            text[i] = static_cast<char16_t>(entry.text[i]);
        text[i] = u'\0';
        return MMSYSERR_NOERROR;
    }
    text[0] = u'\0';
    return MMSYSERR_BADERRNUM;
}
