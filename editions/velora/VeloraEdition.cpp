#include "editions/velora/VeloraEdition.h"

#include "editions/common/CommonResources.h"
#include "editions/common/EmbeddedArt.h"
#include "editions/common/HelpTexts.h"
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

constexpr auto kHelpWelcome = HelpWelcome(u"Velora", u"Mandarin Chinese",
                                          u"<li>Every phrase in Chinese characters, simplified or traditional</li>"
                                          u"<li>PinYin reading under each phrase</li>");
const char16_t kHelpSpacer[] = u"  ";
constexpr auto kHelpBrowsing = HelpBrowsing(u"", u"simplified and traditional characters");
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
constexpr auto kHelpSearchAndTips =
    JoinText(u"<p><font face=\"Verdana\"><b>Search</b><br>"
             u"Tap the search button and type one or more key words; every phrase that holds one of them "
             u"is listed. Tick \"Exact match only\" to look for the words as typed.</font></p>",
             kHelpTips);

void RegisterVeloraResources()
{
    const EmbeddedArt logo{"logo", kArt_velora_logo, kArt_velora_logo_size};
    RegisterCommonResources(VeloraProfile(), CategoryNumbering::Chinese, logo);
    RegisterDialogTemplate(kMainScreen);
    RegisterDialogTemplate(kBrowser);
    RegisterDialogTemplate(kRelated);
    RegisterDialogTemplate(kAbout);
    RegisterDialogTemplate(kHelp);

    RegisterString(32861, kHelpWelcome.data());
    RegisterString(32869, kHelpSpacer);
    RegisterString(32863, kHelpBrowsing.data());
    RegisterString(32864, kHelpVoiceAndPinyin);
    RegisterString(32865, kHelpFavoritesAndRelated);
    RegisterString(32866, kHelpSearchAndTips.data());
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
