// CFastOutputStream: the bytes of each write, the 1,048,576-byte limit, virtual dispatch of the
// string record, copies, and a round trip through CFastInputStream.

#include "baselib/FastInputStream.h"
#include "baselib/FastOutputStream.h"

#include "TextOf.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes BytesOf(const CFastOutputStream& out)
{
    return Bytes(out.GetRawBytes(), out.GetRawBytes() + out.GetLength());
}

TEST(FastOutputStreamTest, WireFormOfEachWrite)
{
    struct {
        const char* what;
        std::function<int(CFastOutputStream&)> write;
        Bytes bytes;
    } cases[] = {
        {"WriteString of the empty text", [](CFastOutputStream& o) { return o.WriteString(u""); }, {1, 0, 0, 0, 0, 0}},
        {"WriteString(abc)", [](CFastOutputStream& o) { return o.WriteString(u"abc"); },
         {4, 0, 0, 0, 0x61, 0, 0x62, 0, 0x63, 0, 0, 0}},
        {"WriteInt(-2)", [](CFastOutputStream& o) { return o.WriteInt(-2); }, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"WriteInt(0x12345678)", [](CFastOutputStream& o) { return o.WriteInt(0x12345678); }, {0x78, 0x56, 0x34, 0x12}},
        {"WriteBOOL(1)", [](CFastOutputStream& o) { return o.WriteBOOL(1); }, {1, 0, 0, 0}},
        {"WriteBool(true)", [](CFastOutputStream& o) { return o.WriteBool(true); }, {1}},
        {"WriteBool(false)", [](CFastOutputStream& o) { return o.WriteBool(false); }, {0}},
        {"WriteByte(0xAB)", [](CFastOutputStream& o) { return o.WriteByte(0xAB); }, {0xAB}},
        {"WriteChar(你)", [](CFastOutputStream& o) { return o.WriteChar(u'你'); }, {0x60, 0x4F}},
        {"WriteDouble(2.5)", [](CFastOutputStream& o) { return o.WriteDouble(2.5); }, {0, 0, 0, 0, 0, 0, 0x04, 0x40}},
    };
    for (const auto& c : cases) {
        CFastOutputStream out;
        EXPECT_EQ(c.write(out), 1) << c.what;
        EXPECT_EQ(BytesOf(out), c.bytes) << c.what;
    }
}

TEST(FastOutputStreamTest, GrowsByDoublingFromOneByte)
{
    CFastOutputStream out;
    EXPECT_EQ(out.GetLength(), 0);
    EXPECT_EQ(out.GetByteArray()->GetCapacity(), 1u);
    const uint32_t expected[] = {1, 2, 4, 4, 8, 8, 8, 8, 16};
    for (uint32_t capacity : expected) {
        out.WriteByte(0);
        EXPECT_EQ(out.GetByteArray()->GetCapacity(), capacity);
    }
}

TEST(FastOutputStreamTest, HoldsAtMostOneMebibyte)
{
    constexpr int kLimit = 1048576;
    CFastOutputStream out;
    for (int i = 0; i < kLimit - 2; ++i)
        out.WriteByte(static_cast<unsigned char>(i));
    // A value that meets the limit is kept as far as it fits.
    EXPECT_EQ(out.WriteInt(0x44332211), 1);
    ASSERT_EQ(out.GetLength(), kLimit);
    EXPECT_EQ(out.GetRawBytes()[kLimit - 2], 0x11);
    EXPECT_EQ(out.GetRawBytes()[kLimit - 1], 0x22);
    const unsigned char firstBytes[] = {out.GetRawBytes()[0], out.GetRawBytes()[1]};

    EXPECT_EQ(out.WriteByte(1), 1);
    EXPECT_EQ(out.WriteString(u"more"), 1);
    EXPECT_EQ(out.WriteDouble(1.0), 1);
    EXPECT_EQ(out.GetLength(), kLimit);
    EXPECT_EQ(out.GetByteArray()->GetCapacity(), static_cast<uint32_t>(kLimit));
    EXPECT_EQ(out.GetRawBytes()[0], firstBytes[0]);
    EXPECT_EQ(out.GetRawBytes()[1], firstBytes[1]);
}

// Records each unit that WriteString hands to the virtual WriteChar.
class RecordingStream : public CFastOutputStream {
public:
    int WriteChar(char16_t c) override
    {
        units.push_back(c);
        return CFastOutputStream::WriteChar(c);
    }
    int WriteInt(int value) override
    {
        ints.push_back(value);
        return CFastOutputStream::WriteInt(value);
    }
    std::u16string units;
    std::vector<int> ints;
};

TEST(FastOutputStreamTest, WriteStringDispatchesEachPartVirtually)
{
    RecordingStream out;
    CFastOutputStream& base = out;
    base.WriteString(u"hi");
    EXPECT_EQ(out.ints, std::vector<int>{3});
    EXPECT_EQ(out.units, std::u16string(u"hi\0", 3));
    EXPECT_EQ(out.GetLength(), 10);
}

TEST(FastOutputStreamTest, CopiesAndAssignmentKeepTheirOwnBytes)
{
    CFastOutputStream source;
    source.WriteString(u"abc");
    CFastOutputStream copy(source);
    CFastOutputStream small;
    small.WriteByte(9);
    small = source;  // smaller capacity than the source's count: reallocated
    CFastOutputStream large;
    for (int i = 0; i < 100; ++i)
        large.WriteByte(7);
    large = source;  // big enough already
    source.WriteByte(0xEE);
    const Bytes expected = {4, 0, 0, 0, 0x61, 0, 0x62, 0, 0x63, 0, 0, 0};
    EXPECT_EQ(BytesOf(copy), expected);
    EXPECT_EQ(BytesOf(small), expected);
    EXPECT_EQ(BytesOf(large), expected);
    EXPECT_EQ(large.GetByteArray()->GetCapacity(), 128u);
}

TEST(FastOutputStreamTest, RoundTripThroughTheInputStream)
{
    CFastOutputStream out;
    out.WriteByte(200);
    out.WriteBool(true);
    out.WriteBOOL(-3);
    out.WriteChar(u'ア');
    out.WriteInt(-2147483647 - 1);
    out.WriteDouble(-1.0 / 3.0);
    out.WriteString(u"phrase 词");
    out.WriteString(u"");
    CFastInputStream in(out.GetRawBytes(), out.GetLength(), 0);
    EXPECT_EQ(in.ReadByte(), 200);
    EXPECT_TRUE(in.ReadBool());
    EXPECT_EQ(in.ReadBOOL(), -3);
    EXPECT_EQ(in.ReadChar(), u'ア');
    EXPECT_EQ(in.ReadInt(), -2147483647 - 1);
    EXPECT_EQ(in.ReadDouble(), -1.0 / 3.0);
    EXPECT_EQ(TextOf(in.ReadString()), u"phrase 词");
    EXPECT_EQ(TextOf(in.ReadString()), u"");
    EXPECT_EQ(in.EndOfStream(), 1);
    EXPECT_EQ(in.HasError(), 0);
}

}  // namespace
