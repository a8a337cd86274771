#pragma once
// The help page as the Japanese and Korean editions lay it out: dialog 155, the page joined from
// the string entries 1, 2, 3, 4 and 6, and the toolbar pictures shown in the running text, served
// from the bitmaps 164 to 169. Only the welcome and the browsing entries are each edition's own.

#include "shell/app/ShellEdition.h"

#include <span>

inline constexpr int kJapaneseKoreanHelpDialog = 155;

// The page's string entries in the order they are joined.
std::span<const int> JapaneseKoreanHelpPage();
// The pictures the page's image tags name.
std::span<const HelpImage> JapaneseKoreanHelpImages();

// Registers the help dialog and every entry of the page. The string table keeps the pointers, so
// `welcome` and `browsing` must outlive the registration (the constants of HelpTexts.h do).
void RegisterJapaneseKoreanHelp(const char16_t* welcome, const char16_t* browsing);
