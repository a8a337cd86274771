#include "script/EditionProfile.h"
#include "script/JapaneseKoreanResources.h"

// The Japanese edition.
const EditionProfile& MiravelProfile()
{
    static const EditionProfile profile{
        .programName = u"Miravel",
        .aboutTitle = u"Miravel Phrase Book",
        .aboutVersion = u"V3.2.5",
        .mainBookFile = u"phenjp.dat",
        .kanaBookFile = u"phenkata.dat",
        .favoritesFile = u"favorites.dat",
        .voiceFile = u"voice.dat",
        .glyphIndexFile = u"jp.idx",
        .glyphDataFile = u"jp.fon",
        .fontFile = nullptr,
        .broadcastFontChange = false,
        .translation = TranslationDrawing::JapaneseGlyphs,
        .translationFace = nullptr,
        .translationFaceHeight = 0,
        .phonetic = PhoneticLine::Romaji,
        .pinyinFile = nullptr,
        // The romaji line is drawn by the same box as the PinYin line, in the same face.
        .phoneticFace = u"Courier New",
        .phoneticFaceHeight = 16,
        .conversionTable = nullptr,
        .romajiTable = u"Romaji.tab",
        .hasScriptToggle = true,
        .toggleSamples = {0x6F22, 0x3042},
        .versionLogLine = nullptr,
        .fileVersion = u"3.1.0.0",
        .productVersion = u"3.1.0.0",
        .fileVersionNumber = u"3.1.0.0",
        .resources = JapaneseKoreanResources({128, 139, 160}),
    };
    return profile;
}
