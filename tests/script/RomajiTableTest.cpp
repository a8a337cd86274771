// CRomajiTable and ConvertToRomaji: how the table file is split into entries, which entries are
// kept, and the conversion of kana texts with its "Unrecognized code" reports.

#include "script/RomajiTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/MessageBox.h"
#include "tests/script/ScriptTestFiles.h"

using namespace scripttest;

namespace {

std::u16string Text(const String& s)
{
    return std::u16string(s.GetString(), s.GetLength());
}

// Records every message box shown while it lives.
class MessageRecorder {
public:
    MessageRecorder()
    {
        m_previous = SetMessageBoxHandler([this](const String& text, const String&, unsigned) {
            m_texts.push_back(Text(text));
            return IDOK;
        });
    }
    ~MessageRecorder() { SetMessageBoxHandler(m_previous); }
    const std::vector<std::u16string>& Texts() const { return m_texts; }

private:
    MessageBoxHandler m_previous;
    std::vector<std::u16string> m_texts;
};

void LoadText(CRomajiTable& table, const std::u16string& text)
{
    table.LoadFromText(text.data(), text.size());
}

// Katakana ki, small yo, u; hiragana ka, ki, ya, small ya, small a; katakana ko, small tsu.
const std::u16string kTable =
    u"キョ=kyo;ウ=u;か=ka;き=ki;や=ya;ゃ=xya;ぁ=xa;こ=ko;キ=ki;ン=n;ー=-;";

}  // namespace

TEST(RomajiTableTest, SplitsEntriesAndKeepsTheFirstOfAKey)
{
    struct Case {
        const char* what;
        std::u16string text;
        std::u16string key;
        std::u16string value;
        int entries;
    } cases[] = {
        {"plain entries", u"か=ka;き=ki", u"き", u"ki", 2},
        {"empty tokens are skipped", u";;か=ka;;き=ki;", u"き", u"ki", 2},
        {"an entry without = is ignored", u"ka;か=ka", u"か", u"ka", 1},
        {"first entry of a key wins", u"か=ka;か=ga", u"か", u"ka", 2},
        {"nothing is trimmed", u"か= ka;\nき=ki", u"か", u" ka", 2},
        {"a line break joins the key it touches", u"か=ka;\nき=ki", u"き", u"", 2},
        {"an empty value is kept", u"ん=;ん=n", u"ん", u"", 2},
        {"two-unit key", u"キョ=kyo", u"キョ", u"kyo", 1},
        {"the value runs to the end of the token", u"か=k=a", u"か", u"k=a", 1},
        {"key longer than 2 units skipped", u"キョウ=kyo;キ=ki", u"キョウ", u"", 1},
        {"value longer than 3 units skipped", u"ち=chii;ち=chi", u"ち", u"chi", 1},
        {"a zero unit ends the text", std::u16string(u"か=ka;") + char16_t(0) + u"き=ki", u"き", u"", 1},
    };
    for (const Case& c : cases) {
        CRomajiTable table;
        LoadText(table, c.text);
        EXPECT_EQ(c.value, Text(table.Lookup(String(c.key.c_str())))) << c.what;
        EXPECT_EQ(c.entries, table.GetEntryCount()) << c.what;
    }
}

TEST(RomajiTableTest, LoadsAFileOfLittleEndianUnits)
{
    TempDir dir;
    Bytes file = Utf16Bytes(u"か=ka;き=ki;");
    file.push_back(0x41);  // a last odd byte is ignored
    CRomajiTable table;
    MessageRecorder messages;
    ASSERT_TRUE(table.Load(dir.Write("Romaji.tab", file)));
    EXPECT_EQ(2, table.GetEntryCount());
    EXPECT_EQ(u"ki", Text(table.Lookup(String(u"き"))));
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(RomajiTableTest, MissingFileIsReportedAndLeavesTheTableEmpty)
{
    TempDir dir;
    CRomajiTable table;
    MessageRecorder messages;
    EXPECT_FALSE(table.Load(dir.PathOf("Romaji.tab")));
    EXPECT_EQ(std::vector<std::u16string>{u"Open Romaji Map file error!"}, messages.Texts());
    EXPECT_EQ(0, table.GetEntryCount());

    // Each kana is then reported and leaves only its space.
    EXPECT_EQ(u"  ", Text(ConvertToRomaji(table, String(u"かき"))));
    EXPECT_EQ(3u, messages.Texts().size());
}

TEST(RomajiTableTest, Conversion)
{
    CRomajiTable table;
    LoadText(table, kTable);
    struct Case {
        const char* what;
        std::u16string kana;
        std::u16string romaji;
        std::vector<std::u16string> messages;
    } cases[] = {
        {"empty text", u"", u"", {}},
        {"ASCII unchanged, nothing added", u"A1?", u"A1?", {}},
        {"small yo joins the kana before it", u"キョウ", u"kyo u ", {}},
        {"hiragana syllables", u"かき", u"ka ki ", {}},
        {"small tsu of either script is a space", u"っかッこ", u" ka  ko ", {}},
        {"prolonged mark is a space, not a key", u"キー", u"ki  ", {}},
        {"punctuation and ideographic space are spaces", u"か。\u3000き、", u"ka   ki  ", {}},
        {"Latin-1 below 255 is copied", u"\u00e9", u"\u00e9", {}},
        {"U+00FF counts as punctuation", u"\u00ff", u" ", {}},
        {"small hiragana vowel is a key of its own", u"かぁ", u"ka xa ", {}},
        {"small ya with a missing pair", u"きゃ", u" ", {u"Unrecognized code=[304d]"}},
        {"small ya alone is looked up alone", u"ゃ", u"xya ", {}},
        {"kanji are reported and give nothing", u"一か", u"ka ", {u"Unrecognized code=[4e00]"}},
        {"full-width forms are reported", u"Ａ", u"", {u"Unrecognized code=[ff21]"}},
        {"a kana without an entry", u"ぬ", u" ", {u"Unrecognized code=[306c]"}},
        {"one message per unknown unit", u"一一", u"", {u"Unrecognized code=[4e00]", u"Unrecognized code=[4e00]"}},
    };
    for (const Case& c : cases) {
        MessageRecorder messages;
        EXPECT_EQ(c.romaji, Text(ConvertToRomaji(table, String(c.kana.c_str())))) << c.what;
        EXPECT_EQ(c.messages, messages.Texts()) << c.what;
    }
}
