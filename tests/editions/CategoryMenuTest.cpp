// The browser's category menu in both numberings: every leaf selects the category and entry its
// menu path names, no command id is used twice in one menu, and the labels differ where the
// editions differ.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "editions/common/CategoryMenu.h"
#include "platform/ui/Resources.h"
#include "shell/app/ShellIds.h"

namespace {

std::string Narrow(const char16_t* text)
{
    std::string out;
    for (const char16_t* p = text; p && *p; ++p)
        out.push_back(static_cast<char>(*p));
    return out;
}

// Menu path "Popup/Label" -> command id of the registered menu.
std::map<std::string, int> LeavesOf(const MenuTemplate& menu)
{
    std::map<std::string, int> leaves;
    std::vector<std::string> path;
    for (const MenuEntry& entry : menu.entries) {
        if (entry.kind == MenuEntryKind::PopupBegin)
            path.push_back(Narrow(entry.text));
        else if (entry.kind == MenuEntryKind::PopupEnd)
            path.pop_back();
        else if (entry.kind == MenuEntryKind::Command) {
            std::string key;
            for (const std::string& part : path)
                key += part + "/";
            leaves[key + Narrow(entry.text)] = entry.id;
        }
    }
    return leaves;
}

struct NumberingCase {
    CategoryNumbering numbering;
    int favorites;
    const char* dateLabel;
    int basicAll, lodgingCheckIn, questionsWhoWhich;
};

const NumberingCase kNumberings[] = {
    {CategoryNumbering::Chinese, 32857, "Category/Basic/Data && Time", 32791, 32826, 32856},
    {CategoryNumbering::JapaneseKorean, 32855, "Category/Basic/Date && Time", 32811, 32824, 32854},
};

TEST(CategoryMenuTest, LeavesSelectTheirCategoryAndEntry)
{
    for (const NumberingCase& c : kNumberings) {
        const auto commands = GetCategoryCommands(c.numbering);
        EXPECT_EQ(59u, commands.size());
        std::map<int, const CategoryCommand*> byId;
        for (const CategoryCommand& command : commands) {
            EXPECT_TRUE(byId.emplace(command.commandId, &command).second) << "id used twice: " << command.commandId;
        }
        EXPECT_EQ(c.favorites, GetFavoritesCommand(c.numbering));
        EXPECT_FALSE(byId.count(c.favorites));

        const struct {
            int id;
            const char* category;
            int entry;
        } expectations[] = {
            {c.basicAll, "Basic", 0},
            {c.lodgingCheckIn, "Lodging", 3},  // not next to "At hotel" in the Chinese numbering
            {c.questionsWhoWhich, "Questions", 5},
        };
        for (const auto& e : expectations) {
            ASSERT_TRUE(byId.count(e.id)) << e.id;
            EXPECT_EQ(e.category, Narrow(byId[e.id]->categoryName));
            EXPECT_EQ(e.entry, byId[e.id]->subCategoryEntry);
        }
        // Every entry of one category counts up from "All" in menu order.
        std::map<std::string, int> next;
        for (const CategoryCommand& command : commands) {
            const std::string name = Narrow(command.categoryName);
            EXPECT_EQ(next[name], command.subCategoryEntry) << name;
            next[name] = command.subCategoryEntry + 1;
        }
        EXPECT_EQ(5, next["Shopping and Services"]);
        EXPECT_EQ(11, next["Travel"]);
    }
}

TEST(CategoryMenuTest, RegisteredMenusDifferOnlyInTheFavoritesTool)
{
    for (const NumberingCase& c : kNumberings) {
        ClearResources();
        RegisterBrowserMenus(c.numbering, 201, 202);
        const MenuTemplate* normal = FindMenu(201);
        const MenuTemplate* favorites = FindMenu(202);
        ASSERT_TRUE(normal && favorites);
        std::map<std::string, int> normalLeaves = LeavesOf(*normal);
        std::map<std::string, int> favoriteLeaves = LeavesOf(*favorites);

        EXPECT_EQ(ID_ADD_FAVORITE, normalLeaves["Tools/Add to favorites"]);
        EXPECT_EQ(ID_DELETE_FAVORITE, favoriteLeaves["Tools/Delete from favorites"]);
        normalLeaves.erase("Tools/Add to favorites");
        favoriteLeaves.erase("Tools/Delete from favorites");
        EXPECT_EQ(normalLeaves, favoriteLeaves);

        EXPECT_EQ(ID_SEARCH, normalLeaves["Tools/Search"]);
        EXPECT_EQ(ID_HELP, normalLeaves["Tools/Help"]);
        EXPECT_EQ(ID_ABOUT, normalLeaves["Tools/About"]);
        EXPECT_EQ(c.favorites, normalLeaves["Category/Favorites"]);
        EXPECT_EQ(1u, normalLeaves.count(c.dateLabel)) << c.dateLabel;
        EXPECT_EQ(1u, normalLeaves.count("Category/Travel/Loss && Damage"));
        EXPECT_EQ(1u, normalLeaves.count("Category/Shopping/Banking"));
        // The command of every leaf is the one the shell dispatches.
        std::set<int> dispatched;
        for (const CategoryCommand& command : GetCategoryCommands(c.numbering))
            dispatched.insert(command.commandId);
        int categoryLeaves = 0;
        for (const auto& [path, id] : normalLeaves) {
            if (path.rfind("Category/", 0) == 0 && path != "Category/Favorites") {
                ++categoryLeaves;
                EXPECT_TRUE(dispatched.count(id)) << path;
            }
        }
        EXPECT_EQ(59, categoryLeaves);
    }
    ClearResources();
}

} // namespace
