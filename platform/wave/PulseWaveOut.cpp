#include "platform/wave/PulseWaveOut.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <deque>

namespace {

// How long a connection attempt may take before the server counts as not answering.
constexpr pa_usec_t kConnectTimeout = 5 * PA_USEC_PER_SEC;
constexpr pa_usec_t kTargetLatency = 1 * PA_USEC_PER_SEC;

struct QueuedBuffer {
    WAVEHDR* header;
    size_t length;   // whole frames only
    size_t written;  // bytes handed to the server so far
};

}  // namespace

// One playback stream. Its buffers move from `feeding` (bytes still to hand over) to `written`
// (all handed over) to `draining` (covered by the drain request in flight), and are reported
// done when that drain completes. Guarded by the main loop lock.
struct PulseDevice : WaveOutDevice {
    PulseWaveOut* owner = nullptr;
    pa_stream* stream = nullptr;
    size_t frameSize = 1;
    std::deque<QueuedBuffer> feeding;
    std::vector<WAVEHDR*> written;
    std::vector<WAVEHDR*> draining;
    bool drainInFlight = false;

    void Feed();
    void StartDrain();
    void ReportAllDone();

    static void StateChanged(pa_stream* stream, void* self);
    static void Writable(pa_stream* stream, size_t bytes, void* self);
    static void Drained(pa_stream* stream, int success, void* self);
};

void PulseDevice::Feed()
{
    while (!feeding.empty()) {
        QueuedBuffer& buffer = feeding.front();
        if (buffer.written < buffer.length) {
            const size_t writable = pa_stream_writable_size(stream);
            if (writable == static_cast<size_t>(-1)) {
                ReportAllDone();
                return;
            }
            size_t chunk = std::min(writable, buffer.length - buffer.written);
            chunk -= chunk % frameSize;
            if (chunk == 0)
                return;  // the server asks for more through Writable
            if (pa_stream_write(stream, buffer.header->lpData + buffer.written, chunk, nullptr, 0,
                                PA_SEEK_RELATIVE) < 0) {
                ReportAllDone();
                return;
            }
            buffer.written += chunk;
            continue;
        }
        written.push_back(buffer.header);
        feeding.pop_front();
    }
    StartDrain();
}

void PulseDevice::StartDrain()
{
    if (drainInFlight || written.empty())
        return;
    draining.swap(written);
    pa_operation* operation = pa_stream_drain(stream, Drained, this);
    if (!operation) {
        ReportAllDone();
        return;
    }
    pa_operation_unref(operation);
    drainInFlight = true;
}

void PulseDevice::ReportAllDone()
{
    for (const QueuedBuffer& buffer : feeding)
        owner->ReportDone(this, buffer.header);
    for (WAVEHDR* header : written)
        owner->ReportDone(this, header);
    for (WAVEHDR* header : draining)
        owner->ReportDone(this, header);
    feeding.clear();
    written.clear();
    draining.clear();
    drainInFlight = false;
}

void PulseDevice::StateChanged(pa_stream* stream, void* self)
{
    auto* device = static_cast<PulseDevice*>(self);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        device->ReportAllDone();
    pa_threaded_mainloop_signal(device->owner->m_loop, 0);
}

void PulseDevice::Writable(pa_stream*, size_t, void* self)
{
    static_cast<PulseDevice*>(self)->Feed();
}

void PulseDevice::Drained(pa_stream*, int, void* self)
{
    // A failed drain (the stream is going away) still ends the buffers: nothing more will play.
    auto* device = static_cast<PulseDevice*>(self);
    device->drainInFlight = false;
    for (WAVEHDR* header : device->draining)
        device->owner->ReportDone(device, header);
    device->draining.clear();
    device->StartDrain();
}

namespace {

void ContextStateChanged(pa_context*, void* loop)
{
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

struct ConnectTimer {
    pa_threaded_mainloop* loop;
    bool expired = false;
};

void ConnectTimedOut(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self)
{
    auto* timer = static_cast<ConnectTimer*>(self);
    timer->expired = true;
    pa_threaded_mainloop_signal(timer->loop, 0);
}

struct SinkList {
    pa_threaded_mainloop* loop;
    std::vector<std::string> names;
};

void SinkListed(pa_context*, const pa_sink_info* info, int endOfList, void* self)
{
    auto* list = static_cast<SinkList*>(self);
    if (endOfList == 0 && info && info->name)
        list->names.emplace_back(info->name);
    else
        pa_threaded_mainloop_signal(list->loop, 0);
}

}  // namespace

PulseWaveOut::PulseWaveOut()
{
    m_loop = pa_threaded_mainloop_new();
    if (m_loop && pa_threaded_mainloop_start(m_loop) < 0) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

PulseWaveOut::~PulseWaveOut()
{
    StopNotifications();
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseWaveOut::WaitLocked()
{
    pa_threaded_mainloop_wait(m_loop);
}

bool PulseWaveOut::ConnectLocked()
{
    if (m_context) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY)
            return true;
        // A context that failed (or lost its server) is never reused: start afresh.
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Phrase book");
    if (!m_context)
        return false;
    pa_context_set_state_callback(m_context, ContextStateChanged, m_loop);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return false;

    ConnectTimer timer{m_loop};
    pa_time_event* timeout = pa_context_rttime_new(m_context, pa_rtclock_now() + kConnectTimeout,
                                                   ConnectTimedOut, &timer);
    pa_context_state_t state = pa_context_get_state(m_context);
    while (state != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state) && !timer.expired) {
        WaitLocked();
        state = pa_context_get_state(m_context);
    }
    if (timeout)
        pa_threaded_mainloop_get_api(m_loop)->time_free(timeout);
    return state == PA_CONTEXT_READY;
}

bool PulseWaveOut::RefreshSinksLocked()
{
    m_sinks.clear();
    if (!ConnectLocked())
        return false;
    SinkList list{m_loop, {}};
    pa_operation* operation = pa_context_get_sink_info_list(m_context, SinkListed, &list);
    if (!operation)
        return false;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
        WaitLocked();
    const bool complete = pa_operation_get_state(operation) == PA_OPERATION_DONE;
    pa_operation_unref(operation);
    if (complete)
        m_sinks = std::move(list.names);
    return complete;
}

uint32_t PulseWaveOut::GetNumDevs()
{
    if (!m_loop)
        return 0;
    pa_threaded_mainloop_lock(m_loop);
    RefreshSinksLocked();
    const auto count = static_cast<uint32_t>(m_sinks.size());
    pa_threaded_mainloop_unlock(m_loop);
    return count;
}

MMRESULT PulseWaveOut::OpenDevice(uint32_t deviceId, const WAVEFORMATEX& format, WaveOutDevice** device)
{
    if (!IsPlayableFormat(format))
        return WAVERR_BADFORMAT;
    if (!m_loop)
        return MMSYSERR_NODRIVER;

    pa_threaded_mainloop_lock(m_loop);
    struct Unlock {
        pa_threaded_mainloop* loop;
        ~Unlock() { pa_threaded_mainloop_unlock(loop); }
    } unlock{m_loop};

    if (!ConnectLocked())
        return MMSYSERR_NODRIVER;
    std::string sinkName;
    if (deviceId != WAVE_MAPPER) {
        if (deviceId >= m_sinks.size() && !RefreshSinksLocked())
            return MMSYSERR_NODRIVER;
        if (deviceId >= m_sinks.size())
            return MMSYSERR_BADDEVICEID;
        sinkName = m_sinks[deviceId];
    }

    pa_sample_spec sampleSpec;
    sampleSpec.format = format.wBitsPerSample == 16 ? PA_SAMPLE_S16LE : PA_SAMPLE_U8;
    sampleSpec.rate = format.nSamplesPerSec;
    sampleSpec.channels = static_cast<uint8_t>(format.nChannels);

    auto* opened = new PulseDevice();
    opened->owner = this;
    opened->frameSize = format.nBlockAlign;
    opened->stream = pa_stream_new(m_context, "Phrase", &sampleSpec, nullptr);
    if (!opened->stream) {
        delete opened;
        return MMSYSERR_NOMEM;
    }
    pa_stream_set_state_callback(opened->stream, PulseDevice::StateChanged, opened);
    pa_stream_set_write_callback(opened->stream, PulseDevice::Writable, opened);
    // The whole buffer is in memory, so the server may hold a second of it ahead: a busy client
    // then never lets the sound run dry. The latency does not delay the end of a buffer, which
    // is reported when its last sample has been played.
    pa_buffer_attr attributes;
    attributes.maxlength = static_cast<uint32_t>(-1);
    attributes.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kTargetLatency, &sampleSpec));
    attributes.prebuf = static_cast<uint32_t>(-1);
    attributes.minreq = static_cast<uint32_t>(-1);
    attributes.fragsize = static_cast<uint32_t>(-1);
    bool ready = pa_stream_connect_playback(opened->stream, sinkName.empty() ? nullptr : sinkName.c_str(),
                                            &attributes, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) == 0;
    if (ready) {
        pa_stream_state_t state = pa_stream_get_state(opened->stream);
        while (state != PA_STREAM_READY && PA_STREAM_IS_GOOD(state)) {
            WaitLocked();
            state = pa_stream_get_state(opened->stream);
        }
        ready = state == PA_STREAM_READY;
    }
    if (!ready) {
        pa_stream_set_state_callback(opened->stream, nullptr, nullptr);
        pa_stream_set_write_callback(opened->stream, nullptr, nullptr);
        pa_stream_disconnect(opened->stream);
        pa_stream_unref(opened->stream);
        delete opened;
        return MMSYSERR_ALLOCATED;
    }
    *device = opened;
    return MMSYSERR_NOERROR;
}

MMRESULT PulseWaveOut::QueueBuffer(WaveOutDevice* device, WAVEHDR* header)
{
    auto* pulse = static_cast<PulseDevice*>(device);
    pa_threaded_mainloop_lock(m_loop);
    MMRESULT result = MMSYSERR_NOERROR;
    if (pa_stream_get_state(pulse->stream) != PA_STREAM_READY) {
        result = MMSYSERR_ERROR;
    } else {
        // A trailing part of a frame cannot be played; it is left out.
        const size_t length = header->dwBufferLength - header->dwBufferLength % pulse->frameSize;
        pulse->feeding.push_back({header, length, 0});
        pulse->Feed();
    }
    pa_threaded_mainloop_unlock(m_loop);
    return result;
}

MMRESULT PulseWaveOut::CloseDevice(WaveOutDevice* device)
{
    auto* pulse = static_cast<PulseDevice*>(device);
    pa_threaded_mainloop_lock(m_loop);
    pa_stream_set_state_callback(pulse->stream, nullptr, nullptr);
    pa_stream_set_write_callback(pulse->stream, nullptr, nullptr);
    pa_stream_disconnect(pulse->stream);
    pa_stream_unref(pulse->stream);
    pulse->stream = nullptr;
    pa_threaded_mainloop_unlock(m_loop);
    return MMSYSERR_NOERROR;
}
