#pragma once
// The resource numbers the Japanese and Korean editions share: their programs number menus,
// command bar strings, the help dialog, the help strings and the small toolbar pictures alike,
// and differ only in which icon groups they carry.

#include "script/EditionProfile.h"

#include <cstddef>
#include <iterator>

// `icons` are the icon groups the program carries, in order; the unused slots stay 0.
template <std::size_t IconCount>
constexpr EditionResources JapaneseKoreanResources(const int (&icons)[IconCount])
{
    static_assert(IconCount <= std::size(EditionResources{}.icons), "more icon groups than a profile holds");
    EditionResources resources{
        .categoryMenus = {161, 162},
        .commandBarStrings = {32791, 32858},
        .helpDialog = 155,
        .firstHelpString = 1,
        .lastHelpString = 7,
        .inlineIcons = {164, 165, 166, 167, 168, 169},
        .icons = {},
        .iconCount = static_cast<int>(IconCount),
    };
    for (std::size_t i = 0; i < IconCount; ++i)
        resources.icons[i] = icons[i];
    return resources;
}
