// RecordStream::ReadText reads a string record in place when the stream has no error yet and
// through its own count check when the stream's sticky error flag is already raised; both
// ways must give the same text and the same verdict, and leave the target alone on damage.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "baselib/FastInputStream.h"
#include "phrasebook/RecordStream.h"

namespace {

void PutInt(std::vector<uint8_t>& bytes, int32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back((uint8_t)((uint32_t)value >> shift));
}

void PutUnits(std::vector<uint8_t>& bytes, const std::u16string& units)
{
    for (char16_t unit : units) {
        bytes.push_back((uint8_t)(unit & 0xFF));
        bytes.push_back((uint8_t)(unit >> 8));
    }
}

struct TextCase {
    const char* what;
    int32_t count;            // the record's count
    std::u16string units;     // the units that follow it
    bool read;                // ReadText's verdict
    std::u16string text;      // the target afterwards (it starts as "old")
    bool countCut = false;    // only two bytes of the count are there
};

const TextCase kTextCases[] = {
    {"a counted terminator is dropped", 4, std::u16string(u"abc\0", 4), true, u"abc"},
    {"a record without terminator reads the same text", 3, u"abc", true, u"abc"},
    {"a long text (past any short-text buffer) is read whole", 1000, std::u16string(999, u'x') + u'\0', true,
     std::u16string(999, u'x')},
    {"count zero is the empty text", 0, u"", true, u""},
    {"a lone terminator is the empty text", 1, std::u16string(1, u'\0'), true, u""},
    {"a negative count is damage", -1, u"abc", false, u"old"},
    {"a count past the end is damage", 5, u"abc", false, u"old"},
    {"a count cut short is damage", 0, u"", false, u"old", true},
};

std::vector<uint8_t> RecordBytes(const TextCase& c)
{
    std::vector<uint8_t> bytes;
    PutInt(bytes, c.count);
    if (c.countCut)
        bytes.resize(2);
    PutUnits(bytes, c.units);
    return bytes;
}

TEST(RecordStreamTest, ReadTextGivesTheSameVerdictWithOrWithoutAnEarlierStreamError)
{
    for (const TextCase& c : kTextCases) {
        for (bool earlierError : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (earlierError ? " (stream already in error)" : ""));
            std::vector<uint8_t> bytes = RecordBytes(c);
            CFastInputStream in(bytes.data(), (int)bytes.size(), 0);
            if (earlierError) {
                in.ReadString(-1);  // a failed read: raises the flag, moves nothing
                ASSERT_TRUE(in.HasError());
            }
            String text(u"old");
            EXPECT_EQ(RecordStream::ReadText(in, text), c.read);
            EXPECT_EQ(std::u16string(text.GetString()), c.text);
            if (c.read) {
                EXPECT_EQ(in.GetPosition(), (int)bytes.size());
            }
        }
    }
}

TEST(RecordStreamTest, TextsReadOneAfterAnotherKeepTheirOwnUnits)
{
    std::vector<uint8_t> bytes;
    PutInt(bytes, 6);
    PutUnits(bytes, std::u16string(u"first\0", 6));
    PutInt(bytes, 3);
    PutUnits(bytes, std::u16string(u"no\0", 3));
    CFastInputStream in(bytes.data(), (int)bytes.size(), 0);
    String first, second;
    ASSERT_TRUE(RecordStream::ReadText(in, first));
    ASSERT_TRUE(RecordStream::ReadText(in, second));
    EXPECT_EQ(std::u16string(first.GetString()), u"first");
    EXPECT_EQ(std::u16string(second.GetString()), u"no");
    EXPECT_FALSE(in.HasError());
}

}  // namespace
