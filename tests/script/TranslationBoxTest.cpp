// CTranslationBox painted into an in-memory picture and compared pixel for pixel with the fixture
// glyphs at the cells the box must use: line breaks for P and P + 1 characters, skipped digits
// (Chinese), three lines and kana text (Japanese), blank cells, traditional codes after toggle
// taps, the Korean box's text call; and the tap that plays the phrase.

#include "script/TranslationBox.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "script/EditionProfile.h"
#include "script/G2bTable.h"
#include "script/GlyphFont.h"
#include "script/ScriptToggle.h"
#include "shell/log/DebugLog.h"
#include "tests/script/GlyphPicture.h"
#include "tests/script/RasterContext.h"

using namespace scripttest;

namespace {

constexpr ColorRef kGrey = Rgb(128, 128, 128);

// A text of `n` artificial characters U+4E00 + first, U+4E00 + first + 1, ...
std::u16string Han(int first, int n)
{
    std::u16string text;
    for (int i = 0; i < n; ++i)
        text.push_back(static_cast<char16_t>(0x4E00 + first + i));
    return text;
}

std::u16string Kana(int n)
{
    std::u16string text;
    for (int i = 0; i < n; ++i)
        text.push_back(static_cast<char16_t>(0x3042 + i));
    return text;
}

class TranslationBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const FixtureFont& files = SharedFixtureFont();
        ASSERT_TRUE(m_font.OpenGlyphFont(files.indexPath, files.dataPath));
        ASSERT_TRUE(m_table.Open(SharedConversionTablePath()));
        m_environment.glyphFont = &m_font;
        m_environment.scriptFlag = &m_flag;
        m_environment.conversionTable = &m_table;
    }

    ScriptEnvironment Environment(const EditionProfile& profile)
    {
        ScriptEnvironment environment = m_environment;
        environment.profile = &profile;
        return environment;
    }

    void Show(const std::u16string& text)
    {
        m_phrase.id = 42;
        m_phrase.name = String(text.c_str());
    }

    // Paints the box into a grey picture, so that the white fill shows too.
    RasterContext Paint(CTranslationBox& box, int width, int height)
    {
        RasterContext dc(width, height, kGrey);
        box.OnPaint(dc);
        return dc;
    }

    // White picture with the markers of `codes` at the given cells.
    static GlyphPicture Expect(int width, int height, const std::vector<std::pair<char16_t, Point>>& glyphs)
    {
        GlyphPicture picture(width, height, ColorWhite);
        for (const auto& [code, at] : glyphs)
            picture.DrawMarker(code, at.x, at.y, ColorBlack);
        return picture;
    }

    static ::testing::AssertionResult Drawn(const GlyphPicture& expected, const RasterContext& dc)
    {
        return SamePixels(expected, [&dc](int x, int y) { return dc.At(x, y); });
    }

    CGlyphFont m_font;
    CG2bTable m_table;
    uint32_t m_flag = 1;
    ScriptEnvironment m_environment;
    CPhrase m_phrase;
};

// Cells of consecutive characters on one line.
std::vector<std::pair<char16_t, Point>> Cells(const std::u16string& text, int y, int first = 0, int count = -1)
{
    std::vector<std::pair<char16_t, Point>> cells;
    const int n = count < 0 ? static_cast<int>(text.size()) - first : count;
    for (int i = 0; i < n; ++i)
        cells.push_back({text[first + i], {16 * i, y}});
    return cells;
}

std::vector<std::pair<char16_t, Point>> operator+(std::vector<std::pair<char16_t, Point>> a,
                                                 const std::vector<std::pair<char16_t, Point>>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST_F(TranslationBoxTest, ChineseLinesAndCells)
{
    // 160 x 40: P = 9.
    CTranslationBox box(Environment(VeloraProfile()));
    box.SetTranslation(&m_phrase);
    const std::u16string nine = Han(0, 9);
    const std::u16string ten = Han(0, 10);
    const std::u16string digits = Han(0, 1) + u"2" + Han(1, 1);
    const std::u16string blank = Han(0, 1) + std::u16string(1, kMissingGlyph) + Han(1, 1);
    const std::u16string digitFirst = u"1" + Han(0, 9);

    struct Case {
        const char* what;
        std::u16string text;
        std::vector<std::pair<char16_t, Point>> glyphs;
    } cases[] = {
        {"P characters on one line at y = 17", nine, Cells(nine, 17)},
        {"P + 1 characters: from y = 6, the last on the second line", ten,
         Cells(ten, 6, 0, 9) + std::vector<std::pair<char16_t, Point>>{{ten[9], {0, 22}}}},
        {"a digit between two characters is not drawn and takes no room", digits,
         {{digits[0], {0, 17}}, {digits[2], {16, 17}}}},
        {"a character without a glyph leaves a blank cell", blank,
         {{blank[0], {0, 17}}, {blank[2], {32, 17}}}},
        {"a leading digit still counts towards the break", digitFirst,
         Cells(digitFirst.substr(1), 6, 0, 8) +
             std::vector<std::pair<char16_t, Point>>{{digitFirst[9], {0, 22}}}},
    };
    for (const Case& c : cases) {
        Show(c.text);
        EXPECT_TRUE(Drawn(Expect(160, 40, c.glyphs), Paint(box, 160, 40))) << c.what;
    }
}

TEST_F(TranslationBoxTest, NothingShownIsAWhiteBox)
{
    CTranslationBox box(Environment(VeloraProfile()));
    EXPECT_TRUE(Drawn(Expect(160, 40, {}), Paint(box, 160, 40)));
}

TEST_F(TranslationBoxTest, MissingFontLeavesTheBoxWhite)
{
    CGlyphFont closed;  // the fallback names do not exist in the test's folder
    ScriptEnvironment environment = Environment(VeloraProfile());
    environment.glyphFont = &closed;
    CTranslationBox box(environment);
    Show(Han(0, 3));
    box.SetTranslation(&m_phrase);
    EXPECT_TRUE(Drawn(Expect(160, 40, {}), Paint(box, 160, 40)));
}

TEST_F(TranslationBoxTest, ToggleTapsSwitchToTraditionalCodesAndBack)
{
    const ScriptEnvironment environment = Environment(VeloraProfile());
    CTranslationBox box(environment);
    CScriptToggle toggle(environment);
    box.SetScriptToggle(&toggle);
    toggle.SetTranslationBox(&box);
    // U+4E00 and U+4E01 convert to U+4E80 and U+4E81; the comma is below the table.
    Show(Han(0, 1) + u"，" + Han(1, 1));
    box.SetTranslation(&m_phrase);

    const GlyphPicture simplified = Expect(160, 40, {{0x4E00, {0, 17}}, {0x4E01, {32, 17}}});
    const GlyphPicture traditional = Expect(160, 40, {{0x4E80, {0, 17}}, {0x4E81, {32, 17}}});
    EXPECT_TRUE(Drawn(simplified, Paint(box, 160, 40)));
    toggle.OnPenDown({3, 3});
    EXPECT_EQ(0u, m_flag);
    EXPECT_TRUE(Drawn(traditional, Paint(box, 160, 40))) << "after one tap";
    toggle.OnPenDown({3, 3});
    EXPECT_EQ(1u, m_flag);
    EXPECT_TRUE(Drawn(simplified, Paint(box, 160, 40))) << "after a second tap";
}

TEST_F(TranslationBoxTest, NoConversionWithoutAToggle)
{
    CTranslationBox box(Environment(VeloraProfile()));
    m_flag = 0;
    Show(Han(0, 2));
    box.SetTranslation(&m_phrase);
    EXPECT_TRUE(Drawn(Expect(160, 40, Cells(Han(0, 2), 17)), Paint(box, 160, 40)));
}

TEST_F(TranslationBoxTest, JapaneseLines)
{
    // 160 x 60: P = 10; digits are drawn.
    CTranslationBox box(Environment(MiravelProfile()));
    box.SetTranslation(&m_phrase);
    const std::u16string ten = Kana(10);
    const std::u16string twelve = Kana(10) + u"12";
    const std::u16string three = Kana(8) + u"10" + Kana(10) + Kana(5);

    struct Case {
        const char* what;
        int height;
        std::u16string text;
        std::vector<std::pair<char16_t, Point>> glyphs;
    } cases[] = {
        {"P characters in a box over 36 high start at 18", 60, ten, Cells(ten, 18)},
        {"P characters in a box 36 high start at 6", 36, ten, Cells(ten, 6)},
        {"P + 2 characters: two lines 21 apart, digits drawn", 60, twelve,
         Cells(twelve, 6, 0, 10) + std::vector<std::pair<char16_t, Point>>{{u'1', {0, 27}}, {u'2', {16, 27}}}},
        {"three lines from y = 2", 60, three,
         Cells(three, 2, 0, 10) + Cells(three, 23, 10, 10) + Cells(three, 44, 20, 5)},
    };
    for (const Case& c : cases) {
        Show(c.text);
        EXPECT_TRUE(Drawn(Expect(160, c.height, c.glyphs), Paint(box, 160, c.height))) << c.what;
    }
}

TEST_F(TranslationBoxTest, JapaneseKanaModeDrawsTheKanaBooksText)
{
    CPhraseBook kanaBook;
    auto* kana = new CPhrase;
    kana->id = 42;
    kana->name = String(Kana(2).c_str());
    kanaBook.GetTranslations().Append(kana);
    ScriptEnvironment environment = Environment(MiravelProfile());
    environment.kanaBook = &kanaBook;
    CTranslationBox box(environment);

    const std::u16string kanji = u"\u6f22\u5b57";
    Show(kanji);
    box.SetTranslation(&m_phrase);
    EXPECT_TRUE(Drawn(Expect(160, 60, Cells(kanji, 18)), Paint(box, 160, 60))) << "kanji mode";
    m_flag = 0;
    EXPECT_TRUE(Drawn(Expect(160, 60, Cells(Kana(2), 18)), Paint(box, 160, 60))) << "kana mode";

    m_phrase.id = 43;  // not in the kana book: the main text stays
    EXPECT_TRUE(Drawn(Expect(160, 60, Cells(kanji, 18)), Paint(box, 160, 60))) << "no kana text";
}

TEST_F(TranslationBoxTest, KoreanBoxDrawsTheTextWithItsFaceAndWordBreaks)
{
    CTranslationBox box(Environment(SerrakProfile()));
    Show(u"화장실이 어디에 있습니까?");
    box.SetTranslation(&m_phrase);
    RasterContext dc = Paint(box, 180, 52);

    EXPECT_TRUE(Drawn(Expect(180, 52, {}), dc)) << "white fill, no glyph pixels";
    ASSERT_EQ(1u, dc.TextCalls().size());
    const RasterContext::TextCall& call = dc.TextCalls()[0];
    EXPECT_EQ(RasterContext::TextCall::InRect, call.kind);
    EXPECT_TRUE(call.text.Equals(m_phrase.name));
    EXPECT_EQ((Rect{6, 4, 180, 52}), call.rect);
    EXPECT_TRUE(call.format & DT_WORDBREAK);
    EXPECT_EQ(16, call.font.GetHeight());
    EXPECT_TRUE(call.font.GetFaceName().Equals(u"koreanhm"));
    EXPECT_FALSE(call.font.IsItalic());
    EXPECT_TRUE(dc.CurrentFont().IsDefault()) << "the previous font is restored";
}

TEST_F(TranslationBoxTest, TapPlaysTheShownTranslationAndLogsIt)
{
    TempDir dir;
    ReleaseDebugLog();
    const String logPath = dir.PathOf("log.log");
    DebugLog* log = GetDebugLog(&logPath);
    ASSERT_NE(nullptr, log);
    log->m_threshold = 0;

    std::vector<std::vector<int>> played;
    ScriptEnvironment environment = Environment(VeloraProfile());
    environment.player = [&played](const int* clips, int count) { played.emplace_back(clips, clips + count); };
    CTranslationBox box(environment);

    box.OnPenDown({5, 5});
    EXPECT_TRUE(played.empty()) << "nothing shown: the tap does nothing";

    Show(u"ab");
    m_phrase.clips.Append(7);
    m_phrase.clips.Append(9);
    box.SetTranslation(&m_phrase);
    box.OnPenDown({5, 5});
    ReleaseDebugLog();

    EXPECT_EQ((std::vector<std::vector<int>>{{7, 9}}), played);
    std::ifstream in((dir.Path() / "log.log").string(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::u16string expected = u"\ufeffPlay phrase: ab\r\n";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(expected.data()), expected.size() * 2), bytes);
}
