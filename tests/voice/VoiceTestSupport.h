#pragma once
// What the voice tests observe: message boxes shown, debug log lines written, and PCM compared
// as signals.
#include "baselib/String.h"
#include "platform/core/MessageBox.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

std::string ToNarrow(const String& text);

// Answers every message box with OK and records its text, while alive.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    std::vector<std::string> Texts() const;

private:
    MessageBoxHandler m_previous;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
};

// Points the debug log at a fresh file with the given threshold, while alive.
class LogRecorder {
public:
    explicit LogRecorder(int threshold);
    ~LogRecorder();
    std::vector<std::string> Lines() const;
    // Lines that begin with `prefix`.
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const;

private:
    std::string m_folder;
    std::string m_path;
};

std::vector<int16_t> SamplesOf(const uint8_t* data, uint32_t bytes);

struct Alignment {
    long lag;            // other[i + lag] lines up with reference[i]
    double correlation;  // normalised, over the overlap
};

// Best lag in [minLag, maxLag] (every `step`-th sample is compared, for speed).
Alignment BestAlignment(const std::vector<int16_t>& reference, const std::vector<int16_t>& other, long minLag,
                        long maxLag, int step = 1);
double Rms(const std::vector<int16_t>& samples);
// Index of the first sample whose magnitude reaches `threshold`, or -1.
long FirstLoudSample(const std::vector<int16_t>& samples, int threshold);
