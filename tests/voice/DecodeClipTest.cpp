// DecodeClip on real speech (ALSA test sounds encoded by lame at build time), checked against
// mpg123, and the PCM sink's capacity rules.
#include "voice/DecodeClip.h"

#include "tests/voice/VoiceArchiveBuilder.h"
#include "tests/voice/VoiceTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr uint32_t kMonoFrameBytes = 576 * 2;    // MPEG-2 layer III at 22050 Hz, mono
constexpr uint32_t kStereoFrameBytes = 576 * 4;

// A sink over its own area, filled with a marker so that bytes written past the end show.
class DecodeClipTest : public ::testing::Test {
protected:
    void Point(uint32_t capacity, uint32_t alreadyWritten = 0)
    {
        m_area.assign(capacity + 64, 0xA5);
        PcmSink& sink = GetPcmSink();
        sink.destination = m_area.data();
        sink.capacity = capacity;
        sink.bytesWritten = alreadyWritten;
    }
    void TearDown() override { GetPcmSink() = PcmSink{0, 0, nullptr}; }

    uint32_t Decode(const Bytes& clip) { return DecodeClip(clip.data(), static_cast<uint32_t>(clip.size())); }
    std::vector<int16_t> Written() const { return SamplesOf(m_area.data(), GetPcmSink().bytesWritten); }

    std::vector<uint8_t> m_area;
};

TEST(ScaleSampleTest, RoundsClipsAndShifts)
{
    struct Case {
        int32_t in;
        int16_t out;
    };
    const Case cases[] = {
        {0, 0},
        {0x0FFFFFFF, 32767},
        {0x10000000, 32767},
        {0x7FFFFFFF, 32767},  // the rounding must not overflow at the top of the range
        {-0x10000000, -32768},
        {-0x7FFFFFFF, -32768},
        {0x1000, 1},
        {0x0FFF, 0},
        {-0x1000, 0},
        {-0x1001, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleSample(c.in), c.out) << std::hex << c.in;
}

TEST_F(DecodeClipTest, MatchesMpg123OnRealSpeech)
{
    for (const char* name : {"Front_Center", "Front_Left", "Rear_Right"}) {
        SCOPED_TRACE(name);
        const std::vector<int16_t> peer = DecodeWithMpg123(FixtureClipPath(name));
        Point(1 << 20);
        const uint32_t total = Decode(FixtureClipBytes(name));
        const std::vector<int16_t> ours = Written();

        EXPECT_EQ(total % kMonoFrameBytes, 0u) << "a mono frame adds 1152 bytes";
        EXPECT_LE(std::labs(static_cast<long>(ours.size()) - static_cast<long>(peer.size())), 576L)
            << "lengths differ by more than one frame: " << ours.size() << " vs " << peer.size();
        const Alignment alignment = BestAlignment(peer, ours, -1152, 1152);
        EXPECT_GT(alignment.correlation, 0.99) << "lag " << alignment.lag;
        const double levelDb = 20 * std::log10(Rms(ours) / Rms(peer));
        EXPECT_LT(std::fabs(levelDb), 0.5) << "level differs by " << levelDb << " dB";
        EXPECT_GT(Rms(ours), 100) << "speech, not silence";
    }
}

TEST_F(DecodeClipTest, StoresStereoInterleavedLeftFirst)
{
    Point(1 << 20);
    const uint32_t total = Decode(FixtureClipBytes("Stereo"));
    ASSERT_GT(total, 0u);
    EXPECT_EQ(total % kStereoFrameBytes, 0u) << "a stereo frame adds 2304 bytes";
    const std::vector<int16_t> samples = Written();
    std::vector<int16_t> left, right;
    for (size_t i = 0; i + 1 < samples.size(); i += 2) {
        left.push_back(samples[i]);
        right.push_back(samples[i + 1]);
    }
    EXPECT_GT(Rms(left), 100) << "the speech is in the left channel";
    EXPECT_LT(Rms(right), Rms(left) / 20) << "the right channel is silent";
}

TEST_F(DecodeClipTest, NeverWritesPastTheCapacity)
{
    const Bytes mono = FixtureClipBytes("Front_Center");
    const Bytes stereo = FixtureClipBytes("Stereo");
    struct Case {
        const char* what;
        const Bytes* clip;
        uint32_t capacity, alreadyWritten, expectedTotal;
    };
    const Case cases[] = {
        {"one byte left: nothing more", &mono, 101, 100, 100},
        {"two bytes left in a stereo frame: the left sample only", &stereo, 2, 0, 2},
        {"three bytes left in a stereo frame: still one sample", &stereo, 3, 0, 2},
        {"full: nothing", &mono, 50, 50, 50},
        {"cut inside the clip", &mono, 10000, 0, 10000},
    };
    for (const Case& c : cases) {
        Point(c.capacity, c.alreadyWritten);
        EXPECT_EQ(Decode(*c.clip), c.expectedTotal) << c.what;
        for (size_t i = c.capacity; i < m_area.size(); ++i)
            ASSERT_EQ(m_area[i], 0xA5) << c.what << ": byte " << i << " past the capacity was written";
        for (size_t i = 0; i < c.alreadyWritten; ++i)
            ASSERT_EQ(m_area[i], 0xA5) << c.what << ": byte " << i << " before the start was written";
    }
}

TEST_F(DecodeClipTest, AppendsClipsAndAddsNothingForAnEmptyOne)
{
    const Bytes clip = FixtureClipBytes("Front_Left");
    Point(1 << 20);
    const uint32_t once = Decode(clip);
    ASSERT_GT(once, 0u);
    EXPECT_EQ(Decode(Bytes{}), once) << "a clip of 0 bytes adds nothing";
    EXPECT_EQ(Decode(clip), 2 * once) << "the second decode appends";
    EXPECT_EQ(std::vector<uint8_t>(m_area.begin(), m_area.begin() + once),
              std::vector<uint8_t>(m_area.begin() + once, m_area.begin() + 2 * once));
}

TEST_F(DecodeClipTest, StopsAtTheFirstErrorAndKeepsWhatCameBefore)
{
    const Bytes good = FixtureClipBytes("Front_Center");
    Point(1 << 20);
    const uint32_t full = Decode(good);
    const std::vector<int16_t> whole = Written();

    Bytes damaged = good;
    for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 400; ++i)
        damaged[i] = static_cast<uint8_t>(i * 37 + 11);  // no frame sync anywhere in it
    Point(1 << 20);
    ::testing::internal::CaptureStderr();
    const uint32_t partial = Decode(damaged);
    const std::string errors = ::testing::internal::GetCapturedStderr();

    EXPECT_GT(partial, 0u);
    EXPECT_LT(partial, full);
    const std::vector<int16_t> kept = Written();
    // The frames before the damage decode as before, except the last one or two, whose bit
    // reservoir may reach into the damaged bytes.
    const size_t sameUntil = kept.size() > 2 * 576 ? kept.size() - 2 * 576 : 0;
    EXPECT_GT(sameUntil, 0u);
    EXPECT_TRUE(std::equal(kept.begin(), kept.begin() + sameUntil, whole.begin()));
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_EQ(errors.rfind("decoding error 0x", 0), 0u) << errors;
    EXPECT_NE(errors.find(") at byte offset "), std::string::npos) << errors;
}

}  // namespace
