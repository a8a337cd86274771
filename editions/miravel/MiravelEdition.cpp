#include "editions/miravel/MiravelEdition.h"

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

constexpr auto kHelpWelcome = HelpWelcome(u"Miravel", u"Japanese",
                                          u"<li>Every phrase in kanji or in kana</li>"
                                          u"<li>A romaji reading under each phrase</li>");
constexpr auto kHelpBrowsing = HelpBrowsing(u", with its reading in romaji above it", u"kanji and kana");

void RegisterMiravelResources()
{
    const EmbeddedArt logo{"logo", kArt_miravel_logo, kArt_miravel_logo_size};
    RegisterCommonResources(MiravelProfile(), CategoryNumbering::JapaneseKorean, logo);
    RegisterDialogTemplate(kMainScreen);
    RegisterDialogTemplate(kBrowser);
    RegisterDialogTemplate(kRelated);
    RegisterDialogTemplate(kAbout);

    RegisterJapaneseKoreanHelp(kHelpWelcome.data(), kHelpBrowsing.data());
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
        .helpDialog = kJapaneseKoreanHelpDialog,
        .helpPageStrings = JapaneseKoreanHelpPage(),
        .helpImages = JapaneseKoreanHelpImages(),
        .registerResources = RegisterMiravelResources,
    };
    return edition;
}
