#include "editions/common/CommonResources.h"

#include "editions/common/EmbeddedArt.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Resources.h"
#include "script/EditionProfile.h"
#include "shell/app/ShellIds.h"

#include <cstddef>
#include <iterator>

namespace {

const ControlTemplate kSearchControls[] = {
    {IDOK, ControlKind::PushButton, u"Search", StyleDefaultButton, 16, 60, 50, 14},
    {IDCANCEL, ControlKind::PushButton, u"Cancel", 0, 73, 60, 50, 14},
    {IDC_STATIC, ControlKind::Static, u"Input a key word or phrase:", 0, 13, 11, 92, 8},
    {IDC_SEARCH_TEXT, ControlKind::Edit, nullptr, StyleBorder, 13, 22, 108, 14},
    {IDC_EXACT_MATCH, ControlKind::CheckBox, u"Exact match only", 0, 16, 42, 71, 10},
};
const DialogTemplate kSearchDialog = {IDD_SEARCH, u"Search", u"System", 10, 135, 82, kSearchControls};

const ControlTemplate kTipControls[] = {
    {IDOK, ControlKind::PushButton, u"OK", StyleDefaultButton, 36, 118, 50, 14},
    {IDC_TIP_PICTURE, ControlKind::Picture, nullptr, 0, 16, 11, 18, 16},
    {IDC_STATIC, ControlKind::Static, u"Did you know?", 0, 38, 16, 67, 8},
    {IDC_TIP_TEXT, ControlKind::Static, nullptr, 0, 17, 30, 95, 82},
};
const DialogTemplate kTipDialog = {IDD_TIP, u"Tip", u"System", 10, 125, 139, kTipControls};

const int kMainToolbarCommands[] = {ID_SEARCH, ID_ABOUT, ID_HELP};
const int kNormalToolbarCommands[] = {ID_ADD_FAVORITE, ID_SEARCH, ID_TIP, ID_RELATED};
const int kFavoritesToolbarCommands[] = {ID_DELETE_FAVORITE, ID_SEARCH, ID_TIP, ID_RELATED};
const ToolbarTemplate kMainToolbar = {IDR_MAIN_TOOLBAR, IDR_MAIN_TOOLBAR, kMainToolbarCommands};
const ToolbarTemplate kNormalToolbar = {IDR_NORMAL_TOOLBAR, IDR_NORMAL_TOOLBAR, kNormalToolbarCommands};
const ToolbarTemplate kFavoritesToolbar = {IDR_FAVORITES_TOOLBAR, IDR_FAVORITES_TOOLBAR, kFavoritesToolbarCommands};

// The art of the small 16 x 15 toolbar pictures, in the order of EditionResources::inlineIcons;
// the help page shows some of them in its text.
const char* const kInlineIconArt[] = {"icon-favadd", "icon-favdel", "icon-tip",
                                      "icon-help",   "icon-related", "icon-search"};
static_assert(std::size(kInlineIconArt) == std::size(EditionResources{}.inlineIcons));

void RegisterArtAsIcon(int id, const char* artName)
{
    if (const EmbeddedArt* art = FindCommonArt(artName))
        RegisterIconData(id, art->png, art->size);
}

} // namespace

bool RegisterCommonBitmap(int id, const char* artName)
{
    const EmbeddedArt* art = FindCommonArt(artName);
    if (!art)
        return false;
    RegisterBitmapData(id, art->png, art->size);
    return true;
}

void RegisterCommonResources(const EditionProfile& profile, CategoryNumbering numbering, const EmbeddedArt& logo)
{
    RegisterDialogTemplate(kSearchDialog);
    RegisterDialogTemplate(kTipDialog);

    RegisterToolbar(kMainToolbar);
    RegisterToolbar(kNormalToolbar);
    RegisterToolbar(kFavoritesToolbar);
    RegisterCommonBitmap(IDR_MAIN_TOOLBAR, "toolbar-main");
    RegisterCommonBitmap(IDR_NORMAL_TOOLBAR, "toolbar-normal");
    RegisterCommonBitmap(IDR_FAVORITES_TOOLBAR, "toolbar-favorites");

    RegisterCommonBitmap(IDB_SPEAKER, "speaker");
    RegisterCommonBitmap(IDB_CATEGORY_PORTRAIT, "category-portrait");
    RegisterCommonBitmap(IDB_CATEGORY_SQUARE, "category-square");
    RegisterCommonBitmap(IDB_CATEGORY_LANDSCAPE, "category-landscape");
    RegisterCommonBitmap(IDI_TIP, "tip-icon");
    RegisterBitmapData(IDB_LOGO, logo.png, logo.size);

    const EditionResources& resources = profile.resources;
    for (std::size_t i = 0; i < std::size(kInlineIconArt); ++i)
        RegisterCommonBitmap(resources.inlineIcons[i], kInlineIconArt[i]);
    for (int i = 0; i < resources.iconCount; ++i) {
        const int id = resources.icons[i];
        RegisterArtAsIcon(id, id == IDI_TIP ? "tip-icon" : "program-icon");
    }

    RegisterBrowserMenus(numbering, resources.categoryMenus[0], resources.categoryMenus[1]);
    RegisterString(resources.commandBarStrings[0], u"Category");
    RegisterString(resources.commandBarStrings[1], u"Tools");
}
