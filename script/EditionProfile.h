#pragma once
// EditionProfile: everything that differs between the three programs, as one value per edition.
// The shell asks the profile instead of testing build switches. Each program's entry module calls
// exactly one of VeloraProfile(), MiravelProfile(), SerrakProfile(); they live in separate object
// files of a static library, so a program links only the profile it names.
//
// Text members are zero-terminated UTF-16 literals; a null pointer means "this edition has none".

#include <cstdint>

// How the translation box draws the translation text.
enum class TranslationDrawing {
    ChineseGlyphs,    // glyph font, one line break, digits skipped, traditional codes on demand
    JapaneseGlyphs,   // glyph font, up to three lines, kana text from the second book on demand
    KoreanTrueType,   // TrueType face with word breaks
};

// What the line between the phrase list and the translation box shows.
enum class PhoneticLine {
    None,
    Pinyin,   // from the PinYin table
    Romaji,   // from the kana book through the romaji table
};

// The two sample characters of the script toggle: for ScriptFlag 1 and for ScriptFlag 0.
struct ScriptToggleSamples {
    char16_t flagOne;
    char16_t flagZero;
};

// Resource numbers the shell loads per edition.
struct EditionResources {
    int categoryMenus[2];        // also the identifiers of the two command bar definitions
    int commandBarStrings[2];    // the button strings "Category" and "Tools"
    int helpDialog;
    int firstHelpString;         // help page text strings, first .. last inclusive
    int lastHelpString;
    int inlineIcons[6];          // small 16 x 15 bitmaps of the help page
    int icons[3];                // icon groups; iconCount of them are used
    int iconCount;
};

struct EditionProfile {
    const char16_t* programName;          // "Velora", "Miravel", "Serrak"
    const char16_t* aboutTitle;           // title of the about box
    const char16_t* aboutVersion;         // version text of the about box

    const char16_t* mainBookFile;
    const char16_t* kanaBookFile;         // the second phrase book (Japanese), else null
    const char16_t* favoritesFile;        // loaded with each phrase book
    const char16_t* voiceFile;

    const char16_t* glyphIndexFile;       // glyph font opened at start, else null
    const char16_t* glyphDataFile;
    const char16_t* fontFile;             // TrueType file added at start, removed at exit, else null
    bool broadcastFontChange;             // announce the font change to all top-level windows

    TranslationDrawing translation;
    const char16_t* translationFace;      // TrueType face of the translation box, else null
    int translationFaceHeight;

    PhoneticLine phonetic;
    const char16_t* pinyinFile;           // PinYin table, else null
    const char16_t* phoneticFace;         // face of the phonetic line (PinYin box), else null
    int phoneticFaceHeight;

    const char16_t* conversionTable;      // simplified-to-traditional table, else null
    const char16_t* romajiTable;          // kana-to-romaji table, else null

    bool hasScriptToggle;
    ScriptToggleSamples toggleSamples;    // meaningful only with a toggle

    const char16_t* versionLogLine;       // written to the debug log at start, else null
    const char16_t* fileVersion;          // version resource: file version text
    const char16_t* productVersion;       // version resource: product version text
    const char16_t* fileVersionNumber;    // version resource: the four-part file version number

    EditionResources resources;
};

const EditionProfile& VeloraProfile();
const EditionProfile& MiravelProfile();
const EditionProfile& SerrakProfile();
