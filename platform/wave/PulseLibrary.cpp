// The sound server's client library, loaded when the program first plays a sound rather than
// when it starts.
//
// libpulse brings some twenty libraries with it (its common part, D-Bus, libsndfile and the
// codecs behind that); mapping and relocating them was a twentieth of the programs' start-up,
// for a library that is not needed until the first phrase is spoken. The programs therefore do
// not link it: this file defines the functions the backend calls, each of which loads the
// library on first use (dlopen) and forwards to the real function.
//
// When the library cannot be loaded every function returns a failure value (no main loop, no
// context, a failed state), so the backend reports that there is no sound server and the
// program goes on without sound.
//
// The definitions are hidden: the library's own calls between its functions must reach the
// library, never these forwarders.

#include <pulse/pulseaudio.h>

#include <dlfcn.h>

namespace {

void* Library()
{
    static void* const handle = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
    return handle;
}

template <typename Function>
Function Resolve(const char* name)
{
    void* handle = Library();
    return handle ? reinterpret_cast<Function>(dlsym(handle, name)) : nullptr;
}

}  // namespace

#define PULSE_LOCAL extern "C" __attribute__((visibility("hidden")))

// Resolves the function being defined, once, and calls it with the arguments; when it is not
// there, returns the failure value.
#define PULSE_FORWARD(name, failure, ...)                                       \
    static const auto real = Resolve<decltype(&::name)>(#name);              \
    return real ? real(__VA_ARGS__) : failure

#define PULSE_FORWARD_VOID(name, ...)                                           \
    static const auto real = Resolve<decltype(&::name)>(#name);              \
    if (real)                                                                 \
        real(__VA_ARGS__)

// Main loop.
PULSE_LOCAL pa_threaded_mainloop* pa_threaded_mainloop_new(void)
{
    PULSE_FORWARD(pa_threaded_mainloop_new, nullptr);
}
PULSE_LOCAL void pa_threaded_mainloop_free(pa_threaded_mainloop* m) { PULSE_FORWARD_VOID(pa_threaded_mainloop_free, m); }
PULSE_LOCAL int pa_threaded_mainloop_start(pa_threaded_mainloop* m) { PULSE_FORWARD(pa_threaded_mainloop_start, -1, m); }
PULSE_LOCAL void pa_threaded_mainloop_stop(pa_threaded_mainloop* m) { PULSE_FORWARD_VOID(pa_threaded_mainloop_stop, m); }
PULSE_LOCAL void pa_threaded_mainloop_lock(pa_threaded_mainloop* m) { PULSE_FORWARD_VOID(pa_threaded_mainloop_lock, m); }
PULSE_LOCAL void pa_threaded_mainloop_unlock(pa_threaded_mainloop* m) { PULSE_FORWARD_VOID(pa_threaded_mainloop_unlock, m); }
PULSE_LOCAL void pa_threaded_mainloop_wait(pa_threaded_mainloop* m) { PULSE_FORWARD_VOID(pa_threaded_mainloop_wait, m); }
PULSE_LOCAL void pa_threaded_mainloop_signal(pa_threaded_mainloop* m, int wait_for_accept)
{
    PULSE_FORWARD_VOID(pa_threaded_mainloop_signal, m, wait_for_accept);
}
PULSE_LOCAL pa_mainloop_api* pa_threaded_mainloop_get_api(pa_threaded_mainloop* m)
{
    PULSE_FORWARD(pa_threaded_mainloop_get_api, nullptr, m);
}

// Context.
PULSE_LOCAL pa_context* pa_context_new(pa_mainloop_api* mainloop, const char* name)
{
    PULSE_FORWARD(pa_context_new, nullptr, mainloop, name);
}
PULSE_LOCAL void pa_context_unref(pa_context* c) { PULSE_FORWARD_VOID(pa_context_unref, c); }
PULSE_LOCAL int pa_context_connect(pa_context* c, const char* server, pa_context_flags_t flags, const pa_spawn_api* api)
{
    PULSE_FORWARD(pa_context_connect, -1, c, server, flags, api);
}
PULSE_LOCAL void pa_context_disconnect(pa_context* c) { PULSE_FORWARD_VOID(pa_context_disconnect, c); }
PULSE_LOCAL pa_context_state_t pa_context_get_state(const pa_context* c)
{
    PULSE_FORWARD(pa_context_get_state, PA_CONTEXT_FAILED, c);
}
PULSE_LOCAL void pa_context_set_state_callback(pa_context* c, pa_context_notify_cb_t cb, void* userdata)
{
    PULSE_FORWARD_VOID(pa_context_set_state_callback, c, cb, userdata);
}
PULSE_LOCAL pa_operation* pa_context_get_sink_info_list(pa_context* c, pa_sink_info_cb_t cb, void* userdata)
{
    PULSE_FORWARD(pa_context_get_sink_info_list, nullptr, c, cb, userdata);
}
PULSE_LOCAL pa_time_event* pa_context_rttime_new(const pa_context* c, pa_usec_t usec, pa_time_event_cb_t cb,
                                                 void* userdata)
{
    PULSE_FORWARD(pa_context_rttime_new, nullptr, c, usec, cb, userdata);
}

// Operations.
PULSE_LOCAL void pa_operation_unref(pa_operation* o) { PULSE_FORWARD_VOID(pa_operation_unref, o); }
PULSE_LOCAL pa_operation_state_t pa_operation_get_state(const pa_operation* o)
{
    PULSE_FORWARD(pa_operation_get_state, PA_OPERATION_CANCELLED, o);
}

// Streams.
PULSE_LOCAL pa_stream* pa_stream_new(pa_context* c, const char* name, const pa_sample_spec* ss,
                                     const pa_channel_map* map)
{
    PULSE_FORWARD(pa_stream_new, nullptr, c, name, ss, map);
}
PULSE_LOCAL void pa_stream_unref(pa_stream* s) { PULSE_FORWARD_VOID(pa_stream_unref, s); }
PULSE_LOCAL int pa_stream_connect_playback(pa_stream* s, const char* dev, const pa_buffer_attr* attr,
                                           pa_stream_flags_t flags, const pa_cvolume* volume,
                                           pa_stream* sync_stream)
{
    PULSE_FORWARD(pa_stream_connect_playback, -1, s, dev, attr, flags, volume, sync_stream);
}
PULSE_LOCAL int pa_stream_disconnect(pa_stream* s) { PULSE_FORWARD(pa_stream_disconnect, -1, s); }
PULSE_LOCAL pa_stream_state_t pa_stream_get_state(const pa_stream* p)
{
    PULSE_FORWARD(pa_stream_get_state, PA_STREAM_FAILED, p);
}
PULSE_LOCAL void pa_stream_set_state_callback(pa_stream* s, pa_stream_notify_cb_t cb, void* userdata)
{
    PULSE_FORWARD_VOID(pa_stream_set_state_callback, s, cb, userdata);
}
PULSE_LOCAL void pa_stream_set_write_callback(pa_stream* p, pa_stream_request_cb_t cb, void* userdata)
{
    PULSE_FORWARD_VOID(pa_stream_set_write_callback, p, cb, userdata);
}
PULSE_LOCAL size_t pa_stream_writable_size(const pa_stream* p) { PULSE_FORWARD(pa_stream_writable_size, 0, p); }
PULSE_LOCAL int pa_stream_write(pa_stream* p, const void* data, size_t nbytes, pa_free_cb_t free_cb, int64_t offset,
                                pa_seek_mode_t seek)
{
    PULSE_FORWARD(pa_stream_write, -1, p, data, nbytes, free_cb, offset, seek);
}
PULSE_LOCAL pa_operation* pa_stream_drain(pa_stream* s, pa_stream_success_cb_t cb, void* userdata)
{
    PULSE_FORWARD(pa_stream_drain, nullptr, s, cb, userdata);
}

// Time and sizes.
PULSE_LOCAL pa_usec_t pa_rtclock_now(void) { PULSE_FORWARD(pa_rtclock_now, 0); }
PULSE_LOCAL size_t pa_usec_to_bytes(pa_usec_t t, const pa_sample_spec* format)
{
    PULSE_FORWARD(pa_usec_to_bytes, 0, t, format);
}
