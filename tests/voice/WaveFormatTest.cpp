// The format record that the wave player hands to the device.
#include "voice/WaveFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(WaveFormatTest, DefaultsToSixteenBitMonoAt22050)
{
    CWaveFormat format;
    const WAVEFORMATEX* record = format.GetFormat();
    EXPECT_EQ(record->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(record->nChannels, 1);
    EXPECT_EQ(record->nSamplesPerSec, 22050u);
    EXPECT_EQ(record->nAvgBytesPerSec, 44100u);
    EXPECT_EQ(record->nBlockAlign, 2);
    EXPECT_EQ(record->wBitsPerSample, 16);
    EXPECT_EQ(record->cbSize, 0);
}

TEST(WaveFormatTest, SettersRecomputeTheDerivedFields)
{
    struct Case {
        uint16_t channels, bits;
        uint32_t rate;
        uint16_t blockAlign;
        uint32_t bytesPerSecond;
    };
    const Case cases[] = {
        {1, 16, 11025, 2, 22050},
        {1, 8, 22050, 1, 22050},
        {2, 16, 44100, 4, 176400},  // every channel counts in the bytes per second
    };
    for (const Case& c : cases) {
        CWaveFormat format;
        format.SetChannels(c.channels);
        format.SetBitsPerSample(c.bits);
        format.SetSamplesPerSec(c.rate);
        EXPECT_EQ(format.GetFormat()->nBlockAlign, c.blockAlign) << c.channels << "x" << c.bits;
        EXPECT_EQ(format.GetFormat()->nAvgBytesPerSec, c.bytesPerSecond) << c.channels << "x" << c.bits;
        EXPECT_EQ(format.GetSamplesPerSec(), c.rate);
    }
}

}  // namespace
