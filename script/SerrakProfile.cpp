#include "script/EditionProfile.h"

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
        .resources = {
            .categoryMenus = {161, 162},
            .commandBarStrings = {32791, 32858},
            .helpDialog = 155,
            .firstHelpString = 1,
            .lastHelpString = 7,
            .inlineIcons = {164, 165, 166, 167, 168, 169},
            .icons = {128, 139, 0},
            .iconCount = 2,
        },
    };
    return profile;
}
