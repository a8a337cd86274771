#pragma once
// What a decoded voice clip sounds like, measured on its 16-bit PCM, and whether that fits the
// text it speaks.
//
// A clip is judged on its voiced span (first to last sample at or above the voicing level), not
// on its whole length: the speech engine pads every clip with a little silence, which would
// otherwise swamp the length of a one-syllable word.

#include <cstddef>
#include <cstdint>

struct ClipSound {
    double seconds = 0;         // the whole decoded clip
    double voicedSeconds = 0;   // first to last voiced sample; 0 when nothing is voiced
    int peak = 0;               // largest magnitude of a sample, 0 .. 32768
    double rms = 0;             // root mean square of the voiced span (0 when nothing is voiced)
};

// The sample level from which a sample counts as voiced: about -36 dB of full scale, above
// the encoder's noise floor on padding (a few units) and below every syllable's onset.
constexpr int kVoicedLevel = 500;

// Measures `count` mono samples played at `samplesPerSecond` (> 0).
ClipSound MeasureClip(const int16_t* samples, size_t count, unsigned samplesPerSecond);

// How long a clip may sound for the units it speaks (syllables, kana morae, Hangul syllables).
struct ClipLimits {
    int silentPeak = 0;               // a clip whose peak stays below this is silent
    double silentRms = 0;             // ... or whose voiced span's RMS stays below this
    double minSecondsPerUnit = 0;     // voiced span >= units * min
    double maxSecondsPerUnit = 0;     // voiced span <= units * max + slack
    double slackSeconds = 0;          // for pauses at punctuation and the closing fall of a phrase
};

enum class ClipVerdict { Fine, Silent, TooShort, TooLong };

// Silent first (a silent clip has no length to judge), then the length bounds. A text with no
// spoken unit is judged on silence alone.
ClipVerdict JudgeClip(const ClipSound& sound, int spokenUnits, const ClipLimits& limits);

const char* VerdictName(ClipVerdict verdict);
