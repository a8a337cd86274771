// ShowMessageBox: the installed handler gets text, title and type and gives the answer; without
// one the text goes to standard error and the answer is IDOK.

#include "platform/core/MessageBox.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct ShownBox {
    std::u16string text;
    std::u16string title;
    unsigned type;
};

TEST(MessageBoxTest, RecordingHandlerSeesEachBoxAndAnswers)
{
    std::vector<ShownBox> shown;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const String& text, const String& title, unsigned type) {
        shown.push_back({text.GetString(), title.GetString(), type});
        return (type & MB_OKCANCEL) ? IDCANCEL : IDOK;
    });
    EXPECT_EQ(ShowMessageBox(String(u"Phrase book data corrupted."), String(u""), MB_OK), IDOK);
    EXPECT_EQ(ShowMessageBox(String(u"No sound device."), String(u"Warning"), MB_OKCANCEL | MB_ICONWARNING), IDCANCEL);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, u"Phrase book data corrupted.");
    EXPECT_EQ(shown[1].title, u"Warning");
    EXPECT_EQ(shown[1].type, static_cast<unsigned>(MB_OKCANCEL | MB_ICONWARNING));

    MessageBoxHandler mine = SetMessageBoxHandler(previous);
    ASSERT_TRUE(static_cast<bool>(mine));
    EXPECT_EQ(mine(String(u"direct"), String(u""), MB_OK), IDOK);  // the one returned is ours
    EXPECT_EQ(shown.size(), 3u);
}

TEST(MessageBoxTest, WithoutAHandlerWritesToStandardErrorAndAnswersOk)
{
    MessageBoxHandler previous = SetMessageBoxHandler(nullptr);
    testing::internal::CaptureStderr();
    int answer = ShowMessageBox(String(u"Open Romaji Map file error!"), String(u"Miravel"), MB_OKCANCEL);
    std::string written = testing::internal::GetCapturedStderr();
    SetMessageBoxHandler(previous);
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(written, "Miravel: Open Romaji Map file error!\n");
}

TEST(MessageBoxTest, HandlerMayShowAnotherBox)
{
    std::vector<std::u16string> texts;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const String& text, const String&, unsigned) {
        texts.emplace_back(text.GetString());
        if (texts.size() == 1)
            ShowMessageBox(String(u"nested"), String(u""), MB_OK);  // must not deadlock
        return IDOK;
    });
    ShowMessageBox(String(u"outer"), String(u""), MB_OK);
    SetMessageBoxHandler(previous);
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"outer", u"nested"}));
}

}  // namespace
