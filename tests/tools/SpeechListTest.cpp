// What the voice builder is asked to speak for Japanese: the kana reading with the particles
// は and へ written as they sound, found by lining the reading up with the Japanese text.

#include <gtest/gtest.h>

#include "tools/phrasetools/SpeechList.h"
#include "tools/phrasetools/Utf.h"

TEST(SpeechListTest, ParticlesAreSpokenAsTheySound)
{
    struct Case {
        std::u16string ja;
        std::u16string kana;
        std::u16string spoken;
    };
    const Case cases[] = {
        {u"こんにちは。", u"こんにちは。", u"こんにちわ。"},
        {u"駅はどこですか？", u"えきはどこですか？", u"えきわどこですか？"},
        {u"トイレはどこですか？", u"といれはどこですか？", u"といれはどこですか？"},   // does not line up: as it is
        {u"トイレはどこですか？", u"トイレはどこですか？", u"トイレわどこですか？"},
        {u"わたしは学生です。", u"わたしはがくせいです。", u"わたしわがくせいです。"},
        {u"東京へ行きます。", u"とうきょうへいきます。", u"とうきょうえいきます。"},
        {u"空港へはどう行けばいいですか？", u"くうこうへはどういけばいいですか？", u"くうこうえわどういけばいいですか？"},
        {u"ここでは写真を撮れません。", u"ここではしゃしんをとれません。", u"ここでわしゃしんをとれません。"},
        {u"はい。", u"はい。", u"はい。"},                                               // not a particle
        {u"お腹が痛いです。", u"おなかがいたいです。", u"おなかがいたいです。"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf::Encode(SpokenKana(c.ja, c.kana)), Utf::Encode(c.spoken)) << Utf::Encode(c.ja);
}
