// CPinyinTable: the load results, the lookups of a character's readings, and the files that are
// refused whole instead of leaving a table that points at syllables that are not there.

#include "script/PinyinTable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/core/MessageBox.h"
#include "tests/script/ScriptTestFiles.h"

using namespace scripttest;

namespace {

struct MapEntry {
    char16_t code;
    uint16_t syllable;
};

// A file in the table's layout, with `syllableCount` as its S field (normally syllables.size()).
Bytes PinyinFile(const std::vector<std::u16string>& syllables, const std::vector<MapEntry>& map,
                 int syllableCount = -1)
{
    Bytes out;
    PutLe16(out, static_cast<uint16_t>(syllableCount < 0 ? syllables.size() : syllableCount));
    PutLe16(out, static_cast<uint16_t>(map.size()));
    for (const std::u16string& syllable : syllables)
        for (int i = 0; i < 7; ++i)
            PutLe16(out, i < static_cast<int>(syllable.size()) ? syllable[i] : 0);
    for (const MapEntry& entry : map) {
        PutLe16(out, entry.code);
        PutLe16(out, entry.syllable);
    }
    return out;
}

std::u16string Text(const String& s)
{
    return std::u16string(s.GetString(), s.GetLength());
}

}  // namespace

TEST(PinyinTableTest, LooksUpReadingsInFileOrder)
{
    // 行 has the readings xíng (usual) and háng; 你 has one; a syllable of 7 units has no
    // terminator in the file.
    const Bytes file = PinyinFile({u"xíng", u"háng", u"nǐ", u"zhuàngg"},
                                  {{0x884C, 1}, {0x4F60, 3}, {0x884C, 2}, {0x58EE, 4}});
    CPinyinTable table;
    ASSERT_EQ(CPinyinTable::kLoaded, table.LoadPinyinFromBytes(file.data(), file.size()));
    EXPECT_EQ(4, table.GetSyllableCount());
    EXPECT_EQ(4, table.GetMapEntryCount());

    struct Case {
        char16_t code;
        int reading;
        int result;
        std::u16string syllable;
    } cases[] = {
        {0x884C, 0, CPinyinTable::kFound, u"xíng"},
        {0x884C, 1, CPinyinTable::kFound, u"háng"},
        {0x884C, 2, CPinyinTable::kNoReading, u"unchanged"},
        {0x4F60, 0, CPinyinTable::kFound, u"nǐ"},
        {0x58EE, 0, CPinyinTable::kFound, u"zhuàngg"},
        {u'a', 0, CPinyinTable::kNoReading, u"unchanged"},
    };
    for (const Case& c : cases) {
        String syllable(u"unchanged");
        EXPECT_EQ(c.result, table.LookupReading(c.code, syllable, c.reading)) << int(c.code);
        EXPECT_EQ(c.syllable, Text(syllable)) << int(c.code);
    }
}

TEST(PinyinTableTest, NeverLoadedAndEmptyMap)
{
    CPinyinTable table;
    String syllable;
    EXPECT_EQ(CPinyinTable::kNotLoaded, table.LookupReading(0x4E00, syllable, 0));

    const Bytes file = PinyinFile({u"yī"}, {});
    ASSERT_EQ(CPinyinTable::kLoaded, table.LoadPinyinFromBytes(file.data(), file.size()));
    EXPECT_EQ(CPinyinTable::kNoReading, table.LookupReading(0x4E00, syllable, 0));
}

TEST(PinyinTableTest, RefusesFilesThatDoNotHoldTogether)
{
    std::vector<std::u16string> tooMany(CPinyinTable::kMaxSyllables + 1, u"a");
    Bytes cut = PinyinFile({u"yī", u"èr"}, {{0x4E00, 1}, {0x4E8C, 2}});
    cut.pop_back();
    struct Case {
        const char* what;
        Bytes file;
    } cases[] = {
        {"no header", {0x01}},
        {"more than 1,120 syllables", PinyinFile(tooMany, {{0x4E00, 1}})},
        {"syllables cut short", PinyinFile({u"yī"}, {}, 2)},
        {"last map entry cut short", cut},
        {"syllable number 0", PinyinFile({u"yī"}, {{0x4E00, 0}})},
        {"syllable number above S", PinyinFile({u"yī"}, {{0x4E00, 1}, {0x4E8C, 2}})},
    };
    for (const Case& c : cases) {
        CPinyinTable table;
        EXPECT_EQ(CPinyinTable::kCannotLoad, table.LoadPinyinFromBytes(c.file.data(), c.file.size()))
            << c.what;
        EXPECT_TRUE(table.IsLoaded()) << c.what;
        EXPECT_EQ(0, table.GetMapEntryCount()) << c.what;
        String syllable;
        EXPECT_EQ(CPinyinTable::kNoReading, table.LookupReading(0x4E00, syllable, 0)) << c.what;
    }
}

TEST(PinyinTableTest, ExactlyTheLimitLoads)
{
    std::vector<std::u16string> full(CPinyinTable::kMaxSyllables, u"a");
    full.back() = u"last";
    CPinyinTable table;
    const Bytes file = PinyinFile(full, {{0x4E00, CPinyinTable::kMaxSyllables}});
    ASSERT_EQ(CPinyinTable::kLoaded, table.LoadPinyinFromBytes(file.data(), file.size()));
    String syllable;
    ASSERT_EQ(CPinyinTable::kFound, table.LookupReading(0x4E00, syllable, 0));
    EXPECT_EQ(u"last", Text(syllable));
}

TEST(PinyinTableTest, ARefusedFileEmptiesATableLoadedBefore)
{
    CPinyinTable table;
    const Bytes good = PinyinFile({u"yī"}, {{0x4E00, 1}});
    ASSERT_EQ(CPinyinTable::kLoaded, table.LoadPinyinFromBytes(good.data(), good.size()));
    const Bytes bad = PinyinFile({u"yī"}, {{0x4E00, 7}});
    EXPECT_EQ(CPinyinTable::kCannotLoad, table.LoadPinyinFromBytes(bad.data(), bad.size()));
    String syllable;
    EXPECT_EQ(CPinyinTable::kNoReading, table.LookupReading(0x4E00, syllable, 0));
}

TEST(PinyinTableTest, LoadsFromAFile)
{
    TempDir dir;
    CPinyinTable table;
    EXPECT_EQ(CPinyinTable::kCannotLoad, table.LoadPinyin(dir.PathOf("py_pool.dat")));
    EXPECT_TRUE(table.IsLoaded()) << "the flag is set also when loading fails";

    Bytes file = PinyinFile({u"yī"}, {{0x4E00, 1}});
    file.push_back(0xEE);  // bytes after the map are ignored
    ASSERT_EQ(CPinyinTable::kLoaded, table.LoadPinyin(dir.Write("py_pool.dat", file)));
    String syllable;
    ASSERT_EQ(CPinyinTable::kFound, table.LookupReading(0x4E00, syllable, 0));
    EXPECT_EQ(u"yī", Text(syllable));
}

TEST(PinyinTableTest, StartUpReportsAMissingFileOnce)
{
    // No "py_pool.dat" lies next to the test program.
    std::vector<std::u16string> shown;
    MessageBoxHandler previous = SetMessageBoxHandler([&shown](const String& text, const String&, unsigned type) {
        shown.push_back(Text(text));
        EXPECT_EQ(MB_OK, type);
        return IDOK;
    });
    EXPECT_EQ(CPinyinTable::kCannotLoad, LoadProgramPinyin());
    SetMessageBoxHandler(previous);
    EXPECT_EQ(std::vector<std::u16string>{u"Cannot load PinYin data."}, shown);
    ASSERT_NE(nullptr, GetPinyinTable());
    String syllable;
    EXPECT_EQ(CPinyinTable::kNoReading, GetPinyinTable()->LookupReading(0x4E00, syllable, 0));
    DeletePinyinTable();
}
