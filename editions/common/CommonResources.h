#pragma once
// The resources every edition has in the same form: the search and tip dialogs, the toolbars
// and their image strips, the small toolbar pictures, the category pictures, the speaker, the icons
// and the browser menus.

#include "editions/common/CategoryMenu.h"

struct EditionProfile;
struct EmbeddedArt;

// Registers them for the edition whose profile is given; `logo` is the edition's own logo.
void RegisterCommonResources(const EditionProfile& profile, CategoryNumbering numbering, const EmbeddedArt& logo);

// Registers a shared image as a bitmap resource (false when the art is missing).
bool RegisterCommonBitmap(int id, const char* artName);
