#pragma once
// A private PulseAudio server for tests: started as an ordinary child process without the
// default configuration, in its own runtime folder, with null sinks only. Start() points this
// process's libpulse clients at it (PULSE_SERVER); the destructor stops it and removes the folder.
//
// Every sink plays signed 16-bit mono at 22050 samples per second, so what a test plays can be
// recorded back from the sink's monitor without resampling.
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

class PulseServer {
public:
    PulseServer() = default;
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Starts the server with `sinkCount` null sinks named phrasebook_test0, phrasebook_test1, ...
    // and waits until it accepts connections. On failure returns false with a reason in *error.
    bool Start(int sinkCount, std::string* error);
    void Stop();

    const std::string& Address() const { return m_address; }  // "unix:<folder>/native"
    static std::string SinkName(int index) { return "phrasebook_test" + std::to_string(index); }

private:
    pid_t m_pid = -1;
    std::string m_folder;
    std::string m_address;
    std::string m_previousServer;
    bool m_hadPreviousServer = false;
};

// Records a sink's monitor with parec (raw signed 16-bit mono, 22050 Hz) until Stop().
class MonitorRecorder {
public:
    ~MonitorRecorder();
    bool Start(const PulseServer& server, int sinkIndex, std::string* error);
    // Stops parec and returns every sample it recorded.
    std::vector<int16_t> Stop();

private:
    pid_t m_pid = -1;
    int m_pipe = -1;
    std::thread m_reader;
    std::vector<char> m_bytes;
};
