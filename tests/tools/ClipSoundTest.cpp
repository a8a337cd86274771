// Measuring a decoded clip and judging it against its text, on synthetic PCM: a tone of a known
// length and loudness between stretches of padding.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/phrasetools/ClipSound.h"

namespace {

constexpr unsigned kRate = 22050;

// `padding` seconds of near silence (the encoder's noise floor, +-3), `tone` seconds of a 200 Hz
// tone of `amplitude`, then the same padding again.
std::vector<int16_t> PaddedTone(double padding, double tone, int amplitude)
{
    std::vector<int16_t> samples;
    const size_t pad = static_cast<size_t>(padding * kRate);
    const size_t voiced = static_cast<size_t>(tone * kRate);
    for (size_t i = 0; i < pad; ++i)
        samples.push_back(static_cast<int16_t>(i % 7 - 3));
    for (size_t i = 0; i < voiced; ++i)
        samples.push_back(static_cast<int16_t>(amplitude * std::sin(2 * M_PI * 200 * i / kRate)));
    for (size_t i = 0; i < pad; ++i)
        samples.push_back(static_cast<int16_t>(i % 7 - 3));
    return samples;
}

ClipLimits Limits()
{
    ClipLimits limits;
    limits.silentPeak = 2000;
    limits.silentRms = 300;
    limits.minSecondsPerUnit = 0.10;
    limits.maxSecondsPerUnit = 0.30;
    limits.slackSeconds = 0.5;
    return limits;
}

}  // namespace

TEST(ClipSoundTest, VoicedSpanLeavesThePaddingOut)
{
    std::vector<int16_t> samples = PaddedTone(0.5, 1.0, 10000);
    ClipSound sound = MeasureClip(samples.data(), samples.size(), kRate);
    EXPECT_NEAR(sound.seconds, 2.0, 0.001);
    // The tone's first and last voiced samples lie within one 200 Hz period of its ends.
    EXPECT_NEAR(sound.voicedSeconds, 1.0, 0.005);
    EXPECT_NEAR(sound.peak, 10000, 2);
    EXPECT_NEAR(sound.rms, 10000 / std::sqrt(2.0), 50);
}

TEST(ClipSoundTest, NothingVoicedHasNoSpanAndNoRms)
{
    std::vector<int16_t> samples = PaddedTone(0.5, 0, 0);
    ClipSound sound = MeasureClip(samples.data(), samples.size(), kRate);
    EXPECT_NEAR(sound.seconds, 1.0, 0.001);
    EXPECT_EQ(sound.voicedSeconds, 0);
    EXPECT_EQ(sound.peak, 3);
    EXPECT_EQ(sound.rms, 0);
    EXPECT_EQ(MeasureClip(nullptr, 0, kRate).seconds, 0);
}

TEST(ClipSoundTest, JudgesSilenceAndLengthAgainstTheText)
{
    struct Case {
        const char* what;
        double tone;       // seconds of voiced sound
        int amplitude;
        int units;
        ClipVerdict verdict;
    };
    // Limits: 0.10 .. 0.30 s a unit, plus 0.5 s; silent below peak 2000 or RMS 300.
    const Case cases[] = {
        {"only padding", 0, 0, 5, ClipVerdict::Silent},
        {"a whisper under the peak threshold", 1.0, 1500, 5, ClipVerdict::Silent},
        {"loud enough", 1.0, 2500, 5, ClipVerdict::Fine},
        {"a truncated clip: 10 units in 0.5 s", 0.5, 10000, 10, ClipVerdict::TooShort},
        {"just above the lower bound", 1.05, 10000, 10, ClipVerdict::Fine},
        {"just above the upper bound", 2.1, 10000, 5, ClipVerdict::TooLong},
        {"within the slack", 1.9, 10000, 5, ClipVerdict::Fine},
        {"another phrase's clip: 2 units in 3 s", 3.0, 10000, 2, ClipVerdict::TooLong},
        {"no spoken unit is judged on silence alone", 3.0, 10000, 0, ClipVerdict::Fine},
        {"silent with no spoken unit", 0, 0, 0, ClipVerdict::Silent},
    };
    for (const Case& c : cases) {
        std::vector<int16_t> samples = PaddedTone(0.2, c.tone, c.amplitude);
        ClipSound sound = MeasureClip(samples.data(), samples.size(), kRate);
        EXPECT_EQ(JudgeClip(sound, c.units, Limits()), c.verdict)
            << c.what << ": got " << VerdictName(JudgeClip(sound, c.units, Limits())) << ", voiced "
            << sound.voicedSeconds << " s, peak " << sound.peak;
    }
}
