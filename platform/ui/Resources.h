#pragma once

// The running program's resources by number: dialog templates, menus, toolbars, strings,
// bitmaps and icons.
//
// Each program registers its own tables at start-up, before its first dialog runs; registering
// a number again replaces the earlier entry. The tables themselves (templates, menu entries,
// strings) must stay alive while they are registered: static tables are the intended use.
// Bitmaps and icons are PNG images, given either as the path of an embedded resource
// (":/velora/category-portrait.png", from a Qt resource file added to the program) or of a file,
// or as bytes in memory; they are decoded on first load.

#include "baselib/String.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MenuTemplate.h"

#include <cstddef>

void RegisterDialogTemplate(const DialogTemplate& dialog);
void RegisterMenu(const MenuTemplate& menu);
void RegisterToolbar(const ToolbarTemplate& toolbar);
void RegisterString(int id, const char16_t* text);
void RegisterBitmapFile(int id, const char* path);
void RegisterBitmapData(int id, const unsigned char* png, std::size_t size);
void RegisterIconFile(int id, const char* path);
void RegisterIconData(int id, const unsigned char* png, std::size_t size);
// Forgets every registration (tests that load several programs in one process).
void ClearResources();

const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenu(int id);
const ToolbarTemplate* FindToolbar(int id);
// The string resource; empty when there is none (ok, when given, says which).
String LoadResourceString(int id, bool* ok = nullptr);
bool HasBitmap(int id);
bool HasIcon(int id);
