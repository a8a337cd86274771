#include "editions/common/JapaneseKoreanHelp.h"

#include "editions/common/HelpTexts.h"
#include "platform/ui/Resources.h"
#include "shell/app/ShellIds.h"

namespace {

const DialogTemplate kHelp = {kJapaneseKoreanHelpDialog, u"Help", u"System", 10, 109, 116, {}};

const int kHelpPage[] = {1, 2, 3, 4, 6};

const HelpImage kHelpImages[] = {
    {u"logo", IDB_LOGO},    {u"speaker", IDB_SPEAKER}, {u"favadd", 164},
    {u"favdel", 165},       {u"related", 168},         {u"search", 169},
};

const char16_t kHelpVoice[] =
    u"<p><font face=\"Verdana\"><b>Voice</b><br>"
    u"Tap the speaker <img src=\"speaker\">, or the translation itself, to hear the phrase "
    u"spoken by a native speaker.</font></p>";

const char16_t kHelpFavoritesRelatedSearch[] =
    u"<p><font face=\"Verdana\"><b>Favorites</b><br>"
    u"Tap <img src=\"favadd\"> to add the selected phrase to your Favorites category. Inside "
    u"Favorites, <img src=\"favdel\"> deletes the selected phrase from it.</font></p>"
    u"<p><font face=\"Verdana\"><b>Related phrases</b><br>"
    u"When <img src=\"related\"> is enabled, it shows the phrases that often go with the selected "
    u"one.</font></p>"
    u"<p><font face=\"Verdana\"><b>Search</b><br>"
    u"Tap <img src=\"search\"> and type one or more key words; every phrase that holds one of "
    u"them is listed. Tick \"Exact match only\" to look for the words as typed.</font></p>";

constexpr auto kHelpTipsAndContact = JoinText(kHelpTips, kHelpContact);

} // namespace

std::span<const int> JapaneseKoreanHelpPage() { return kHelpPage; }

std::span<const HelpImage> JapaneseKoreanHelpImages() { return kHelpImages; }

void RegisterJapaneseKoreanHelp(const char16_t* welcome, const char16_t* browsing)
{
    RegisterDialogTemplate(kHelp);
    RegisterString(1, welcome);
    RegisterString(2, browsing);
    RegisterString(3, kHelpVoice);
    RegisterString(4, kHelpFavoritesRelatedSearch);
    RegisterString(6, kHelpTipsAndContact.data());
}
