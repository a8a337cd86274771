#include "script/EditionProfile.h"
#include "script/JapaneseKoreanResources.h"

// The Korean edition.
const EditionProfile& SerrakProfile()
{
    static const EditionProfile profile{
        .programName = u"Serrak",
        .aboutTitle = u"Serrak Phrase Book",
        .aboutVersion = u"V3.2.5",
        .mainBookFile = u"phrases.dat",
        .kanaBookFile = nullptr,
        .favoritesFile = u"favorites.dat",
        .voiceFile = u"voice.dat",
        .glyphIndexFile = nullptr,
        .glyphDataFile = nullptr,
        .fontFile = u"hmkmsr.ttf",
        .broadcastFontChange = false,
        .translation = TranslationDrawing::KoreanTrueType,
        .translationFace = u"koreanhm",
        .translationFaceHeight = 16,
        .phonetic = PhoneticLine::None,
        .pinyinFile = nullptr,
        .phoneticFace = nullptr,
        .phoneticFaceHeight = 0,
        .conversionTable = nullptr,
        .romajiTable = nullptr,
        .hasScriptToggle = false,
        .toggleSamples = {0, 0},
        .versionLogLine = nullptr,
        .fileVersion = u"3.0.0.0",
        .productVersion = u"3.0.0.0",
        .fileVersionNumber = u"3.0.0.0",
        .resources = JapaneseKoreanResources({128, 139}),
    };
    return profile;
}
