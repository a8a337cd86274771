#include "editions/miravel/MiravelEdition.h"

#include "editions/common/CommonResources.h"
#include "editions/common/EmbeddedArt.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Resources.h"
#include "script/EditionProfile.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"

#include <cstddef>

extern const unsigned char kArt_miravel_logo[];
extern const std::size_t kArt_miravel_logo_size;

namespace {

const ControlTemplate kMainScreenControls[] = {
    {IDC_CATEGORY_PICTURE, ControlKind::Picture, nullptr, 0, 0, 0, 147, 165},
};
const DialogTemplate kMainScreen = {IDD_MAIN_SCREEN, u"Miravel Phrase Book", u"System", 8, 147, 165,
                                    kMainScreenControls};

const ControlTemplate kBrowserControls[] = {
    {IDC_SUB_CATEGORY_LABEL, ControlKind::Static, u"Sub Category:", 0, 4, 1, 48, 11},
    {IDC_SUB_CATEGORY, ControlKind::ComboBox, nullptr, 0, 58, 1, 75, 105},
    {IDC_PHRASE_LIST, ControlKind::ListBox, nullptr, StyleVerticalScroll | StyleHorizontalScroll, 4, 16, 129, 47},
    {IDC_PHONETIC_LINE, ControlKind::Static, nullptr, 0, 4, 66, 129, 24},
    {IDC_FRAME_OR_GROUP_A, ControlKind::Static, nullptr, StyleSunken, 4, 93, 129, 46},
    {IDC_TRANSLATION_BOX, ControlKind::Static, nullptr, 0, 20, 94, 111, 44},
    {IDOK, ControlKind::PushButton, u"&Back", 0, 35, 140, 50, 13},
    {IDC_SCRIPT_TOGGLE, ControlKind::Static, nullptr, StyleSunken, 102, 140, 11, 11},
};
const DialogTemplate kBrowser = {IDD_PHRASE_BROWSER, u"Miravel Phrase Book", u"System", 8, 147, 165, kBrowserControls};

const ControlTemplate kRelatedControls[] = {
    {IDC_FRAME_OR_GROUP_B, ControlKind::GroupBox, u"Your phrase", 0, 5, 3, 129, 28},
    {IDC_RELATED_SOURCE_TEXT, ControlKind::Static, nullptr, 0, 10, 11, 120, 19},
    {IDC_RELATED_LABEL, ControlKind::Static, u"Related phrases", 0, 9, 33, 54, 8},
    {IDC_PHRASE_LIST, ControlKind::ListBox, nullptr, StyleVerticalScroll | StyleHorizontalScroll, 5, 45, 129, 54},
    {IDC_FRAME_OR_GROUP_A, ControlKind::Static, nullptr, StyleSunken, 5, 104, 129, 46},
    {IDC_TRANSLATION_BOX, ControlKind::Static, nullptr, 0, 20, 105, 113, 44},
};
const DialogTemplate kRelated = {IDD_RELATED, u"Related", u"System", 10, 141, 157, kRelatedControls};

const ControlTemplate kAboutControls[] = {
    {IDC_ABOUT_LOGO, ControlKind::Picture, nullptr, 0, 17, 18, 100, 24},
    {IDC_STATIC, ControlKind::Static,
     u"Miravel\nTalking Phrase Book\nV3.2.5\nOstrelSoft Software\nwww.ostrelsoft.example\nsupport@ostrelsoft.example",
     StyleCentered, 5, 50, 124, 72},
    {IDOK, ControlKind::PushButton, u"OK", StyleDefaultButton, 42, 128, 50, 14},
};
const DialogTemplate kAbout = {IDD_ABOUT, u"Miravel Phrase Book", u"System", 10, 135, 147, kAboutControls};

const DialogTemplate kHelp = {155, u"Help", u"System", 10, 109, 116, {}};

const int kHelpPage[] = {1, 2, 3, 4, 6};

const HelpImage kHelpImages[] = {
    {u"logo", IDB_LOGO},    {u"speaker", IDB_SPEAKER}, {u"favadd", 164},
    {u"favdel", 165},       {u"related", 168},         {u"search", 169},
};

const char16_t kHelpWelcome[] =
    u"<p><img src=\"logo\"></p>"
    u"<p><font face=\"Verdana\"><b>Miravel Talking Phrase Book</b></font></p>"
    u"<p><font face=\"Verdana\">Welcome! Miravel helps you say what you need in Japanese, "
    u"wherever you travel. Highlights:</font></p>"
    u"<ul><li>More than a thousand everyday phrases in ten categories</li>"
    u"<li>Every phrase in kanji or in kana</li>"
    u"<li>A romaji reading under each phrase</li>"
    u"<li>Native speech for every phrase</li>"
    u"<li>Your own favorites, related phrases, key word search and travel tips</li></ul>";
const char16_t kHelpBrowsing[] =
    u"<p><font face=\"Verdana\"><b>Browsing phrases</b><br>"
    u"Tap an icon of the main menu to open its category. Pick a sub category from the drop-down "
    u"list at the top, then tap a phrase: its translation appears in the box below, with its "
    u"reading in romaji above it. The small yellow button under the box switches between kanji "
    u"and kana. A word in square brackets can be changed: tap it and choose another.</font></p>";
const char16_t kHelpVoice[] =
    u"<p><font face=\"Verdana\"><b>Voice</b><br>"
    u"Tap the speaker <img src=\"speaker\">, or the translation itself, to hear the phrase "
    u"spoken by a native speaker.</font></p>";
const char16_t kHelpFavoritesRelatedSearch[] =
    u"<p><font face=\"Verdana\"><b>Favorites</b><br>"
    u"Tap <img src=\"favadd\"> to add the selected phrase to your Favorites category. Inside "
    u"Favorites, <img src=\"favdel\"> deletes the selected phrase from it.</font></p>"
    u"<p><font face=\"Verdana\"><b>Related phrases</b><br>"
    u"When <img src=\"related\"> is enabled, it shows the phrases that often go with the selected "
    u"one.</font></p>"
    u"<p><font face=\"Verdana\"><b>Search</b><br>"
    u"Tap <img src=\"search\"> and type one or more key words; every phrase that holds one of "
    u"them is listed. Tick \"Exact match only\" to look for the words as typed.</font></p>";
const char16_t kHelpTipsAndContact[] =
    u"<p><font face=\"Verdana\"><b>Travel and cultural tips</b><br>"
    u"The tip button is enabled when the selected phrase has a tip: tap it to read it.</font></p>"
    u"<p><font face=\"Verdana\"><b>Contact and support</b><br>"
    u"OstrelSoft Software<br>www.ostrelsoft.example<br>support@ostrelsoft.example</font></p>";

void RegisterMiravelResources()
{
    const EmbeddedArt logo{"logo", kArt_miravel_logo, kArt_miravel_logo_size};
    RegisterCommonResources(MiravelProfile(), CategoryNumbering::JapaneseKorean, logo);
    RegisterDialogTemplate(kMainScreen);
    RegisterDialogTemplate(kBrowser);
    RegisterDialogTemplate(kRelated);
    RegisterDialogTemplate(kAbout);
    RegisterDialogTemplate(kHelp);

    RegisterCommonBitmap(164, "icon-favadd");
    RegisterCommonBitmap(165, "icon-favdel");
    RegisterCommonBitmap(166, "icon-tip");
    RegisterCommonBitmap(167, "icon-help");
    RegisterCommonBitmap(168, "icon-related");
    RegisterCommonBitmap(169, "icon-search");

    RegisterString(1, kHelpWelcome);
    RegisterString(2, kHelpBrowsing);
    RegisterString(3, kHelpVoice);
    RegisterString(4, kHelpFavoritesRelatedSearch);
    RegisterString(6, kHelpTipsAndContact);
}

} // namespace

const ShellEdition& MiravelShellEdition()
{
    static const ShellEdition edition{
        .profile = &MiravelProfile(),
        .mainScreenTitle = u"Miravel Phrase Book",
        .categoryCommands = GetCategoryCommands(CategoryNumbering::JapaneseKorean),
        .favoritesCommand = GetFavoritesCommand(CategoryNumbering::JapaneseKorean),
        .normalMenu = 161,
        .favoritesMenu = 162,
        .translationFrameId = IDC_FRAME_OR_GROUP_A,
        .relatedGroupBoxId = IDC_FRAME_OR_GROUP_B,
        .relatedFrameId = IDC_FRAME_OR_GROUP_A,
        .reportsMissingRelated = true,
        .refreshOrder = RefreshOrder::TranslationFirst,
        .helpDialog = 155,
        .helpPageStrings = kHelpPage,
        .helpImages = kHelpImages,
        .registerResources = RegisterMiravelResources,
    };
    return edition;
}
