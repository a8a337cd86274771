#include "tests/voice/VoiceTestSupport.h"

#include "shell/log/DebugLog.h"
#include "tests/voice/VoiceArchiveBuilder.h"

#include <cmath>
#include <filesystem>

std::string ToNarrow(const String& text)
{
    std::string narrow;
    for (const char16_t* p = text.GetString(); *p; ++p)
        narrow.push_back(*p < 0x80 ? static_cast<char>(*p) : '?');
    return narrow;
}

MessageBoxRecorder::MessageBoxRecorder()
{
    m_previous = SetMessageBoxHandler([this](const String& text, const String&, unsigned) {
        std::lock_guard lock(m_mutex);
        m_texts.push_back(ToNarrow(text));
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler(m_previous);
}

std::vector<std::string> MessageBoxRecorder::Texts() const
{
    std::lock_guard lock(m_mutex);
    return m_texts;
}

LogRecorder::LogRecorder(int threshold) : m_folder(MakeTempFolder()), m_path(m_folder + "/log.log")
{
    ReleaseDebugLog();
    const String path(m_path.c_str());
    DebugLog* log = GetDebugLog(&path);
    if (log)
        log->m_threshold = threshold;
}

LogRecorder::~LogRecorder()
{
    ReleaseDebugLog();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::vector<std::string> LogRecorder::Lines() const
{
    const Bytes bytes = ReadWholeFile(m_path);
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {  // after the byte-order mark
        const unsigned unit = bytes[i] | bytes[i + 1] << 8;
        if (unit == '\r')
            continue;
        if (unit == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
        }
    }
    return lines;
}

std::vector<std::string> LogRecorder::LinesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> matching;
    for (const std::string& line : Lines())
        if (line.rfind(prefix, 0) == 0)
            matching.push_back(line);
    return matching;
}

std::vector<int16_t> SamplesOf(const uint8_t* data, uint32_t bytes)
{
    std::vector<int16_t> samples(bytes / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(data[2 * i] | data[2 * i + 1] << 8);
    return samples;
}

Alignment BestAlignment(const std::vector<int16_t>& reference, const std::vector<int16_t>& other, long minLag,
                        long maxLag, int step)
{
    Alignment best{0, -2.0};
    for (long lag = minLag; lag <= maxLag; ++lag) {
        double cross = 0, energyA = 0, energyB = 0;
        for (long i = 0; i < static_cast<long>(reference.size()); i += step) {
            const long j = i + lag;
            if (j < 0 || j >= static_cast<long>(other.size()))
                continue;
            const double a = reference[i], b = other[j];
            cross += a * b;
            energyA += a * a;
            energyB += b * b;
        }
        if (energyA <= 0 || energyB <= 0)
            continue;
        const double correlation = cross / std::sqrt(energyA * energyB);
        if (correlation > best.correlation)
            best = {lag, correlation};
    }
    return best;
}

double Rms(const std::vector<int16_t>& samples)
{
    if (samples.empty())
        return 0;
    double sum = 0;
    for (int16_t s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

long FirstLoudSample(const std::vector<int16_t>& samples, int threshold)
{
    for (size_t i = 0; i < samples.size(); ++i)
        if (std::abs(samples[i]) >= threshold)
            return static_cast<long>(i);
    return -1;
}
