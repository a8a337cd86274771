#include "voice/WavOut.h"

#include "platform/core/MessageBox.h"
#include "voice/LogLine.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <new>
#include <thread>

std::atomic<uint8_t> PlayingFlag{0};

namespace {

const char kNoPcm[] = "OstrelSoft Software Error Code 003";
const char kFormatError[] = "Voice data file Format error! Please contact support at support@ostrelsoft.example.";

void ShowText(const char* text)
{
    ShowMessageBox(String(text), String(), MB_OK);
}

void Sleep(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

unsigned long HandleBits(const void* pointer)
{
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(pointer));
}

}  // namespace

void waveOutProc(HWAVEOUT device, uint32_t message, uintptr_t, uintptr_t param1, uintptr_t)
{
    LogLine(0, "waveOutProc(uMsg=%d)", static_cast<int>(message));
    switch (message) {
    case WOM_OPEN:
        PlayingFlag = 1;
        break;
    case WOM_DONE: {
        auto* header = reinterpret_cast<WAVEHDR*>(param1);
        if (!header)
            break;
        MMRESULT result = waveOutUnprepareHeader(device, header, sizeof(WAVEHDR));
        if (result == WAVERR_STILLPLAYING) {
            Sleep(CWavOut::kPollMilliseconds);
            result = waveOutUnprepareHeader(device, header, sizeof(WAVEHDR));
        }
        if (result != MMSYSERR_NOERROR)
            LogLine(3, "waveOutUnprepareHeader failed, ret=[%x], hwo=[x] pWhdr=[%lx]", result, HandleBits(header));
        delete header;
        PlayingFlag = 0;
        break;
    }
    case WOM_CLOSE:
        // A request whose buffer never reached the device gets no "done"; the flag must still
        // fall back, or every later request would be refused.
        PlayingFlag = 0;
        break;
    default:
        break;
    }
}

MMRESULT CWavOut::SetSoundFile(CSoundFile* soundFile)
{
    m_soundFile = soundFile;
    m_format = soundFile ? soundFile->GetFormat() : nullptr;
    LogLine(1, "Num of channels = [%d]", m_format ? m_format->nChannels : 0);
    if (!m_format) {
        LogLine(3, "Error wave format");
        return MMSYSERR_NOMEM;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT CWavOut::Play(const int32_t* clipNumbers, uint32_t count)
{
    const int firstClip = count > 0 && clipNumbers ? clipNumbers[0] : 0;
    if (m_soundFile) {
        m_soundFile->SetSamplesPerSec(22050);
        m_format = m_soundFile->GetFormat();
    }
    LogLine(0, "CWavOut::Play(%d, %d)", firstClip, static_cast<int>(count));
    if (PlayingFlag != 0)
        return 1;

    auto* header = new (std::nothrow) WAVEHDR;
    if (!header)
        return MMSYSERR_NOERROR;
    std::memset(header, 0, sizeof *header);
    LogLine(1, "Playing, n=%d, id[0] = %d", static_cast<int>(count), firstClip);

    CByteBuffer* pcm = m_soundFile ? m_soundFile->Play(clipNumbers, count) : nullptr;
    if (!pcm) {
        delete header;
        ShowText(kNoPcm);
        return 3;
    }

    uint32_t attempt = 0;
    uint32_t devices = 0;
    while (attempt < (devices = waveOutGetNumDevs())) {
        m_lastResult = waveOutOpen(&m_device, WAVE_MAPPER, m_format, waveOutProc, 0, CALLBACK_FUNCTION);
        if (m_lastResult == MMSYSERR_NOERROR)
            break;
        if (m_lastResult == WAVERR_BADFORMAT) {
            delete header;
            ShowText(kFormatError);
            return MMSYSERR_NOERROR;
        }
        LogLine(1, "device id [%d], ret=[%x]", static_cast<int>(attempt), m_lastResult);
        ++attempt;
    }
    LogLine(1, "device id [%d], total devices [%d], hwo=[%lx]", static_cast<int>(attempt), static_cast<int>(devices),
            HandleBits(m_device));
    if (attempt >= devices) {
        delete header;
        LogLine(3, "no free devices found [%d]", static_cast<int>(attempt));
        char text[64];
        std::snprintf(text, sizeof text, "no free devices found [%d]", static_cast<int>(attempt));
        ShowText(text);
        return MMSYSERR_NOERROR;
    }

    const MMRESULT queued = AddOutputBufferToQueue(header, *pcm);
    if (queued != MMSYSERR_NOERROR) {
        // The header never reached the device, so no "done" will free it.
        delete header;
        return queued;
    }
    Stop();
    if (LogTracesBelowZero())
        LogLine(0, "exit CWavOut::Play");
    return MMSYSERR_NOERROR;
}

MMRESULT CWavOut::AddOutputBufferToQueue(WAVEHDR* header, const CByteBuffer& pcm)
{
    header->lpData = reinterpret_cast<char*>(pcm.m_pData);
    header->dwBufferLength = pcm.m_length;
    header->dwUser = 0;
    header->dwFlags = 0;

    m_lastResult = waveOutPrepareHeader(m_device, header, sizeof(WAVEHDR));
    if (m_lastResult != MMSYSERR_NOERROR) {
        if (m_lastResult == MMSYSERR_NOMEM)
            LogLine(3, "Error in AddOutputBufferToQueue-1. ret=[%d], bytes=[%d]", m_lastResult,
                    static_cast<int>(pcm.m_length));
        else
            LogLine(3, "Error in AddOutputBufferToQueue-1. ret=[%d]", m_lastResult);
        const MMRESULT failed = m_lastResult;
        Stop();
        return failed;
    }
    m_lastResult = waveOutWrite(m_device, header, sizeof(WAVEHDR));
    if (m_lastResult != MMSYSERR_NOERROR) {
        if (m_lastResult == MMSYSERR_NOMEM)
            LogLine(3, "Error in AddOutputBufferToQueue-2. ret=[%d], bytes=[%d]", m_lastResult,
                    static_cast<int>(pcm.m_length));
        else
            LogLine(3, "Error in AddOutputBufferToQueue-2. ret=[%d]", m_lastResult);
        const MMRESULT failed = m_lastResult;
        waveOutUnprepareHeader(m_device, header, sizeof(WAVEHDR));
        Stop();
        return failed;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT CWavOut::Stop()
{
    if (LogTracesBelowZero())
        LogLine(0, "CWavOut::Stop");
    if (!m_device)
        return MMSYSERR_NOERROR;
    // No reset: the queued buffer always plays to its end.
    m_lastResult = waveOutClose(m_device);
    while (m_lastResult == WAVERR_STILLPLAYING) {
        Sleep(kPollMilliseconds);
        m_lastResult = waveOutClose(m_device);
    }
    if (m_lastResult != MMSYSERR_NOERROR)
        LogLine(3, "waveOutClose failed, ret=[%x], hwo=[x]", m_lastResult);
    else
        m_device = nullptr;
    return MMSYSERR_NOERROR;
}
