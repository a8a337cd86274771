#include "tools/phrasetools/ClipSound.h"

#include <cmath>
#include <cstdlib>

ClipSound MeasureClip(const int16_t* samples, size_t count, unsigned samplesPerSecond)
{
    ClipSound sound;
    if (samplesPerSecond == 0)
        return sound;
    sound.seconds = static_cast<double>(count) / samplesPerSecond;
    size_t first = count, last = 0;
    for (size_t i = 0; i < count; ++i) {
        int magnitude = std::abs(static_cast<int>(samples[i]));
        if (magnitude > sound.peak)
            sound.peak = magnitude;
        if (magnitude >= kVoicedLevel) {
            if (first == count)
                first = i;
            last = i;
        }
    }
    if (first == count)
        return sound;
    double sum = 0;
    for (size_t i = first; i <= last; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    size_t span = last - first + 1;
    sound.voicedSeconds = static_cast<double>(span) / samplesPerSecond;
    sound.rms = std::sqrt(sum / static_cast<double>(span));
    return sound;
}

ClipVerdict JudgeClip(const ClipSound& sound, int spokenUnits, const ClipLimits& limits)
{
    if (sound.peak < limits.silentPeak || sound.rms < limits.silentRms)
        return ClipVerdict::Silent;
    if (spokenUnits <= 0)
        return ClipVerdict::Fine;
    if (sound.voicedSeconds < spokenUnits * limits.minSecondsPerUnit)
        return ClipVerdict::TooShort;
    if (sound.voicedSeconds > spokenUnits * limits.maxSecondsPerUnit + limits.slackSeconds)
        return ClipVerdict::TooLong;
    return ClipVerdict::Fine;
}

const char* VerdictName(ClipVerdict verdict)
{
    switch (verdict) {
    case ClipVerdict::Fine:
        return "fine";
    case ClipVerdict::Silent:
        return "silent";
    case ClipVerdict::TooShort:
        return "too short";
    case ClipVerdict::TooLong:
        return "too long";
    }
    return "?";
}
