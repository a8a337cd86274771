#pragma once
// The help page texts every edition words alike: the welcome and browsing entries, put together
// from what each edition names as its own (its name, its language, how it writes and reads its
// phrases), and the tips and contact paragraphs. Every text is a compile-time constant, so the
// pointer that the string table keeps stays valid; register a joined text by its data().

#include "editions/common/JoinedText.h"

#include <cstddef>

// The logo, the title, the welcome and the list of highlights. `language` ends "... helps you say
// what you need in <language>, wherever you travel."; `scriptHighlights` are the list items on how
// the phrases are written and read, between the phrase count and the speech.
template <std::size_t NameSize, std::size_t LanguageSize, std::size_t HighlightsSize>
consteval auto HelpWelcome(const char16_t (&programName)[NameSize], const char16_t (&language)[LanguageSize],
                           const char16_t (&scriptHighlights)[HighlightsSize])
{
    return JoinText(u"<p><img src=\"logo\"></p>"
                    u"<p><font face=\"Verdana\"><b>",
                    programName,
                    u" Talking Phrase Book</b></font></p>"
                    u"<p><font face=\"Verdana\">Welcome! ",
                    programName, u" helps you say what you need in ", language,
                    u", wherever you travel. Highlights:</font></p>"
                    u"<ul><li>More than a thousand everyday phrases in ten categories</li>",
                    scriptHighlights,
                    u"<li>Native speech for every phrase</li>"
                    u"<li>Your own favorites, related phrases, key word search and travel tips</li></ul>");
}

inline constexpr char16_t kHelpBrowsingStart[] =
    u"<p><font face=\"Verdana\"><b>Browsing phrases</b><br>"
    u"Tap an icon of the main menu to open its category. Pick a sub category from the drop-down "
    u"list at the top, then tap a phrase: its translation appears in the box below";
inline constexpr char16_t kHelpBrowsingEnd[] =
    u" A word in square brackets can be changed: tap it and choose another.</font></p>";

// Browsing phrases in an edition without a script toggle. `readingPlace` continues "its
// translation appears in the box below" up to the full stop (u"" when nothing more is said).
template <std::size_t ReadingSize>
consteval auto HelpBrowsing(const char16_t (&readingPlace)[ReadingSize])
{
    return JoinText(kHelpBrowsingStart, readingPlace, u".", kHelpBrowsingEnd);
}

// Browsing phrases in an edition with a script toggle: `scriptSwitch` names what the small yellow
// button switches between.
template <std::size_t ReadingSize, std::size_t SwitchSize>
consteval auto HelpBrowsing(const char16_t (&readingPlace)[ReadingSize], const char16_t (&scriptSwitch)[SwitchSize])
{
    return JoinText(kHelpBrowsingStart, readingPlace, u". The small yellow button under the box switches between ",
                    scriptSwitch, u".", kHelpBrowsingEnd);
}

// Travel and cultural tips, the same in every edition.
inline constexpr char16_t kHelpTips[] =
    u"<p><font face=\"Verdana\"><b>Travel and cultural tips</b><br>"
    u"The tip button is enabled when the selected phrase has a tip: tap it to read it.</font></p>";

// Contact and support, the same in every edition.
inline constexpr char16_t kHelpContact[] =
    u"<p><font face=\"Verdana\"><b>Contact and support</b><br>"
    u"OstrelSoft Software<br>www.ostrelsoft.example<br>support@ostrelsoft.example</font></p>";
