#include "editions/velora/VeloraEdition.h"

#include "editions/common/CommonResources.h"
#include "editions/common/EmbeddedArt.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Resources.h"
#include "script/EditionProfile.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"

#include <cstddef>

extern const unsigned char kArt_velora_logo[];
extern const std::size_t kArt_velora_logo_size;

namespace {

const ControlTemplate kMainScreenControls[] = {
    {IDC_CATEGORY_PICTURE, ControlKind::Picture, nullptr, 0, 0, 0, 147, 165},
};
const DialogTemplate kMainScreen = {IDD_MAIN_SCREEN, u"Velora Phrase Book", u"System", 8, 147, 165,
                                    kMainScreenControls};

const ControlTemplate kBrowserControls[] = {
    {IDC_SUB_CATEGORY_LABEL, ControlKind::Static, u"Sub Category:", 0, 4, 7, 48, 11},
    {IDC_SUB_CATEGORY, ControlKind::ComboBox, nullptr, 0, 58, 7, 75, 105},
    {IDC_PHRASE_LIST, ControlKind::ListBox, nullptr, StyleVerticalScroll | StyleHorizontalScroll, 4, 22, 129, 53},
    {IDC_PHONETIC_LINE, ControlKind::Static, nullptr, 0, 4, 79, 127, 21},
    {IDC_FRAME_OR_GROUP_A, ControlKind::Static, nullptr, StyleSunken, 4, 101, 129, 38},
    {IDC_TRANSLATION_BOX, ControlKind::Static, nullptr, 0, 16, 102, 114, 35},
    {IDOK, ControlKind::PushButton, u"&Back", StyleDefaultButton, 42, 141, 50, 12},
    {IDC_SCRIPT_TOGGLE, ControlKind::Static, nullptr, StyleSunken, 108, 141, 12, 12},
};
const DialogTemplate kBrowser = {IDD_PHRASE_BROWSER, u"Velora Phrase Book", u"System", 8, 147, 165, kBrowserControls};

const ControlTemplate kRelatedControls[] = {
    {IDC_FRAME_OR_GROUP_B, ControlKind::GroupBox, u"Your phrase", 0, 5, 3, 129, 28},
    {IDC_RELATED_SOURCE_TEXT, ControlKind::Static, nullptr, 0, 10, 11, 120, 19},
    {IDC_RELATED_LABEL, ControlKind::Static, u"Related phrases", 0, 9, 33, 54, 8},
    {IDC_PHRASE_LIST, ControlKind::ListBox, nullptr, StyleVerticalScroll | StyleHorizontalScroll, 5, 43, 129, 27},
    {IDC_PHONETIC_LINE, ControlKind::Static, nullptr, 0, 5, 75, 129, 21},
    {IDC_FRAME_OR_GROUP_A, ControlKind::Static, nullptr, StyleSunken, 5, 102, 129, 29},
    {IDC_TRANSLATION_BOX, ControlKind::Static, nullptr, 0, 20, 103, 109, 27},
    {IDOK, ControlKind::PushButton, u"Back", StyleDefaultButton, 37, 135, 50, 12},
    {IDC_SCRIPT_TOGGLE, ControlKind::Static, nullptr, StyleSunken, 108, 135, 12, 12},
};
const DialogTemplate kRelated = {IDD_RELATED, u"Related", u"System", 10, 141, 157, kRelatedControls};

const ControlTemplate kAboutControls[] = {
    {IDC_ABOUT_LOGO, ControlKind::Picture, nullptr, 0, 17, 18, 100, 24},
    {IDC_STATIC, ControlKind::Static,
     u"Velora\nTalking Phrase Book\nV3.2.5\nOstrelSoft Software\nwww.ostrelsoft.example\nsupport@ostrelsoft.example",
     StyleCentered, 5, 50, 124, 72},
    {IDOK, ControlKind::PushButton, u"OK", StyleDefaultButton, 42, 128, 50, 14},
};
const DialogTemplate kAbout = {IDD_ABOUT, u"Velora Talking Phrase Book", u"System", 10, 135, 147, kAboutControls};

const DialogTemplate kHelp = {168, u"Help", u"System", 10, 123, 130, {}};

// The help page, in the order the page joins them.
const int kHelpPage[] = {32861, 32869, 32863, 32864, 32865, 32866, 32868};

const HelpImage kHelpImages[] = {
    {u"logo", IDB_LOGO},    {u"speaker", IDB_SPEAKER}, {u"favadd", 160},
    {u"favdel", 161},       {u"related", 165},         {u"search", 167},
};

const char16_t kHelpWelcome[] =
    u"<p><img src=\"logo\"></p>"
    u"<p><font face=\"Verdana\"><b>Velora Talking Phrase Book</b></font></p>"
    u"<p><font face=\"Verdana\">Welcome! Velora helps you say what you need in Mandarin Chinese, "
    u"wherever you travel. Highlights:</font></p>"
    u"<ul><li>More than a thousand everyday phrases in ten categories</li>"
    u"<li>Every phrase in Chinese characters, simplified or traditional</li>"
    u"<li>PinYin reading under each phrase</li>"
    u"<li>Native speech for every phrase</li>"
    u"<li>Your own favorites, related phrases, key word search and travel tips</li></ul>";
const char16_t kHelpSpacer[] = u"  ";
const char16_t kHelpBrowsing[] =
    u"<p><font face=\"Verdana\"><b>Browsing phrases</b><br>"
    u"Tap an icon of the main menu to open its category. Pick a sub category from the drop-down "
    u"list at the top, then tap a phrase: its translation appears in the box below. The small "
    u"yellow button under the box switches between simplified and traditional characters. "
    u"A word in square brackets can be changed: tap it and choose another.</font></p>";
const char16_t kHelpVoiceAndPinyin[] =
    u"<p><font face=\"Verdana\"><b>Voice</b><br>"
    u"Tap the speaker, or the translation itself, to hear the phrase spoken by a native "
    u"speaker.</font></p>"
    u"<p><font face=\"Verdana\"><b>PinYin</b><br>"
    u"The line above the translation shows its PinYin reading with tone marks, so that you can "
    u"read the phrase aloud yourself.</font></p>";
const char16_t kHelpFavoritesAndRelated[] =
    u"<p><font face=\"Verdana\"><b>Favorites</b><br>"
    u"Tap the favorites button to add the selected phrase to your Favorites category. Inside "
    u"Favorites the same button deletes the selected phrase from it.</font></p>"
    u"<p><font face=\"Verdana\"><b>Related phrases</b><br>"
    u"When the related button is enabled, it shows the phrases that often go with the selected "
    u"one.</font></p>";
const char16_t kHelpSearchAndTips[] =
    u"<p><font face=\"Verdana\"><b>Search</b><br>"
    u"Tap the search button and type one or more key words; every phrase that holds one of them "
    u"is listed. Tick \"Exact match only\" to look for the words as typed.</font></p>"
    u"<p><font face=\"Verdana\"><b>Travel and cultural tips</b><br>"
    u"The tip button is enabled when the selected phrase has a tip: tap it to read it.</font></p>";
const char16_t kHelpContact[] =
    u"<p><font face=\"Verdana\"><b>Contact and support</b><br>"
    u"OstrelSoft Software<br>www.ostrelsoft.example<br>support@ostrelsoft.example</font></p>";

void RegisterVeloraResources()
{
    const EmbeddedArt logo{"logo", kArt_velora_logo, kArt_velora_logo_size};
    RegisterCommonResources(VeloraProfile(), CategoryNumbering::Chinese, logo);
    RegisterDialogTemplate(kMainScreen);
    RegisterDialogTemplate(kBrowser);
    RegisterDialogTemplate(kRelated);
    RegisterDialogTemplate(kAbout);
    RegisterDialogTemplate(kHelp);

    RegisterCommonBitmap(160, "icon-favadd");
    RegisterCommonBitmap(161, "icon-favdel");
    RegisterCommonBitmap(162, "icon-tip");
    RegisterCommonBitmap(164, "icon-help");
    RegisterCommonBitmap(165, "icon-related");
    RegisterCommonBitmap(167, "icon-search");

    RegisterString(32861, kHelpWelcome);
    RegisterString(32869, kHelpSpacer);
    RegisterString(32863, kHelpBrowsing);
    RegisterString(32864, kHelpVoiceAndPinyin);
    RegisterString(32865, kHelpFavoritesAndRelated);
    RegisterString(32866, kHelpSearchAndTips);
    RegisterString(32868, kHelpContact);
}

} // namespace

const ShellEdition& VeloraShellEdition()
{
    static const ShellEdition edition{
        .profile = &VeloraProfile(),
        .mainScreenTitle = u"Velora Phrase Book",
        .categoryCommands = GetCategoryCommands(CategoryNumbering::Chinese),
        .favoritesCommand = GetFavoritesCommand(CategoryNumbering::Chinese),
        .normalMenu = 158,
        .favoritesMenu = 159,
        .translationFrameId = IDC_FRAME_OR_GROUP_A,
        .relatedGroupBoxId = IDC_FRAME_OR_GROUP_B,
        .relatedFrameId = IDC_FRAME_OR_GROUP_A,
        .reportsMissingRelated = false,
        .refreshOrder = RefreshOrder::PhoneticFirst,
        .helpDialog = 168,
        .helpPageStrings = kHelpPage,
        .helpImages = kHelpImages,
        .registerResources = RegisterVeloraResources,
    };
    return edition;
}
