// CFastInputStream: the wire form, the sticky error flag, string records and lines, and string
// records whose count does not fit the data.

#include "baselib/FastInputStream.h"

#include "TextOf.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// UTF-16 little-endian bytes of a text.
Bytes Utf16(const std::u16string& text)
{
    Bytes bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<unsigned char>(c & 0xFF));
        bytes.push_back(static_cast<unsigned char>(c >> 8));
    }
    return bytes;
}

TEST(FastInputStreamTest, EmptyStreamFailsEveryRead)
{
    CFastInputStream in(nullptr, 0, 0);
    EXPECT_EQ(in.EndOfStream(), 1);
    EXPECT_EQ(in.HasError(), 0);
    EXPECT_EQ(in.ReadByte(), 0);
    EXPECT_EQ(in.HasError(), 1);
    EXPECT_FALSE(in.ReadBool());
    EXPECT_EQ(in.ReadBOOL(), 0);
    EXPECT_EQ(in.ReadWord(), 0);
    EXPECT_EQ(in.ReadChar(), 0);
    EXPECT_EQ(in.ReadInt(), 0);
    EXPECT_EQ(in.ReadDouble(), 0.0);
    EXPECT_EQ(TextOf(in.ReadString()), u"");
    EXPECT_EQ(TextOf(in.ReadString(0)), u"");
    EXPECT_EQ(TextOf(in.ReadLine()), u"");
    EXPECT_EQ(in.GetPosition(), 0);
    EXPECT_EQ(in.GetNumAccess(), 0);
}

TEST(FastInputStreamTest, ValuesInLittleEndianWireForm)
{
    const Bytes data = {0x7F,                                            // byte
                        0x02,                                            // bool: any non-zero
                        0x05, 0x00, 0x00, 0x00,                          // BOOL, unchanged
                        0x34, 0x12,                                      // word
                        0x60, 0x4F,                                      // char 你
                        0xFE, 0xFF, 0xFF, 0xFF,                          // int -2
                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x40,  // double 2.5
                        0x00};                                           // bool false
    CFastInputStream in(data.data(), static_cast<int>(data.size()), 0);
    EXPECT_EQ(in.ReadByte(), 0x7F);
    EXPECT_TRUE(in.ReadBool());
    EXPECT_EQ(in.ReadBOOL(), 5);
    EXPECT_EQ(in.ReadWord(), 0x1234);
    EXPECT_EQ(in.ReadChar(), u'你');
    EXPECT_EQ(in.ReadInt(), -2);
    EXPECT_EQ(in.ReadDouble(), 2.5);
    EXPECT_FALSE(in.ReadBool());
    EXPECT_EQ(in.EndOfStream(), 1);
    EXPECT_EQ(in.HasError(), 0);
}

TEST(FastInputStreamTest, ShortReadKeepsPositionAndLaterReadsStillDeliver)
{
    const Bytes data = {0x01, 0x02, 0x03};
    CFastInputStream in(data.data(), 3, 0);
    EXPECT_EQ(in.ReadInt(), 0);
    EXPECT_EQ(in.HasError(), 1);
    EXPECT_EQ(in.GetPosition(), 0);
    EXPECT_EQ(in.ReadWord(), 0x0201);
    EXPECT_EQ(in.ReadDouble(), 0.0);
    EXPECT_EQ(in.ReadByte(), 0x03);
    EXPECT_EQ(in.EndOfStream(), 1);

    in.Rewind();
    EXPECT_EQ(in.GetPosition(), 0);
    EXPECT_EQ(in.HasError(), 1);  // the flag outlives Rewind
}

TEST(FastInputStreamTest, StringRecords)
{
    struct {
        const char* what;
        Bytes data;
        std::u16string text;
        int endPosition;
        int error;
    } cases[] = {
        {"one letter with its zero", {0x02, 0, 0, 0, 0x41, 0, 0, 0}, u"A", 8, 0},
        {"count without a zero", {0x02, 0, 0, 0, 0x41, 0, 0x42, 0}, u"AB", 8, 0},
        {"count 0", {0, 0, 0, 0}, u"", 4, 0},
        {"count cannot be read", {0x02, 0}, u"", 0, 1},
        {"count past the end", {0x03, 0, 0, 0, 0x41, 0, 0, 0}, u"", 4, 1},
        {"odd byte left over", {0x02, 0, 0, 0, 0x41, 0, 0}, u"", 4, 1},
        {"negative count", {0xFF, 0xFF, 0xFF, 0xFF, 0x41, 0}, u"", 4, 1},
        {"huge count", {0xFF, 0xFF, 0xFF, 0x7F, 0x41, 0}, u"", 4, 1},
        {"count that doubles past INT_MAX", {0x00, 0x00, 0x00, 0x40, 0x41, 0}, u"", 4, 1},
    };
    for (const auto& c : cases) {
        CFastInputStream in(c.data.data(), static_cast<int>(c.data.size()), 0);
        EXPECT_EQ(TextOf(in.ReadString()), c.text) << c.what;
        EXPECT_EQ(in.GetPosition(), c.endPosition) << c.what;
        EXPECT_EQ(in.HasError(), c.error) << c.what;
    }
}

TEST(FastInputStreamTest, ReadStringIntoLeavesTargetOnFailure)
{
    const Bytes data = {0x02, 0, 0, 0, 0x41, 0, 0, 0, 0x09, 0, 0, 0};
    CFastInputStream in(data.data(), static_cast<int>(data.size()), 0);
    String out(u"keep");
    in.ReadString(out);
    EXPECT_EQ(TextOf(out), u"A");
    in.ReadString(out);  // count 9 past the end
    EXPECT_EQ(TextOf(out), u"A");
    EXPECT_EQ(in.HasError(), 1);
    CFastInputStream atEnd(data.data(), 0, 0);
    atEnd.ReadString(out);
    EXPECT_EQ(TextOf(out), u"A");
    EXPECT_EQ(atEnd.HasError(), 1);
}

TEST(FastInputStreamTest, ReadStringWithAGivenCount)
{
    const Bytes data = Utf16(u"abc");
    CFastInputStream in(data.data(), static_cast<int>(data.size()), 0);
    EXPECT_EQ(TextOf(in.ReadString(2)), u"ab");
    EXPECT_EQ(TextOf(in.ReadString(2)), u"");  // only one unit left
    EXPECT_EQ(in.HasError(), 1);
    EXPECT_EQ(in.GetPosition(), 4);
    EXPECT_EQ(TextOf(in.ReadString(-1)), u"");
    EXPECT_EQ(TextOf(in.ReadString(1)), u"c");
    EXPECT_EQ(TextOf(in.ReadString(0)), u"");  // at the end even a count of 0 fails
}

TEST(FastInputStreamTest, ReadLineSkipsLineBreaksAndSetsErrorAtTheEnd)
{
    const Bytes data = Utf16(u"\r\n\r\nab\r\ncd");
    CFastInputStream in(data.data(), static_cast<int>(data.size()), 0);
    EXPECT_EQ(TextOf(in.ReadLine()), u"ab");
    EXPECT_EQ(in.HasError(), 0);
    EXPECT_EQ(TextOf(in.ReadLine()), u"cd");
    EXPECT_EQ(in.HasError(), 1);
    EXPECT_EQ(TextOf(in.ReadLine()), u"");
}

TEST(FastInputStreamTest, ReadLineTable)
{
    struct {
        const char* what;
        Bytes data;
        std::vector<std::u16string> lines;  // until the first empty result
    } cases[] = {
        {"lone LF and CR", Utf16(u"a\nb\rc\r\n"), {u"a", u"b", u"c"}},
        {"only breaks", Utf16(u"\r\n\n\r"), {}},
        {"zero units are dropped", Utf16(std::u16string(u"a\0b\n", 4)), {u"ab"}},
        {"odd trailing byte", [] { Bytes b = Utf16(u"xy"); b.push_back(0x41); return b; }(), {u"xy"}},
        {"CR as high byte is no break", Utf16(u"\u0D41\u0A42"), {u"\u0D41\u0A42"}},
        {"non-ASCII", Utf16(u"ふじ\r\n山"), {u"ふじ", u"山"}},
    };
    for (const auto& c : cases) {
        CFastInputStream in(c.data.data(), static_cast<int>(c.data.size()), 0);
        std::vector<std::u16string> lines;
        for (int guard = 0; guard < 10; ++guard) {
            String line = in.ReadLine();
            if (line.IsEmpty())
                break;
            lines.push_back(TextOf(line));
        }
        EXPECT_EQ(lines, c.lines) << c.what;
        EXPECT_EQ(in.HasError(), 1) << c.what;
    }
}

TEST(FastInputStreamTest, ReadLineDeliversAfterAnEarlierFailure)
{
    const Bytes data = Utf16(u"ab\r\n");
    CFastInputStream in(data.data(), static_cast<int>(data.size()), 0);
    in.ReadString(100);  // fails: 200 bytes wanted, 8 there
    ASSERT_EQ(in.HasError(), 1);
    EXPECT_EQ(TextOf(in.ReadLine()), u"ab");
}

TEST(FastInputStreamTest, CopyingOwnedAndBorrowedBuffers)
{
    Bytes data = {0x11, 0x22, 0x33, 0x44};
    auto owner = std::make_unique<CFastInputStream>(data.data(), 4, 1);
    data[0] = 0;  // the owning stream read its own copy
    EXPECT_EQ(owner->ReadByte(), 0x11);
    CFastInputStream copy(*owner);
    CFastInputStream assigned(nullptr, 0, 0);
    assigned = *owner;
    owner.reset();  // the copies have their own bytes
    EXPECT_EQ(copy.GetPosition(), 1);
    EXPECT_EQ(copy.ReadByte(), 0x22);
    EXPECT_EQ(assigned.ReadWord(), 0x3322);

    CFastInputStream borrower(data.data(), 4, 0);
    CFastInputStream borrowedCopy(borrower);
    data[1] = 0x99;
    borrowedCopy.ReadByte();
    EXPECT_EQ(borrowedCopy.ReadByte(), 0x99);  // both read the caller's buffer
}

TEST(FastInputStreamTest, NegativeLengthIsAnEmptyStream)
{
    const Bytes data = {1, 2};
    CFastInputStream in(data.data(), -5, 1);
    EXPECT_EQ(in.EndOfStream(), 1);
    EXPECT_EQ(in.ReadByte(), 0);
    EXPECT_EQ(in.HasError(), 1);
}

}  // namespace
