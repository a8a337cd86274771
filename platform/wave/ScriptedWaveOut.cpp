#include "platform/wave/ScriptedWaveOut.h"

namespace {

struct ScriptedDevice : WaveOutDevice {};

MMRESULT TakeFront(std::deque<MMRESULT>& results)
{
    if (results.empty())
        return MMSYSERR_NOERROR;
    const MMRESULT result = results.front();
    results.pop_front();
    return result;
}

}  // namespace

ScriptedWaveOut::~ScriptedWaveOut()
{
    StopNotifications();
}

uint32_t ScriptedWaveOut::GetNumDevs()
{
    std::lock_guard lock(m_recordMutex);
    ++m_numDevsQueries;
    return script.deviceCount;
}

MMRESULT ScriptedWaveOut::OpenDevice(uint32_t deviceId, const WAVEFORMATEX& format, WaveOutDevice** device)
{
    MMRESULT result;
    {
        std::lock_guard lock(m_recordMutex);
        result = TakeFront(script.openResults);
        if (result == MMSYSERR_NOERROR && !IsPlayableFormat(format))
            result = WAVERR_BADFORMAT;
        if (result == MMSYSERR_NOERROR && deviceId != WAVE_MAPPER && deviceId >= script.deviceCount)
            result = MMSYSERR_BADDEVICEID;
        if (result == MMSYSERR_NOERROR && script.deviceCount == 0)
            result = MMSYSERR_NODRIVER;
        m_openAttempts.push_back({deviceId, format, result});
    }
    if (result == MMSYSERR_NOERROR)
        *device = new ScriptedDevice();
    return result;
}

MMRESULT ScriptedWaveOut::PrepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize)
{
    MMRESULT scripted;
    {
        std::lock_guard lock(m_recordMutex);
        ++m_prepareCalls;
        scripted = script.prepareResult;
    }
    return scripted != MMSYSERR_NOERROR ? scripted : WaveOutEngine::PrepareHeader(device, header, headerSize);
}

MMRESULT ScriptedWaveOut::UnprepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t headerSize)
{
    MMRESULT scripted;
    {
        std::lock_guard lock(m_recordMutex);
        ++m_unprepareCalls;
        scripted = TakeFront(script.unprepareResults);
    }
    return scripted != MMSYSERR_NOERROR ? scripted : WaveOutEngine::UnprepareHeader(device, header, headerSize);
}

MMRESULT ScriptedWaveOut::QueueBuffer(WaveOutDevice* device, WAVEHDR* header)
{
    bool playsAtOnce;
    {
        std::lock_guard lock(m_recordMutex);
        ++m_writeCalls;
        if (script.writeResult != MMSYSERR_NOERROR)
            return script.writeResult;
        m_buffers.emplace_back(header->lpData, header->lpData + header->dwBufferLength);
        m_playing.push_back({device, header});
        playsAtOnce = script.closesWhilePlaying <= 0;
    }
    if (playsAtOnce)
        FinishPlaying();
    return MMSYSERR_NOERROR;
}

void ScriptedWaveOut::FinishPlaying()
{
    std::vector<Playing> finished;
    {
        std::lock_guard lock(m_recordMutex);
        finished.swap(m_playing);
    }
    for (const Playing& playing : finished)
        ReportDone(playing.device, playing.header);
    WaitForNotifications();
}

MMRESULT ScriptedWaveOut::Close(HWAVEOUT device)
{
    bool lastPlayingClose = false;
    {
        std::lock_guard lock(m_recordMutex);
        ++m_closeCalls;
        if (!m_playing.empty() && script.closesWhilePlaying > 0)
            lastPlayingClose = --script.closesWhilePlaying == 0;
    }
    const MMRESULT result = WaveOutEngine::Close(device);
    // The buffer ends while the caller waits for its next attempt.
    if (lastPlayingClose)
        FinishPlaying();
    return result;
}

MMRESULT ScriptedWaveOut::CloseDevice(WaveOutDevice*)
{
    std::lock_guard lock(m_recordMutex);
    return TakeFront(script.closeResults);
}

void ScriptedWaveOut::Delivered(uint32_t message)
{
    std::lock_guard lock(m_recordMutex);
    m_notifications.push_back({message, std::this_thread::get_id()});
}

std::vector<ScriptedWaveOut::OpenAttempt> ScriptedWaveOut::OpenAttempts() const
{
    std::lock_guard lock(m_recordMutex);
    return m_openAttempts;
}

std::vector<std::vector<char>> ScriptedWaveOut::Buffers() const
{
    std::lock_guard lock(m_recordMutex);
    return m_buffers;
}

std::vector<ScriptedWaveOut::Notification> ScriptedWaveOut::Notifications() const
{
    std::lock_guard lock(m_recordMutex);
    return m_notifications;
}

int ScriptedWaveOut::NumDevsQueries() const
{
    std::lock_guard lock(m_recordMutex);
    return m_numDevsQueries;
}

int ScriptedWaveOut::PrepareCalls() const
{
    std::lock_guard lock(m_recordMutex);
    return m_prepareCalls;
}

int ScriptedWaveOut::WriteCalls() const
{
    std::lock_guard lock(m_recordMutex);
    return m_writeCalls;
}

int ScriptedWaveOut::CloseCalls() const
{
    std::lock_guard lock(m_recordMutex);
    return m_closeCalls;
}

int ScriptedWaveOut::UnprepareCalls() const
{
    std::lock_guard lock(m_recordMutex);
    return m_unprepareCalls;
}
