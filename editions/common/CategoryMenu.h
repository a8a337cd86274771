#pragma once
// The "Category" menu of the phrase browser, in the two command numberings of the editions, and
// the two browser menus built from it (one for ordinary categories, one for "Favorites", which
// differ only in the first item of "Tools").

#include "shell/app/ShellEdition.h"

#include <span>

enum class CategoryNumbering {
    Chinese,
    JapaneseKorean,
};

// Every leaf of the menu but "Favorites", in menu order.
std::span<const CategoryCommand> GetCategoryCommands(CategoryNumbering numbering);
// The command of the menu's last item, "Favorites".
int GetFavoritesCommand(CategoryNumbering numbering);

// Registers the ordinary menu as `normalMenuId` and the "Favorites" one as `favoritesMenuId`.
void RegisterBrowserMenus(CategoryNumbering numbering, int normalMenuId, int favoritesMenuId);
