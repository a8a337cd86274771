// CG2bTable: which entry a code reads, and the codes that must come back unchanged (below the
// table, past its end, no table at all) so that the text stays readable.

#include "script/G2bTable.h"

#include <gtest/gtest.h>

#include "tests/script/ScriptTestFiles.h"

using namespace scripttest;

TEST(G2bTableTest, ConvertsThroughTheEntryOfTheCode)
{
    TempDir dir;
    Bytes table;
    for (uint16_t code : {0x4E1F, 0x9F9C, 0x4E02})  // entries for U+4E00, U+4E01, U+4E02
        PutLe16(table, code);
    CG2bTable g2b;
    ASSERT_TRUE(g2b.Open(dir.Write("g2b.tab", table)));

    struct Case {
        const char* what;
        char16_t code;
        char16_t expected;
    } cases[] = {
        {"U+4E00 reads offset 0", 0x4E00, 0x4E1F},
        {"U+4E01 reads offset 2", 0x4E01, 0x9F9C},
        {"an entry holding its own code", 0x4E02, 0x4E02},
        {"past the end of the table", 0x4E03, 0x4E03},
        {"the last code unit", 0xFFFF, 0xFFFF},
        {"below U+4E00: Latin letter", u'A', u'A'},
        {"below U+4E00: CJK punctuation", 0x3002, 0x3002},
        {"just below the table", 0x4DFF, 0x4DFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, g2b.ToTraditional(c.code)) << c.what;
}

TEST(G2bTableTest, OddLastByteIsNotAnEntry)
{
    TempDir dir;
    CG2bTable g2b;
    ASSERT_TRUE(g2b.Open(dir.Write("g2b.tab", {0x41, 0x00, 0x42})));
    EXPECT_EQ(u'A', g2b.ToTraditional(0x4E00));
    EXPECT_EQ(0x4E01, g2b.ToTraditional(0x4E01));
}

TEST(G2bTableTest, MissingTableChangesNothing)
{
    TempDir dir;
    CG2bTable g2b;
    EXPECT_FALSE(g2b.Open(dir.PathOf("g2b.tab")));
    EXPECT_EQ(0x7B80, g2b.ToTraditional(0x7B80));
    EXPECT_EQ(0x4E00, g2b.ToTraditional(0x4E00));
}
