// The phrase source reader: syntax faults are reported with their line, and templates are
// joined to their concrete records (what a concrete phrase takes from its template, and the
// combinations that are missing or unknown).

#include <gtest/gtest.h>

#include "tools/phrasetools/PhraseSource.h"
#include "tools/phrasetools/Utf.h"

namespace {

struct Parsed {
    PhraseSources sources;
    std::vector<SourceError> errors;
};

Parsed Parse(const std::string& text)
{
    Parsed parsed;
    ParseFile("test.txt", text, parsed.sources, parsed.errors);
    Resolve(parsed.sources, parsed.errors);
    return parsed;
}

std::string AllErrors(const Parsed& parsed)
{
    std::string out;
    for (const SourceError& error : parsed.errors)
        out += FormatError(error) + "\n";
    return out;
}

const char* const kTemplate =
    "major: Food\n"
    "sub: At restaurant\n"
    "\n"
    "@3100\n"
    "en: I would like $W1 with $W2.\n"
    "W1: coffee|tea\n"
    "W2: milk|sugar\n"
    "related: 3200\n"
    "tip-zh: Tea is free.\n"
    "\n";

std::string Concrete(int id, const std::string& words)
{
    return "@" + std::to_string(id) + " = " + words + "\nzh: 咖啡。\npy: kā fēi\nja: コーヒー。\nkana: こーひー。\nko: 커피.\n\n";
}

}  // namespace

TEST(PhraseSourceTest, ReadsCategoriesAndPhraseFields)
{
    Parsed parsed = Parse(
        "\xEF\xBB\xBF# comment after a byte-order mark\r\n"
        "major: Basic\n"
        "\n"
        "@1000\n"
        "en: Yes.\n"
        "zh: 是。\n"
        "py: shì\n"
        "ja: はい。\n"
        "kana: はい。\n"
        "ko: 네.\n"
        "related: 1001 1002\n"
        "hidden: yes\n"
        "\n"
        "sub: Greetings\n"
        "\n"
        "@1001\n"
        "en: Hello.\n");
    ASSERT_EQ(AllErrors(parsed), "");
    ASSERT_EQ(parsed.sources.categories.size(), 2u);
    EXPECT_EQ(parsed.sources.categories[0].parent, -1);
    EXPECT_EQ(parsed.sources.categories[1].parent, 0);
    ASSERT_EQ(parsed.sources.phrases.size(), 2u);
    const SourcePhrase& yes = parsed.sources.phrases[0];
    EXPECT_EQ(yes.id, 1000);
    EXPECT_EQ(yes.category, 0);   // filed under the major: it comes before any "sub:"
    EXPECT_EQ(yes.zh, u"是。");
    EXPECT_EQ(yes.related, (std::vector<int>{1001, 1002}));
    EXPECT_TRUE(yes.hidden);
    EXPECT_EQ(parsed.sources.phrases[1].category, 1);
}

TEST(PhraseSourceTest, ReportsMalformedLinesWithTheirLine)
{
    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"@1\nen: x\n", 1, "before the file's \"major:\""},
        {"major: A\n\n@12a\nen: x\n", 3, "decimal number"},
        {"major: A\n\n@1\nen: x\nen: y\n", 5, "given twice"},
        {"major: A\n\n@1\nen: x\ncolour: red\n", 5, "unknown key"},
        {"major: A\n\n@1\nen: x\nrelated: 2 three\n", 5, "\"three\" is not a decimal number"},
        {"major: A\n\n@1\nen: x\nhidden: maybe\n", 5, "\"yes\" or \"no\""},
        {"major: A\nen: x\n", 2, "outside a phrase record"},
        {"major: A\n\n@1\nen: x\nsub: B\n", 5, "inside a phrase record"},
        {"major: A\nmajor: B\n", 2, "a second \"major:\""},
        {"major: A\n\n@1\nen: \xff\n", 4, "not valid UTF-8"},
        {"major: A\n\n@1\njust words\n", 4, "expected \"key: value\""},
        {"major: A\n\n@1\nzh: 是\n", 3, "has no \"en:\" line"},
        {"major: A\n\n@1 = tea\nen: x\n", 3, "without a template before it"},
        {"sub: A\n", 1, "before the file's \"major:\""},
    };
    for (const Case& c : cases) {
        Parsed parsed = Parse(c.text);
        std::string all = AllErrors(parsed);
        std::string expected = "test.txt:" + std::to_string(c.line) + ": ";
        EXPECT_NE(all.find(expected), std::string::npos) << c.text << "\n" << all;
        EXPECT_NE(all.find(c.message), std::string::npos) << c.text << "\n" << all;
    }
}

TEST(PhraseSourceTest, ConcretePhrasesTakeWhatTheirTemplateGives)
{
    Parsed parsed = Parse(std::string(kTemplate) + Concrete(3101, "coffee | milk") + Concrete(3102, "coffee | sugar") +
                          Concrete(3103, "tea | milk") + "@3104 = tea | sugar\nen: Tea with sugar, please.\n\n");
    ASSERT_EQ(AllErrors(parsed), "");
    const SourcePhrase* concrete = parsed.sources.Find(3101);
    ASSERT_NE(concrete, nullptr);
    EXPECT_EQ(concrete->templateId, 3100);
    EXPECT_EQ(concrete->en, u"I would like coffee with milk.");
    EXPECT_EQ(concrete->category, parsed.sources.Find(3100)->category);
    EXPECT_TRUE(concrete->hidden);
    EXPECT_EQ(concrete->related, (std::vector<int>{3200}));
    EXPECT_EQ(concrete->tipZh, u"Tea is free.");
    EXPECT_EQ(parsed.sources.Find(3104)->en, u"Tea with sugar, please.");   // its own en: wins
}

// The programs replace $W1 before $W10, so a tenth slot would show as the first word and a 0.
TEST(PhraseSourceTest, TemplatesHoldAtMostNineSlots)
{
    std::string text = "major: A\n\n@1\nen: $W1 $W2 $W3 $W4 $W5 $W6 $W7 $W8 $W9 $W10\n";
    for (int slot = 1; slot <= 10; ++slot)
        text += "W" + std::to_string(slot) + ": w" + std::to_string(slot) + "\n";
    text += "\n@2 = w1|w2|w3|w4|w5|w6|w7|w8|w9|w10\n\n";
    std::string all = AllErrors(Parse(text));
    EXPECT_NE(all.find("at most nine slots"), std::string::npos) << all;
}

TEST(PhraseSourceTest, ReportsTemplateFaults)
{
    struct Case {
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {std::string(kTemplate) + Concrete(3101, "coffee | milk") + Concrete(3102, "coffee | sugar") +
             Concrete(3103, "tea | milk"),
         "no concrete record for \"tea | sugar\""},
        {std::string(kTemplate) + Concrete(3101, "coffee"), "1 words for the 2 slots"},
        {std::string(kTemplate) + Concrete(3101, "Coffee | milk"), "\"Coffee\" is not a word of W1"},
        {std::string(kTemplate) + Concrete(3101, "coffee | milk") + Concrete(3102, "coffee | milk"),
         "already given"},
        {"major: A\n\n@1\nen: a $W1 b $W2\nW1: x\n\n@2 = x\n\n", "marker $W2 has no W2 line"},
        {"major: A\n\n@1\nen: no marker\nW1: x\n\n@2 = x\n\n", "slot W1 has no marker"},
        {"major: A\n\n@1\nen: $W1\nW2: x\n", "out of order"},
        {"major: A\n\n@1\nen: $W1\nW1: a||b\n", "empty word"},
        {"major: A\n\n@1\nen: $W1\nW1: $W1x\n\n@2 = $W1x\n\n", "holds a marker"},
        {"major: A\n\n@1\nen: $W1\nW1: x\nzh: 是\n\n@2 = x\n\n", "no translation lines of its own"},
    };
    for (const Case& c : cases) {
        std::string all = AllErrors(Parse(c.text));
        EXPECT_NE(all.find(c.message), std::string::npos) << c.text << "\n" << all;
    }
}

TEST(PhraseSourceTest, Utf8DecodingRejectsWhatIsNotUtf8)
{
    std::u16string out;
    EXPECT_TRUE(Utf::Decode("A\xe4\xbd\xa0\xf0\x9f\x98\x80", out));
    EXPECT_EQ(out, (std::u16string{u'A', 0x4F60, 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf::Encode(out), "A\xe4\xbd\xa0\xf0\x9f\x98\x80");
    for (const char* bad : {"\xc0\x80", "\xe4\xbd", "\xed\xa0\x80", "\x80", "\xf8\x88\x80\x80\x80"})
        EXPECT_FALSE(Utf::Decode(bad, out)) << bad;
}
