#include "script/EditionProfile.h"

// The Chinese edition.
const EditionProfile& VeloraProfile()
{
    static const EditionProfile profile{
        .programName = u"Velora",
        .aboutTitle = u"Velora Talking Phrase Book",
        .aboutVersion = u"V3.2.5",
        .mainBookFile = u"phrases.dat",
        .kanaBookFile = nullptr,
        .favoritesFile = u"favorites.dat",
        .voiceFile = u"voice.dat",
        .glyphIndexFile = u"ch.idx",
        .glyphDataFile = u"ch.fon",
        .fontFile = u"COUR.TTF",
        .broadcastFontChange = true,
        .translation = TranslationDrawing::ChineseGlyphs,
        .translationFace = nullptr,
        .translationFaceHeight = 0,
        .phonetic = PhoneticLine::Pinyin,
        .pinyinFile = u"py_pool.dat",
        .phoneticFace = u"Courier New",
        .phoneticFaceHeight = 16,
        .conversionTable = u"g2b.tab",
        .romajiTable = nullptr,
        .hasScriptToggle = true,
        .toggleSamples = {0x7B80, 0x7E41},
        .versionLogLine = u"Velora version 3.2.1.0",
        .fileVersion = u"3.0",
        .productVersion = u"3.0",
        .fileVersionNumber = u"3.0.2.3",
        .resources = {
            .categoryMenus = {158, 159},
            .commandBarStrings = {32788, 32860},
            .helpDialog = 168,
            .firstHelpString = 32861,
            .lastHelpString = 32871,
            .inlineIcons = {160, 161, 162, 164, 165, 167},
            .icons = {128, 139, 0},
            .iconCount = 2,
        },
    };
    return profile;
}
