// Template phrases: display texts, the concrete phrase a choice of words selects,
// wildcards built from value strings, and the hit test of the word picker.

#include <gtest/gtest.h>

#include <memory>

#include "BookBuilder.h"
#include "phrasebook/PhraseBook.h"
#include "phrasebook/TemplateText.h"

using namespace book_test;

namespace {

std::unique_ptr<CPhrase> Template(const char16_t* name, std::vector<const char16_t*> valueStrings,
                                  std::vector<MapRow> maps = {})
{
    return std::unique_ptr<CPhrase>(MakeTemplate(1, 1, name, std::move(valueStrings), std::move(maps)));
}

}  // namespace

TEST(PhraseTemplateTest, DisplayTextPutsTheCurrentWordsInBrackets)
{
    struct Case
    {
        const char* what;
        const char16_t* name;
        std::vector<const char16_t*> values;
        std::u16string expected;
    };
    const Case cases[] = {
        {"two markers", u"Do you have $W1 in $W2?", {u"this|that", u"red|blue"}, u"Do you have [this] in [red]?"},
        {"a marker used twice", u"$W1, $W2 and $W1 again", {u"tea", u"milk"}, u"[tea], [milk] and [tea] again"},
        {"markers out of order", u"$W2 before $W1", {u"x", u"y"}, u"[y] before [x]"},
        {"a marker without a wildcard stays", u"$W1 and $W3", {u"a", u"b"}, u"[a] and $W3"},
        {"a wildcard without a marker changes nothing", u"Only $W1", {u"a", u"b"}, u"Only [a]"},
        {"no wildcards at all", u"Plain $W1", {}, u"Plain $W1"},
        {"a longer digit run is another marker", u"$W12 and $W1", {u"a", u"b"}, u"$W12 and [a]"},
        {"a leading zero is no marker", u"$W01", {u"a"}, u"$W01"},
        {"an unfinished marker", u"cost $W or $", {u"a"}, u"cost $W or $"},
        {"a word that holds a marker is not expanded again", u"<$W1>", {u"$W1"}, u"<[$W1]>"},
        {"adjacent markers", u"$W1$W2", {u"a", u"b"}, u"[a][b]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(U(Template(c.name, c.values)->GetDisplayText()), c.expected);
    }
}

TEST(PhraseTemplateTest, TenthMarkerShowsTheTenthWord)
{
    auto phrase = Template(u"$W1 $W2 $W9 $W10 $W11",
                           {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k"});
    EXPECT_EQ(U(phrase->GetDisplayText()), u"[a] [b] [i] [j] [k]");
}

TEST(PhraseTemplateTest, AtomicPhraseShowsItsNameAsItIs)
{
    auto phrase = Template(u"Costs $W1", {u"a"});
    phrase->atomic = true;
    EXPECT_EQ(U(phrase->GetDisplayText()), u"Costs $W1");
    EXPECT_EQ(phrase->GetConcreteId(), -1);
    EXPECT_EQ(phrase->GetWildCardCount(), 0);
}

TEST(PhraseTemplateTest, ConcreteIdFollowsTheCurrentValues)
{
    struct Case
    {
        const char* what;
        std::vector<const char16_t*> values;
        std::vector<MapRow> maps;
        std::vector<int> choices;  // SetCurrentValueIndex per wildcard
        int expected;
    };
    const Case cases[] = {
        {"first combination", {u"tea|coffee", u"hot|cold"}, {{11, {u"tea", u"hot"}}, {12, {u"coffee", u"cold"}}}, {0, 0}, 11},
        {"another combination", {u"tea|coffee", u"hot|cold"}, {{11, {u"tea", u"hot"}}, {12, {u"coffee", u"cold"}}}, {1, 1}, 12},
        {"a combination without a map", {u"tea|coffee", u"hot|cold"}, {{11, {u"tea", u"hot"}}, {12, {u"coffee", u"cold"}}}, {1, 0}, -1},
        {"two maps of one combination: the first", {u"tea"}, {{21, {u"tea"}}, {22, {u"tea"}}}, {0}, 21},
        {"a map with fewer wildcards never matches", {u"tea", u"hot"}, {{31, {u"tea"}}, {32, {u"tea", u"hot"}}}, {0, 0}, 32},
        {"a map with more wildcards never matches", {u"tea"}, {{41, {u"tea", u"x"}}}, {0}, -1},
        {"values compare case-sensitively", {u"tea"}, {{51, {u"Tea"}}}, {0}, -1},
        {"no wildcards match a map without wildcards", {}, {{61, {}}}, {}, 61},
        {"no maps", {u"tea"}, {}, {0}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto phrase = Template(u"$W1 $W2", c.values, c.maps);
        for (size_t i = 0; i < c.choices.size(); ++i)
            phrase->GetWildCardAt((int)i)->SetCurrentValueIndex(c.choices[i]);
        EXPECT_EQ(phrase->GetConcreteId(), c.expected);
    }
}

TEST(PhraseTemplateTest, ConcretePhraseIsLookedUpInTheGivenBook)
{
    CPhraseBook book;
    book.GetPhrases().Append(MakePhrase(11, 1, u"I'd like tea."));
    CPhrase* phrase = MakeTemplate(10, 1, u"I'd like $W1.", {u"tea|milk"}, {{11, {u"tea"}}, {12, {u"milk"}}});
    book.GetPhrases().Append(phrase);

    ASSERT_NE(phrase->GetConcretePhrase(book), nullptr);
    EXPECT_EQ(U(phrase->GetConcretePhrase(book)->name), u"I'd like tea.");
    phrase->GetWildCardAt(0)->SetCurrentValueIndex(1);  // map to 12, which the book lacks
    EXPECT_EQ(phrase->GetConcretePhrase(book), nullptr);
    phrase->maps.RemoveAll();
    EXPECT_EQ(phrase->GetConcreteId(), -1);
    EXPECT_EQ(phrase->GetConcretePhrase(book), nullptr);
}

TEST(WildCardTest, ConstructedFromAValueString)
{
    struct Case
    {
        const char16_t* valueString;
        std::vector<std::u16string> values;
        int longest;
    };
    const Case cases[] = {
        {u"tea|coffee|milk", {u"tea", u"coffee", u"milk"}, 1},
        {u"ab|cd", {u"ab", u"cd"}, 0},  // the first of equal length
        {u"||a||bb|", {u"a", u"bb"}, 1},  // empty words are skipped
        {u"", {}, 0},
        {u"single", {u"single"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(ToAnsiString(c.valueString)));
        CWildCard wildcard(u"W1", c.valueString);
        EXPECT_EQ(U(wildcard.AttrName), u"W1");
        EXPECT_EQ(U(wildcard.value), c.valueString);
        std::vector<std::u16string> values;
        for (int i = 0; i < wildcard.GetValueCount(); ++i)
            values.push_back(U(wildcard.GetValueAt(i)));
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(wildcard.current_index, 0);
        EXPECT_EQ(wildcard.longest_index, c.longest);
    }
}

TEST(WildCardTest, CurrentValueIndexStaysInsideTheValues)
{
    CWildCard wildcard(u"W1", u"tea|coffee|milk");
    EXPECT_EQ(U(wildcard.GetLongestValue()), u"coffee");
    for (int ignored : {3, -1, 100}) {
        wildcard.SetCurrentValueIndex(ignored);
        EXPECT_EQ(wildcard.current_index, 0) << ignored;
    }
    wildcard.SetCurrentValueIndex(2);
    EXPECT_EQ(U(wildcard.GetCurrentValue()), u"milk");

    // Indexes read from a damaged file give the empty text rather than a read past the list.
    wildcard.current_index = 7;
    wildcard.longest_index = -2;
    EXPECT_EQ(U(wildcard.GetCurrentValue()), u"");
    EXPECT_EQ(U(wildcard.GetLongestValue()), u"");
}

TEST(WildCardTest, ToStringFormsOfWildCardsRulesAndMaps)
{
    CWildCard wildcard(u"drink", u"tea|milk");
    wildcard.SetCurrentValueIndex(1);
    EXPECT_EQ(U(wildcard.ToString()), u"[CWildCard] AttrName=drink, value=tea|milk. Current value index is: 1");

    CRule rule;
    rule.pid = 4;
    rule.name = u"order";
    EXPECT_EQ(U(rule.ToString()), u"<rule pid=\"4\" name=\"order\" />");
    rule.wildcards.Append(new CWildCard(u"W1", u"tea|milk"));
    rule.wildcards.Append(new CWildCard(u"W2", u"hot"));
    EXPECT_EQ(U(rule.ToString()), u"<rule pid=\"4\" name=\"order\" W1=\"tea|milk\" W2=\"hot\" />");

    CMap map;
    map.id = 8;
    map.pid = 41;
    map.wildcards.Append(new CWildCard(u"W1", u"tea"));
    EXPECT_EQ(U(map.ToString()), u"<map id=\"8\" pid=\"41\" W1=\"tea\" />");
}

namespace {

// Ten pixels per unit, so positions read off directly.
int TenPerUnit(const String& text) { return 10 * text.GetLength(); }

}  // namespace

TEST(WildCardHitTest, TapsOnTheBracketedWords)
{
    // "Do you have [this] in [red]?": [this] covers units 12 to 18, [red] 22 to 27.
    auto phrase = Template(u"Do you have $W1 in $W2?", {u"this|that", u"red|blue"});
    struct Case
    {
        int x;
        int wildcard;
    };
    const Case cases[] = {{0, -1}, {119, -1}, {120, 0}, {150, 0}, {180, 0}, {181, -1},
                          {219, -1}, {220, 1}, {270, 1}, {271, -1}, {1000, -1}};
    for (const Case& c : cases) {
        WildCardHit hit{};
        EXPECT_EQ(HitTestWildCard(*phrase, c.x, TenPerUnit, &hit), c.wildcard) << "x = " << c.x;
    }
    WildCardHit hit{};
    ASSERT_EQ(HitTestWildCard(*phrase, 230, TenPerUnit, &hit), 1);
    EXPECT_EQ(hit.span.first, 22);
    EXPECT_EQ(hit.span.length, 5);
    EXPECT_EQ(hit.left, 220);
    EXPECT_EQ(hit.right, 270);
}

TEST(WildCardHitTest, SpansFollowTheWordsWhereverTheMarkersStand)
{
    struct Case
    {
        const char* what;
        const char16_t* name;
        std::vector<const char16_t*> values;
        int x;
        int wildcard;
    };
    const Case cases[] = {
        // "[yy] and [x]": the second wildcard's word comes first.
        {"markers out of order, tap on the first word", u"$W2 and $W1", {u"x", u"yy"}, 20, 1},
        {"markers out of order, tap on the last word", u"$W2 and $W1", {u"x", u"yy"}, 100, 0},
        // "[a] [a] [b]": the first use of a repeated marker is its span.
        {"a repeated marker, first use", u"$W1 $W1 $W2", {u"a", u"b"}, 10, 0},
        {"a repeated marker, second use", u"$W1 $W1 $W2", {u"a", u"b"}, 50, -1},
        {"a repeated marker, the word after it", u"$W1 $W1 $W2", {u"a", u"b"}, 90, 1},
        // "[a][b]": the shared edge belongs to the first wildcard.
        {"adjacent words share an edge", u"$W1$W2", {u"a", u"b"}, 30, 0},
        {"adjacent words, inside the second", u"$W1$W2", {u"a", u"b"}, 31, 1},
        {"a marker without a wildcard is plain text", u"$W3 $W1", {u"a"}, 10, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(HitTestWildCard(*Template(c.name, c.values), c.x, TenPerUnit, nullptr), c.wildcard);
    }
}

TEST(WildCardHitTest, MeasuresWithTheGivenFont)
{
    // A proportional measure: brackets 2 px, other units 7 px.
    auto measure = [](const String& text) {
        int width = 0;
        for (int i = 0; i < text.GetLength(); ++i)
            width += (text[i] == u'[' || text[i] == u']') ? 2 : 7;
        return width;
    };
    auto phrase = Template(u"Hi $W1", {u"you"});  // "Hi [you]": the word spans 21 to 44
    WildCardHit hit{};
    EXPECT_EQ(HitTestWildCard(*phrase, 20, measure, &hit), -1);
    ASSERT_EQ(HitTestWildCard(*phrase, 21, measure, &hit), 0);
    EXPECT_EQ(hit.left, 21);
    EXPECT_EQ(hit.right, 21 + 2 + 21 + 2);
}

TEST(WildCardHitTest, AtomicPhraseHasNoWords)
{
    auto phrase = Template(u"[not a word] $W1", {u"a"});
    phrase->atomic = true;
    EXPECT_EQ(HitTestWildCard(*phrase, 10, TenPerUnit, nullptr), -1);
}
