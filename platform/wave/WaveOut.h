#pragma once
// Wave output of the handheld framework, shaped like the platform's waveOut calls.
//
// A device is opened with a PCM format and a callback function; the caller prepares a buffer
// header, writes it, and is told through the callback when the device has been opened (WOM_OPEN),
// when a buffer has been played (WOM_DONE, parameter 1 = the header) and when the device has been
// closed (WOM_CLOSE). Notifications always arrive on a thread of the wave output, never on the
// caller's thread, in the order the events happened. waveOutOpen returns after WOM_OPEN has been
// handled and a successful waveOutClose after WOM_CLOSE has been handled.
//
// A callback may only call waveOutUnprepareHeader; any other wave output call from inside a
// callback is outside the contract.
//
// The calls go to the backend installed with SetWaveOutBackend (platform/wave/WaveOutBackend.h);
// without one they reach the sound server through libpulse.
#include <cstdint>

using MMRESULT = uint32_t;

// Result codes.
enum : MMRESULT {
    MMSYSERR_NOERROR = 0,
    MMSYSERR_ERROR = 1,
    MMSYSERR_BADDEVICEID = 2,
    MMSYSERR_ALLOCATED = 4,
    MMSYSERR_INVALHANDLE = 5,
    MMSYSERR_NODRIVER = 6,
    MMSYSERR_NOMEM = 7,
    MMSYSERR_BADERRNUM = 9,
    MMSYSERR_INVALFLAG = 10,
    MMSYSERR_INVALPARAM = 11,
    WAVERR_BADFORMAT = 32,
    WAVERR_STILLPLAYING = 33,
    WAVERR_UNPREPARED = 34,
};

// Notification codes given to the callback.
enum : uint32_t {
    WOM_OPEN = 955,
    WOM_CLOSE = 956,
    WOM_DONE = 957,
};

// Open flags: how the caller wants to be notified.
enum : uint32_t {
    CALLBACK_NULL = 0x00000,
    CALLBACK_FUNCTION = 0x30000,
    CALLBACK_TYPEMASK = 0x70000,
};

// Device id meaning "any device that can play the format".
constexpr uint32_t WAVE_MAPPER = 0xFFFFFFFFu;

enum : uint16_t { WAVE_FORMAT_PCM = 1 };

// Header flags kept by the wave output.
enum : uint32_t {
    WHDR_DONE = 0x01,
    WHDR_PREPARED = 0x02,
    WHDR_INQUEUE = 0x10,
};

struct WAVEFORMATEX {
    uint16_t wFormatTag;
    uint16_t nChannels;
    uint32_t nSamplesPerSec;
    uint32_t nAvgBytesPerSec;
    uint16_t nBlockAlign;
    uint16_t wBitsPerSample;
    uint16_t cbSize;
};

struct WAVEHDR {
    char* lpData;
    uint32_t dwBufferLength;
    uint32_t dwBytesRecorded;
    uintptr_t dwUser;
    uint32_t dwFlags;
    uint32_t dwLoops;
    WAVEHDR* lpNext;
    uintptr_t reserved;
};

struct WaveOutDevice;
using HWAVEOUT = WaveOutDevice*;

// device, notification code, instance data given to waveOutOpen, parameter 1, parameter 2.
using WaveOutProc = void (*)(HWAVEOUT device, uint32_t message, uintptr_t instance, uintptr_t param1,
                             uintptr_t param2);

// Number of output devices; 0 when no sound server answers.
uint32_t waveOutGetNumDevs();

// Opens device `deviceId` (or WAVE_MAPPER) for `format`. WAVERR_BADFORMAT when the format cannot
// be played; `flags` must be CALLBACK_FUNCTION (with `callback`) or CALLBACK_NULL.
MMRESULT waveOutOpen(HWAVEOUT* device, uint32_t deviceId, const WAVEFORMATEX* format,
                     WaveOutProc callback, uintptr_t instance, uint32_t flags);

// `headerSize` is sizeof(WAVEHDR). Unprepare answers WAVERR_STILLPLAYING while the buffer is queued.
MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize);
MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize);

// Queues a prepared buffer; its data must stay valid until WOM_DONE.
MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize);

// WAVERR_STILLPLAYING while a written buffer has not been reported done; the device stays open.
MMRESULT waveOutClose(HWAVEOUT device);

// Writes the zero-terminated English text of `error` into `text` (at most `textLength` units with
// the terminator). MMSYSERR_BADERRNUM for an unknown code.
MMRESULT waveOutGetErrorText(MMRESULT error, char16_t* text, uint32_t textLength);
