// The linter on a small program folder made here: one phrase per kind of fault, each of which
// must be reported naming its phrase, and one sound phrase that must pass.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "phrasebook/PhraseBook.h"
#include "script/PinyinTable.h"
#include "tools/phrasetools/BookBuilder.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/Linter.h"
#include "tools/phrasetools/Utf.h"

namespace {

const char* const kSources = R"(major: Basic
sub: Greetings

@1
en: Hello.
zh: 你好。
py: nǐ hǎo
ja: 日本。
kana: にほん。
ko: 한국.

@2
en: Repeated one.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국

@2
en: Repeated two.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국

@3
en: Related to nothing.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국
related: 999

@4
en: Tip lost.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국
tip-zh: Shake hands.

@5
en: No clips.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국

@6
en: Clip missing.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국

@7
en: No glyph.
zh: 是
py: shì
ja: 日本
kana: にほん
ko: 한국

@8
en: No PinYin.
zh: 行
py: xíng
ja: 日本
kana: にほん
ko: 한국

@9
en: Kanji in the kana.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: 日本
ko: 한국

@10
en: I want $W1.
W1: tea|coffee

@11 = tea
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국

@12 = coffee
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국

@13
en: Too long in Chinese.
zh: 你好你好你好你好你好你好你好你好你好你好你好
py: nǐ hǎo nǐ hǎo nǐ hǎo nǐ hǎo nǐ hǎo nǐ hǎo nǐ hǎo nǐ hǎo nǐ hǎo nǐ hǎo nǐ hǎo
ja: 日本
kana: にほん
ko: 한국

@14
en: Too long in kana.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほんにほんにほんにほんにほんにほんにほんにほんにほんにほんにほんにほん
ko: 한국

@15
en: Too long in Korean.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국 한국 한국 한국 한국 한국 한국 한국 한국 한국 한국 한국 한국 한국 한국 한국

@16
en: A digit in Chinese.
zh: 你2好
py: nǐ hǎo
ja: 日本
kana: にほん
ko: 한국

@17
en: No Korean.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほん

@18
en: Romaji too long.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほんにほんにほんにほんにほんにほんにほん
ko: 한국

@19
en: Romaji just fits.
zh: 你好
py: nǐ hǎo
ja: 日本
kana: にほんにほんにほんにほんにほんにほん
ko: 한국
)";

void Put16(std::string& out, unsigned value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// PinYin table of 你 nǐ, 好 hǎo and, when asked, 行 xíng and 是 shì.
std::string PinyinFile(bool withXing)
{
    std::vector<std::pair<char16_t, std::u16string>> entries = {{u'你', u"nǐ"}, {u'好', u"hǎo"}, {u'是', u"shì"}};
    if (withXing)
        entries.push_back({u'行', u"xíng"});
    std::string out;
    Put16(out, static_cast<unsigned>(entries.size()));
    Put16(out, static_cast<unsigned>(entries.size()));
    for (const auto& entry : entries) {
        for (int i = 0; i < 7; ++i)
            Put16(out, i < static_cast<int>(entry.second.size()) ? entry.second[i] : 0);
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        Put16(out, entries[i].first);
        Put16(out, static_cast<unsigned>(i + 1));
    }
    return out;
}

// A glyph font in which every code of both ranges has ink, except 是 and the space.
void WriteGlyphFont(const std::string& dir, const std::string& name)
{
    std::string index;
    Put16(index, 0x20);
    Put16(index, 0x7E);
    Put16(index, 0x3000);
    Put16(index, 0x9FFF);
    for (unsigned code = 0x20; code <= 0x7E; ++code)
        Put32(index, code == 0x20 ? 0 : 32);
    for (unsigned code = 0x3000; code <= 0x9FFF; ++code)
        Put32(index, code == 0x662F ? 0 : 32);
    WriteFile(dir + "/" + name + ".idx", index);
    WriteFile(dir + "/" + name + ".fon", std::string(32, '\0') + std::string(32, '\xff'));
}

// A voice archive with a one-byte clip for each id.
void WriteVoice(const std::string& path, const std::vector<int>& clips)
{
    std::string out(36, '\0');
    Put32(out, static_cast<uint32_t>(clips.size()));
    Put32(out, static_cast<uint32_t>(44 + 12 * clips.size()));
    for (size_t i = 0; i < clips.size(); ++i) {
        Put32(out, static_cast<uint32_t>(clips[i]));
        Put32(out, static_cast<uint32_t>(i));
        Put32(out, 1);
    }
    out += std::string(clips.size(), 'x');
    WriteFile(path, out);
}

class LinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/phraselint-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        for (const char* program : {"/Velora", "/Miravel", "/Serrak"})
            ASSERT_EQ(system(("mkdir -p " + m_dir + program).c_str()), 0);
        WriteFile(m_dir + "/sources.txt", kSources);

        std::vector<SourceError> errors;
        ASSERT_TRUE(ReadPhraseSources({m_dir + "/sources.txt"}, m_sources, errors));
        std::string table = PinyinFile(true);
        CPinyinTable pinyin;
        ASSERT_EQ(pinyin.LoadPinyinFromBytes(reinterpret_cast<const uint8_t*>(table.data()), table.size()),
                  CPinyinTable::kLoaded);

        // Chinese: drop the tips, phrase 12's source record and phrase 5's clips after building.
        CPhraseBook chinese;
        ASSERT_TRUE(BuildPhraseBook(m_sources, BookKind::Chinese, &pinyin, chinese, errors))
            << (errors.empty() ? std::string() : FormatError(errors[0]));
        chinese.GetTips().RemoveAll();
        for (unsigned i = 0; i < chinese.GetPhrases().GetCount(); ++i) {
            if (chinese.GetPhrases().GetAt(i)->id == 12)
                chinese.GetPhrases().RemoveAt(i--);
        }
        chinese.FindTranslation(5)->clips.RemoveAll();
        Save(chinese, "/Velora/phrases.dat");
        WriteFile(m_dir + "/Velora/py_pool.dat", PinyinFile(false));   // 行 has no reading here
        std::string g2b;
        for (unsigned code = 0x4E00; code <= 0x9FFF; ++code)
            Put16(g2b, code);
        WriteFile(m_dir + "/Velora/g2b.tab", g2b);
        WriteGlyphFont(m_dir + "/Velora", "ch");

        for (BookKind kind : {BookKind::Japanese, BookKind::Kana, BookKind::Korean}) {
            CPhraseBook book;
            ASSERT_TRUE(BuildPhraseBook(m_sources, kind, nullptr, book, errors));
            Save(book, kind == BookKind::Japanese ? "/Miravel/phenjp.dat"
                       : kind == BookKind::Kana   ? "/Miravel/phenkata.dat"
                                                  : "/Serrak/phrases.dat");
        }
        WriteGlyphFont(m_dir + "/Miravel", "jp");
        std::string romaji;
        for (char16_t c : std::u16string(u"に=ni;ほ=ho;ん=n;"))
            Put16(romaji, c);
        WriteFile(m_dir + "/Miravel/Romaji.tab", romaji);

        std::string metrics = "pixel_size\t16\nline_height\t18.4\n0020\t4.8\n";
        for (char16_t c : std::u16string(u"한국."))
            metrics += Hex(c) + "\t15.2\n";
        WriteFile(m_dir + "/ko.metrics", metrics);

        std::vector<int> clips;
        for (int id : {1, 2, 3, 4, 5, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19})
            clips.push_back(id);
        for (const char* program : {"/Velora", "/Miravel", "/Serrak"})
            WriteVoice(m_dir + program + "/voice.dat", clips);

        LintInputs inputs;
        inputs.sources = {m_dir + "/sources.txt"};
        inputs.veloraDir = m_dir + "/Velora";
        inputs.miravelDir = m_dir + "/Miravel";
        inputs.serrakDir = m_dir + "/Serrak";
        inputs.koreanMetrics = m_dir + "/ko.metrics";
        m_report = RunLint(inputs);
        for (const LintFinding& finding : m_report.findings)
            m_text += FormatFinding(finding) + "\n";
    }

    void TearDown() override { system(("rm -rf " + m_dir).c_str()); }

    void Save(const CPhraseBook& book, const std::string& name)
    {
        std::string bytes, error;
        ASSERT_TRUE(SerializePhraseBook(book, bytes, error)) << error;
        WriteFile(m_dir + name, bytes);
    }

    static std::string Hex(char16_t c)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(c));
        return text;
    }

    bool Reports(int id, const std::string& where, const std::string& message) const
    {
        for (const LintFinding& finding : m_report.findings) {
            if (finding.phraseId == id && finding.where.find(where) != std::string::npos &&
                finding.message.find(message) != std::string::npos)
                return true;
        }
        return false;
    }

    std::string m_dir;
    PhraseSources m_sources;
    LintReport m_report;
    std::string m_text;
};

}  // namespace

TEST_F(LinterTest, ReportsEachKindOfFaultNamingThePhrase)
{
    struct Case {
        int id;
        const char* where;
        const char* message;
    };
    const Case cases[] = {
        {2, "sources.txt:", "the id repeats"},
        {3, "Velora", "related phrase @999 does not exist"},
        {4, "Velora", "tip 1 does not exist"},
        {10, "Velora", "names phrase @12, which does not exist"},
        {5, "Velora", "the translation has no clips"},
        {6, "Velora", "clip 6 is not in voice.dat"},
        {6, "Serrak", "clip 6 is not in voice.dat"},
        {7, "Velora", "no glyph for \"是\" (U+662F)"},
        {8, "Velora", "\"行\" (U+884C) gets no PinYin syllable"},
        {9, "Miravel", "romaji conversion of the kana text reports \"Unrecognized code=[65e5]\""},
        {13, "Velora", "the Chinese text"},
        {13, "Velora", "does not fit the two lines"},
        {14, "Miravel", "the kana text"},
        // 7 x "ni ho n ": the second line keeps 31 of its 32 characters, more than 23.
        {18, "Miravel", "the romaji line \"ni ho n ni ho n"},
        {18, "Miravel", "does not fit the two lines of 23 characters of the romaji box"},
        {15, "Serrak", "takes 4 lines; its box shows 3"},
        {16, "sources.txt:", "holds the digit 2"},
        {17, "sources.txt:", "no \"ko:\" translation"},
        {17, "Serrak", "no translation in this edition's phrase book"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(Reports(c.id, c.where, c.message)) << "@" << c.id << " " << c.message << "\n" << m_text;
}

TEST_F(LinterTest, SoundPhrasesPassAndCategoriesAreChecked)
{
    for (const LintFinding& finding : m_report.findings) {
        EXPECT_NE(finding.phraseId, 1) << FormatFinding(finding);
        EXPECT_NE(finding.phraseId, 11) << FormatFinding(finding);
        // 6 x "ni ho n " is 48 characters: 23 on the first line, 23 and a trailing space on
        // the second.
        EXPECT_NE(finding.phraseId, 19) << FormatFinding(finding);
    }
    EXPECT_NE(m_text.find("Velora: the main screen opens \"Food\", which the phrase book does not have"), std::string::npos)
        << m_text;
    EXPECT_NE(m_text.find("the sub categories of \"Basic\" are [Greetings]"), std::string::npos) << m_text;
    EXPECT_NE(m_report.counts.find("Velora: "), std::string::npos);
    EXPECT_NE(m_report.counts.find("    Greetings: "), std::string::npos) << m_report.counts;
}
