// The related, tip, about and help dialogs of the edition's real program, their contents, the
// related dialog laid out again on rotation, the missing related phrases report of the editions
// that give one, and the screen captures of every screen for the documentation.

#include "tests/editions/ProgramRun.h"

#include "phrasebook/CategoryView.h"
#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "platform/ui/Resources.h"
#include "shell/app/HelpDialog.h"
#include "shell/app/PhraseBrowserDialog.h"
#include "shell/app/RelatedDialog.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"
#include "tests/editions/EditionUnderTest.h"

namespace editiontest {
namespace {

using DialogsTest = ProgramTest;

// The first listed phrase of the browser matching the predicate; -1 when none.
int FindListed(const std::function<bool(const CPhrase& source, const CPhrase* translation)>& match)
{
    int found = -1;
    TestHooks::RunOnUiThread([&] {
        CCategoryView& view = ProgramTest::Browser()->GetPane().GetView();
        for (unsigned i = 0; i < view.GetPhraseCount() && found < 0; ++i) {
            const CPhrase* phrase = view.PhraseAt(i);
            if (phrase->atomic && match(*phrase, GetPhraseBook()->FindTranslation(phrase->id)))
                found = static_cast<int>(i);
        }
    });
    return found;
}

void OpenBrowserWith(const std::function<bool(const CPhrase&, const CPhrase*)>& match, int& entry)
{
    // Food first, then the other icons of the portrait picture.
    const Point icons[] = {{205, 55}, {75, 55}, {140, 55}, {75, 108}, {140, 108}, {205, 108}, {75, 160}};
    for (Point icon : icons) {
        ProgramTest::TapPicture(icon);
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        entry = FindListed(match);
        if (entry >= 0)
            return;
        ProgramTest::BackToMainScreen();
    }
}

TEST_F(DialogsTest, RelatedPhrasesAndRotation)
{
    const ShellEdition& edition = EditionUnderTest();
    RunProgram([&] {
        int entry = -1;
        OpenBrowserWith([](const CPhrase& source, const CPhrase*) { return source.HasRelated(); }, entry);
        ASSERT_GE(entry, 0) << "no phrase with related phrases";
        TapListEntry(IDC_PHRASE_LIST, entry);
        std::string name;
        std::vector<std::string> related;
        TestHooks::RunOnUiThread([&] {
            const CPhrase* source = Browser()->GetPane().GetSelectedPhrase();
            name = Text(source->name);
            for (int i = 0; i < source->GetRelatedCount(); ++i) {
                if (const CPhrase* phrase = GetPhraseBook()->FindPhrase(source->GetRelatedAt(i)))
                    related.push_back(Text(phrase->atomic ? phrase->name : phrase->GetDisplayText()));
            }
        });
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_RELATED));
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_RELATED));
        EXPECT_EQ(name, Text(TestHooks::GetControlText(IDC_RELATED_SOURCE_TEXT)));
        EXPECT_EQ(related, Texts(TestHooks::GetListEntries(IDC_PHRASE_LIST)));
        EXPECT_EQ(related.empty() ? -1 : 0, TestHooks::GetListSelection(IDC_PHRASE_LIST));
        const CPhrase* shown = nullptr;
        TestHooks::RunOnUiThread([&] { shown = Related()->GetPane().GetTranslationBox().GetTranslation(); });
        EXPECT_EQ(!related.empty(), shown != nullptr);
        SaveScreenshot("related-portrait");

        ControlRects designed;
        TestHooks::RunOnUiThread([&] { designed = Related()->GetDesignedRects(); });
        TestHooks::ResizeScreen(320, 240);
        Rect client, list, frame;
        TestHooks::RunOnUiThread([&] {
            RelatedDialog* dialog = Related();
            client = dialog->GetClientRect();
            list = dialog->GetDlgItem(IDC_PHRASE_LIST)->GetWindowRect();
            dialog->ScreenToClient(list);
            frame = dialog->GetDlgItem(edition.relatedFrameId)->GetWindowRect();
            dialog->ScreenToClient(frame);
        });
        const int w = client.Width(), h = client.Height();
        EXPECT_EQ(w - designed.at(IDC_PHRASE_LIST).left, list.right);
        EXPECT_EQ(h - 100, list.bottom);
        EXPECT_EQ((Rect{designed.at(edition.relatedFrameId).left, h - 58, w - 10, h - 24}), frame);
        SaveScreenshot("related-landscape");

        TestHooks::ResizeScreen(240, 320);
        TestHooks::RunOnUiThread([&] {
            list = Related()->GetDlgItem(IDC_PHRASE_LIST)->GetWindowRect();
            Related()->ScreenToClient(list);
        });
        EXPECT_EQ(designed.at(IDC_PHRASE_LIST), list);

        // Playing from the related dialog.
        const size_t before = Wave().Buffers().size();
        if (!related.empty()) {
            ASSERT_TRUE(TestHooks::TapControl(edition.relatedFrameId));
            EXPECT_EQ(before + 1, Wave().Buffers().size());
        }
        TestHooks::PressTitleOk();
        EXPECT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        EXPECT_TRUE(TakeMessages().empty());
    });
}

TEST_F(DialogsTest, RelatedIdsWithoutAPhrase)
{
    const ShellEdition& edition = EditionUnderTest();
    RunProgram([&] {
        TestHooks::TakeShownMessageBoxes();
        unsigned listed = 99;
        TestHooks::RunOnUiThread([&] {
            CPhrase phrase;
            phrase.related.Append(987654);
            phrase.related.Append(987655);
            RelatedDialog dialog(edition, TestHooks::GetActiveDialog());
            dialog.SetPhrase(&phrase);
            listed = dialog.GetPane().GetView().GetPhraseCount();
        });
        EXPECT_EQ(0u, listed);
        const std::vector<std::string> messages = TakeMessages();
        if (edition.reportsMissingRelated)
            EXPECT_EQ((std::vector<std::string>{"Phrase #987654 not found.", "Phrase #987655 not found."}), messages);
        else
            EXPECT_TRUE(messages.empty());
    });
}

TEST_F(DialogsTest, TipShowsTheTipText)
{
    RunProgram([&] {
        int entry = -1;
        OpenBrowserWith([](const CPhrase&, const CPhrase* t) { return t && t->HasTips(); }, entry);
        ASSERT_GE(entry, 0) << "no phrase with a tip";
        TapListEntry(IDC_PHRASE_LIST, entry);
        std::string tip;
        TestHooks::RunOnUiThread([&] { tip = Text(Browser()->GetPane().GetSelectedTranslation()->GetTipText(*GetPhraseBook())); });
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_TIP));
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_TIP));
        EXPECT_EQ(tip, Text(TestHooks::GetControlText(IDC_TIP_TEXT)));
        SaveScreenshot("tip-portrait");
        TestHooks::ResizeScreen(320, 240);
        SaveScreenshot("tip-landscape");
        TestHooks::ResizeScreen(240, 320);
        ASSERT_TRUE(TestHooks::TapControl(IDOK));
        EXPECT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
    });
}

TEST_F(DialogsTest, AboutAndHelp)
{
    const ShellEdition& edition = EditionUnderTest();
    RunProgram([&] {
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_ABOUT));
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_ABOUT));
        SaveScreenshot("about-portrait");
        TestHooks::ResizeScreen(320, 240);
        SaveScreenshot("about-landscape");
        TestHooks::ResizeScreen(240, 320);
        ASSERT_TRUE(TestHooks::TapControl(IDOK));
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_MAIN_SCREEN));

        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_HELP));
        ASSERT_TRUE(TestHooks::WaitForDialog(edition.helpDialog));
        std::string page;
        std::vector<std::string> missingImages;
        TestHooks::RunOnUiThread([&] {
            HelpDialog* help = dynamic_cast<HelpDialog*>(TestHooks::GetActiveDialog());
            ASSERT_NE(nullptr, help);
            const String html = HelpDialog::BuildPage(edition);
            page = Text(html);
            // Every picture the page names is served.
            for (size_t at = page.find("src=\""); at != std::string::npos; at = page.find("src=\"", at + 1)) {
                const size_t end = page.find('"', at + 5);
                const std::string name = page.substr(at + 5, end - at - 5);
                if (!help->HasImage(String(name.c_str())))
                    missingImages.push_back(name);
            }
            ASSERT_NE(nullptr, help->GetViewer());
        });
        EXPECT_TRUE(missingImages.empty());
        // The topics in their order.
        size_t at = 0;
        for (const char* topic : {"logo", "Browsing phrases", "Voice", "Favorites", "Related phrases", "Search",
                                  "tips", "Contact"}) {
            const size_t found = page.find(topic, at);
            EXPECT_NE(std::string::npos, found) << topic;
            if (found != std::string::npos)
                at = found;
        }
        SaveScreenshot("help-portrait");
        TestHooks::ResizeScreen(320, 240);
        SaveScreenshot("help-landscape");
        TestHooks::ResizeScreen(240, 320);
        TestHooks::PressTitleOk();
        EXPECT_TRUE(TestHooks::WaitForDialog(IDD_MAIN_SCREEN));
    });
}

TEST_F(DialogsTest, HelpWithoutAViewerStillOpensAndCloses)
{
    const ShellEdition& edition = EditionUnderTest();
    TestHooks::SetHtmlViewerAvailable(false);
    RunProgram([&] {
        ASSERT_TRUE(TestHooks::TapToolbarButton(ID_HELP));
        ASSERT_TRUE(TestHooks::WaitForDialog(edition.helpDialog));
        TestHooks::PressTitleOk();
        EXPECT_TRUE(TestHooks::WaitForDialog(IDD_MAIN_SCREEN));
    });
    TestHooks::SetHtmlViewerAvailable(true);
}

} // namespace
} // namespace editiontest
