// The edition profiles: the settings that must agree with one another for the shell to work (a
// glyph-font box needs glyph files, a phonetic line needs its table, a toggle needs samples).

#include "script/EditionProfile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Set(const char16_t* text)
{
    return text != nullptr && text[0] != 0;
}

struct Named {
    const char* name;
    const EditionProfile& profile;
};

}  // namespace

TEST(EditionProfileTest, SettingsAgreeWithEachOther)
{
    const Named editions[] = {
        {"Velora", VeloraProfile()},
        {"Miravel", MiravelProfile()},
        {"Serrak", SerrakProfile()},
    };
    for (const Named& e : editions) {
        const EditionProfile& p = e.profile;
        EXPECT_EQ(std::u16string(p.programName), std::u16string(e.name, e.name + std::char_traits<char>::length(e.name)));
        EXPECT_TRUE(Set(p.mainBookFile) && Set(p.favoritesFile) && Set(p.voiceFile)) << e.name;
        const bool glyphs = p.translation != TranslationDrawing::KoreanTrueType;
        EXPECT_EQ(glyphs, Set(p.glyphIndexFile) && Set(p.glyphDataFile)) << e.name;
        EXPECT_EQ(!glyphs, Set(p.translationFace) && p.translationFaceHeight > 0) << e.name;
        EXPECT_EQ(p.phonetic == PhoneticLine::Pinyin, Set(p.pinyinFile)) << e.name;
        EXPECT_EQ(p.phonetic == PhoneticLine::Romaji, Set(p.romajiTable) && Set(p.kanaBookFile)) << e.name;
        EXPECT_EQ(p.phonetic != PhoneticLine::None, Set(p.phoneticFace)) << e.name;
        EXPECT_EQ(p.hasScriptToggle, glyphs) << e.name;
        if (p.hasScriptToggle) {
            EXPECT_NE(p.toggleSamples.flagOne, p.toggleSamples.flagZero) << e.name;
        }
        EXPECT_EQ(p.broadcastFontChange && Set(p.fontFile), p.broadcastFontChange) << e.name;
        EXPECT_LE(p.resources.firstHelpString, p.resources.lastHelpString) << e.name;
        EXPECT_GE(p.resources.iconCount, 1) << e.name;
        EXPECT_LE(p.resources.iconCount, 3) << e.name;
    }
}

TEST(EditionProfileTest, EditionSpecificFiles)
{
    EXPECT_EQ(TranslationDrawing::ChineseGlyphs, VeloraProfile().translation);
    EXPECT_EQ(std::u16string(u"g2b.tab"), VeloraProfile().conversionTable);
    EXPECT_EQ(std::u16string(u"Velora version 3.2.1.0"), VeloraProfile().versionLogLine);
    EXPECT_EQ(TranslationDrawing::JapaneseGlyphs, MiravelProfile().translation);
    EXPECT_EQ(std::u16string(u"phenkata.dat"), MiravelProfile().kanaBookFile);
    EXPECT_EQ(nullptr, MiravelProfile().versionLogLine);
    EXPECT_EQ(std::u16string(u"koreanhm"), SerrakProfile().translationFace);
    EXPECT_EQ(nullptr, SerrakProfile().conversionTable);
}
