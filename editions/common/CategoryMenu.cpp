#include "editions/common/CategoryMenu.h"

#include "platform/ui/Resources.h"
#include "shell/app/ShellIds.h"

#include <deque>
#include <string_view>
#include <vector>

namespace {

struct CategoryMenuLeaf {
    const char16_t* popup;        // the popup's title
    const char16_t* label;        // "&&" shows one ampersand
    const char16_t* category;
    int entry;                    // sub category entry, 0 = "All"
    int chineseId;
    int japaneseKoreanId;
};

// The label of Basic entry 5 differs between the numberings; it is filled in when the menu is
// built.
constexpr const char16_t* kDateAndTime = nullptr;

constexpr CategoryMenuLeaf kLeaves[] = {
    {u"Basic", u"All", u"Basic", 0, 32791, 32811},
    {u"Basic", u"Greetings", u"Basic", 1, 32819, 32793},
    {u"Basic", u"Language", u"Basic", 2, 32820, 32794},
    {u"Basic", u"Weather", u"Basic", 3, 32821, 32795},
    {u"Basic", u"Signs", u"Basic", 4, 32822, 32796},
    {u"Basic", kDateAndTime, u"Basic", 5, 32823, 32797},
    {u"Basic", u"Numbers", u"Basic", 6, 32824, 32798},
    {u"Basic", u"Key words", u"Basic", 7, 32825, 32799},
    {u"Travel", u"All", u"Travel", 0, 32799, 32812},
    {u"Travel", u"Arrival", u"Travel", 1, 32800, 32801},
    {u"Travel", u"Loss && Damage", u"Travel", 2, 32801, 32802},
    {u"Travel", u"Directions", u"Travel", 3, 32802, 32803},
    {u"Travel", u"Plane", u"Travel", 4, 32803, 32804},
    {u"Travel", u"Signs", u"Travel", 5, 32804, 32805},
    {u"Travel", u"Train && Bus", u"Travel", 6, 32805, 32806},
    {u"Travel", u"Car rental", u"Travel", 7, 32806, 32807},
    {u"Travel", u"Gas && Parking", u"Travel", 8, 32807, 32808},
    {u"Travel", u"Problems", u"Travel", 9, 32808, 32809},
    {u"Travel", u"Taxi", u"Travel", 10, 32809, 32810},
    {u"Food", u"All", u"Food", 0, 32810, 32814},
    {u"Food", u"Finding restaurant", u"Food", 1, 32811, 32815},
    {u"Food", u"At restaurant", u"Food", 2, 32812, 32816},
    {u"Food", u"Personal needs", u"Food", 3, 32813, 32817},
    {u"Food", u"Complaints", u"Food", 4, 32814, 32818},
    {u"Food", u"Menu reader", u"Food", 5, 32815, 32819},
    {u"Lodging", u"All", u"Lodging", 0, 32816, 32821},
    {u"Lodging", u"Reservation", u"Lodging", 1, 32817, 32822},
    {u"Lodging", u"At hotel", u"Lodging", 2, 32818, 32823},
    {u"Lodging", u"Check in", u"Lodging", 3, 32826, 32824},
    {u"Lodging", u"About hotel", u"Lodging", 4, 32827, 32825},
    {u"Lodging", u"Personal needs", u"Lodging", 5, 32828, 32826},
    {u"Lodging", u"Problems", u"Lodging", 6, 32829, 32827},
    {u"Lodging", u"Check out", u"Lodging", 7, 32830, 32828},
    {u"Business", u"All", u"Business", 0, 32831, 32831},
    {u"Business", u"Basic", u"Business", 1, 32832, 32829},
    {u"Business", u"Exchange information", u"Business", 2, 32833, 32830},
    {u"Sightseeing", u"All", u"Sightseeing", 0, 32834, 32832},
    {u"Sightseeing", u"Questions", u"Sightseeing", 1, 32835, 32833},
    {u"Sightseeing", u"Useful words", u"Sightseeing", 2, 32836, 32834},
    {u"Sightseeing", u"Leisure", u"Sightseeing", 3, 32837, 32835},
    {u"Social", u"All", u"Social", 0, 32838, 32836},
    {u"Social", u"Conversation", u"Social", 1, 32839, 32837},
    {u"Social", u"Get together", u"Social", 2, 32840, 32838},
    {u"Social", u"Exchange information", u"Social", 3, 32841, 32839},
    {u"Shopping", u"All", u"Shopping and Services", 0, 32842, 32840},
    {u"Shopping", u"Finding places", u"Shopping and Services", 1, 32843, 32841},
    {u"Shopping", u"Purchase", u"Shopping and Services", 2, 32844, 32842},
    {u"Shopping", u"Return", u"Shopping and Services", 3, 32845, 32843},
    {u"Shopping", u"Banking", u"Shopping and Services", 4, 32846, 32844},
    {u"Emergency", u"All", u"Emergency", 0, 32847, 32845},
    {u"Emergency", u"Medical", u"Emergency", 1, 32848, 32846},
    {u"Emergency", u"Lost && missing", u"Emergency", 2, 32849, 32847},
    {u"Emergency", u"Help", u"Emergency", 3, 32850, 32848},
    {u"Questions", u"All", u"Questions", 0, 32851, 32849},
    {u"Questions", u"Where", u"Questions", 1, 32852, 32850},
    {u"Questions", u"When", u"Questions", 2, 32853, 32851},
    {u"Questions", u"How much/many", u"Questions", 3, 32854, 32852},
    {u"Questions", u"Why", u"Questions", 4, 32855, 32853},
    {u"Questions", u"Who/Which", u"Questions", 5, 32856, 32854},
};

constexpr int kFavoritesChinese = 32857;
constexpr int kFavoritesJapaneseKorean = 32855;

int IdOf(const CategoryMenuLeaf& leaf, CategoryNumbering numbering)
{
    return numbering == CategoryNumbering::Chinese ? leaf.chineseId : leaf.japaneseKoreanId;
}

const char16_t* LabelOf(const CategoryMenuLeaf& leaf, CategoryNumbering numbering)
{
    if (leaf.label)
        return leaf.label;
    return numbering == CategoryNumbering::Chinese ? u"Data && Time" : u"Date && Time";
}

std::vector<CategoryCommand> MakeCommands(CategoryNumbering numbering)
{
    std::vector<CategoryCommand> commands;
    for (const CategoryMenuLeaf& leaf : kLeaves)
        commands.push_back({IdOf(leaf, numbering), leaf.category, leaf.entry});
    return commands;
}

std::vector<MenuEntry> MakeMenu(CategoryNumbering numbering, bool favorites)
{
    std::vector<MenuEntry> entries;
    entries.push_back({MenuEntryKind::PopupBegin, 0, u"Category"});
    const char16_t* open = nullptr;
    for (const CategoryMenuLeaf& leaf : kLeaves) {
        if (!open || std::u16string_view(open) != leaf.popup) {
            if (open)
                entries.push_back({MenuEntryKind::PopupEnd});
            entries.push_back({MenuEntryKind::PopupBegin, 0, leaf.popup});
            open = leaf.popup;
        }
        entries.push_back({MenuEntryKind::Command, IdOf(leaf, numbering), LabelOf(leaf, numbering)});
    }
    entries.push_back({MenuEntryKind::PopupEnd});
    entries.push_back({MenuEntryKind::Command, GetFavoritesCommand(numbering), u"Favorites"});
    entries.push_back({MenuEntryKind::PopupEnd});

    entries.push_back({MenuEntryKind::PopupBegin, 0, u"Tools"});
    if (favorites)
        entries.push_back({MenuEntryKind::Command, ID_DELETE_FAVORITE, u"Delete from favorites"});
    else
        entries.push_back({MenuEntryKind::Command, ID_ADD_FAVORITE, u"Add to favorites"});
    entries.push_back({MenuEntryKind::Command, ID_SEARCH, u"Search"});
    entries.push_back({MenuEntryKind::Separator});
    entries.push_back({MenuEntryKind::Command, ID_HELP, u"Help"});
    entries.push_back({MenuEntryKind::Command, ID_ABOUT, u"About"});
    entries.push_back({MenuEntryKind::PopupEnd});
    return entries;
}

struct BuiltMenus {
    std::vector<CategoryCommand> commands;
    std::vector<MenuEntry> normal;
    std::vector<MenuEntry> favorites;
};

// Built once per numbering and kept for the whole process: registered tables must stay alive.
const BuiltMenus& MenusOf(CategoryNumbering numbering)
{
    static const BuiltMenus chinese{MakeCommands(CategoryNumbering::Chinese),
                                    MakeMenu(CategoryNumbering::Chinese, false),
                                    MakeMenu(CategoryNumbering::Chinese, true)};
    static const BuiltMenus japaneseKorean{MakeCommands(CategoryNumbering::JapaneseKorean),
                                           MakeMenu(CategoryNumbering::JapaneseKorean, false),
                                           MakeMenu(CategoryNumbering::JapaneseKorean, true)};
    return numbering == CategoryNumbering::Chinese ? chinese : japaneseKorean;
}

} // namespace

std::span<const CategoryCommand> GetCategoryCommands(CategoryNumbering numbering)
{
    return MenusOf(numbering).commands;
}

int GetFavoritesCommand(CategoryNumbering numbering)
{
    return numbering == CategoryNumbering::Chinese ? kFavoritesChinese : kFavoritesJapaneseKorean;
}

void RegisterBrowserMenus(CategoryNumbering numbering, int normalMenuId, int favoritesMenuId)
{
    // The registry keeps a pointer to each template: they live as long as the process.
    static std::deque<MenuTemplate> templates;
    const BuiltMenus& menus = MenusOf(numbering);
    RegisterMenu(templates.emplace_back(MenuTemplate{normalMenuId, menus.normal}));
    RegisterMenu(templates.emplace_back(MenuTemplate{favoritesMenuId, menus.favorites}));
}
