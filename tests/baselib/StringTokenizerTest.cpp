// StringTokenizer: never an empty token, null once the text is used up, independent passes.

#include "baselib/StringTokenizer.h"

#include "TextOf.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<std::u16string> AllTokens(StringTokenizer& tokenizer)
{
    std::vector<std::u16string> tokens;
    while (const char16_t* token = tokenizer.NextToken())
        tokens.emplace_back(token);
    return tokens;
}

TEST(StringTokenizerTest, TokensOfATable)
{
    struct {
        const char16_t* text;
        const char16_t* delimiters;
        std::vector<std::u16string> tokens;
    } cases[] = {
        {u";a;;b;", u";", {u"a", u"b"}},
        {u"", u";", {}},
        {u";;;", u";", {}},
        {u"one", u";", {u"one"}},
        {u"one", u"", {u"one"}},
        {u"a b,c", u" ,", {u"a", u"b", u"c"}},
        {u"key\tvalue\r\n", u"\t\r\n", {u"key", u"value"}},
        {u"你好，世界", u"，", {u"你好", u"世界"}},
    };
    for (const auto& c : cases) {
        StringTokenizer tokenizer(String(c.text), String(c.delimiters));
        EXPECT_EQ(AllTokens(tokenizer), c.tokens) << testing::PrintToString(std::u16string(c.text));
    }
}

TEST(StringTokenizerTest, StaysAtNullAfterTheLastToken)
{
    StringTokenizer tokenizer(String(u";a;;b;"), String(u";"));
    EXPECT_EQ(std::u16string(tokenizer.NextToken()), u"a");
    EXPECT_EQ(std::u16string(tokenizer.NextToken()), u"b");
    EXPECT_EQ(tokenizer.NextToken(), nullptr);
    EXPECT_EQ(tokenizer.NextToken(), nullptr);
}

TEST(StringTokenizerTest, WorksOnItsOwnCopyOfTheText)
{
    String text(u"a,b");
    StringTokenizer tokenizer(text, String(u","));
    text.SetAt(0, u'z');
    const char16_t* first = tokenizer.NextToken();
    EXPECT_EQ(std::u16string(first), u"a");
    EXPECT_EQ(TextOf(text), u"z,b");  // the caller's text is not cut up
    EXPECT_EQ(std::u16string(tokenizer.NextToken()), u"b");
    EXPECT_EQ(std::u16string(first), u"a");  // earlier tokens stay valid
}

TEST(StringTokenizerTest, InterleavedPassesDoNotDisturbEachOther)
{
    StringTokenizer outer(String(u"a b c"), String(u" "));
    StringTokenizer inner(String(u"1,2"), String(u","));
    EXPECT_EQ(std::u16string(outer.NextToken()), u"a");
    EXPECT_EQ(std::u16string(inner.NextToken()), u"1");
    EXPECT_EQ(std::u16string(outer.NextToken()), u"b");
    EXPECT_EQ(std::u16string(inner.NextToken()), u"2");
    EXPECT_EQ(std::u16string(outer.NextToken()), u"c");
    EXPECT_EQ(inner.NextToken(), nullptr);
    EXPECT_EQ(outer.NextToken(), nullptr);
}

}  // namespace
