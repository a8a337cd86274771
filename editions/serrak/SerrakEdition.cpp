#include "editions/serrak/SerrakEdition.h"

#include "editions/common/CommonResources.h"
#include "editions/common/EmbeddedArt.h"
#include "editions/common/HelpTexts.h"
#include "editions/common/JapaneseKoreanHelp.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Resources.h"
#include "script/EditionProfile.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"

#include <cstddef>

extern const unsigned char kArt_serrak_logo[];
extern const std::size_t kArt_serrak_logo_size;

namespace {

const ControlTemplate kMainScreenControls[] = {
    {IDC_CATEGORY_PICTURE, ControlKind::Picture, nullptr, 0, 0, 0, 147, 165},
};
const DialogTemplate kMainScreen = {IDD_MAIN_SCREEN, u"Serrak Phrase Book", u"System", 8, 147, 165,
                                    kMainScreenControls};

const ControlTemplate kBrowserControls[] = {
    {IDC_SUB_CATEGORY_LABEL, ControlKind::Static, u"Sub Category:", 0, 4, 7, 48, 11},
    {IDC_SUB_CATEGORY, ControlKind::ComboBox, nullptr, 0, 58, 7, 75, 105},
    {IDC_PHRASE_LIST, ControlKind::ListBox, nullptr, StyleVerticalScroll | StyleHorizontalScroll, 4, 22, 129, 91},
    {IDC_FRAME_OR_GROUP_B, ControlKind::Static, nullptr, StyleSunken, 4, 114, 129, 38},
    {IDC_TRANSLATION_BOX, ControlKind::Static, nullptr, 0, 19, 117, 109, 32},
};
const DialogTemplate kBrowser = {IDD_PHRASE_BROWSER, u"Serrak Phrase Book", u"System", 8, 147, 165, kBrowserControls};

const ControlTemplate kRelatedControls[] = {
    {IDC_PHRASE_LIST, ControlKind::ListBox, nullptr, StyleVerticalScroll | StyleHorizontalScroll, 5, 45, 129, 64},
    {IDC_RELATED_LABEL, ControlKind::Static, u"Related phrases", 0, 9, 33, 54, 8},
    {IDC_RELATED_SOURCE_TEXT, ControlKind::Static, nullptr, 0, 10, 11, 120, 19},
    {IDC_FRAME_OR_GROUP_A, ControlKind::GroupBox, u"Your phrase", 0, 5, 3, 129, 28},
    {IDC_FRAME_OR_GROUP_B, ControlKind::Static, nullptr, StyleSunken, 5, 111, 129, 39},
    {IDC_TRANSLATION_BOX, ControlKind::Static, nullptr, 0, 22, 115, 107, 32},
};
const DialogTemplate kRelated = {IDD_RELATED, u"Related", u"System", 10, 141, 157, kRelatedControls};

const ControlTemplate kAboutControls[] = {
    {IDC_ABOUT_LOGO, ControlKind::Picture, nullptr, 0, 17, 18, 100, 24},
    {IDC_STATIC, ControlKind::Static,
     u"Serrak\nTalking Phrase Book\nV3.2.5\nOstrelSoft Software\nwww.ostrelsoft.example\nsupport@ostrelsoft.example",
     StyleCentered, 5, 50, 124, 72},
    {IDOK, ControlKind::PushButton, u"OK", StyleDefaultButton, 42, 128, 50, 14},
};
const DialogTemplate kAbout = {IDD_ABOUT, u"Serrak Phrase Book", u"System", 10, 135, 147, kAboutControls};

constexpr auto kHelpWelcome = HelpWelcome(u"Serrak", u"Korean", u"<li>Every phrase in Hangul</li>");
constexpr auto kHelpBrowsing = HelpBrowsing(u"");

void RegisterSerrakResources()
{
    const EmbeddedArt logo{"logo", kArt_serrak_logo, kArt_serrak_logo_size};
    RegisterCommonResources(SerrakProfile(), CategoryNumbering::JapaneseKorean, logo);
    RegisterDialogTemplate(kMainScreen);
    RegisterDialogTemplate(kBrowser);
    RegisterDialogTemplate(kRelated);
    RegisterDialogTemplate(kAbout);

    RegisterJapaneseKoreanHelp(kHelpWelcome.data(), kHelpBrowsing.data());
}

} // namespace

const ShellEdition& SerrakShellEdition()
{
    static const ShellEdition edition{
        .profile = &SerrakProfile(),
        .mainScreenTitle = u"Serrak Phrase Book",
        .categoryCommands = GetCategoryCommands(CategoryNumbering::JapaneseKorean),
        .favoritesCommand = GetFavoritesCommand(CategoryNumbering::JapaneseKorean),
        .normalMenu = 161,
        .favoritesMenu = 162,
        .translationFrameId = IDC_FRAME_OR_GROUP_B,
        .relatedGroupBoxId = IDC_FRAME_OR_GROUP_A,
        .relatedFrameId = IDC_FRAME_OR_GROUP_B,
        .reportsMissingRelated = true,
        .refreshOrder = RefreshOrder::PhoneticFirst,
        .helpDialog = kJapaneseKoreanHelpDialog,
        .helpPageStrings = JapaneseKoreanHelpPage(),
        .helpImages = JapaneseKoreanHelpImages(),
        .registerResources = RegisterSerrakResources,
    };
    return edition;
}
