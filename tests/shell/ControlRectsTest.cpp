// The alternative rectangle sets of the phrase browser and the related dialog, and what each
// screen layout places: a wrong edge here leaves a control off the rotated screen.

#include <gtest/gtest.h>

#include "platform/core/MessageBox.h"
#include "shell/app/ControlRects.h"
#include "shell/app/ShellIds.h"

namespace {

// A browser set as recorded from the portrait template (client pixels, label at y = 3).
ControlRects BrowserDesigned()
{
    return {
        {IDC_SUB_CATEGORY_LABEL, {7, 3, 85, 23}},  {IDC_SUB_CATEGORY, {95, 3, 217, 25}},
        {IDC_PHRASE_LIST, {7, 30, 217, 127}},      {IDC_PHONETIC_LINE, {7, 134, 214, 172}},
        {IDC_FRAME_OR_GROUP_A, {7, 174, 217, 243}}, {IDC_TRANSLATION_BOX, {26, 176, 212, 239}},
        {IDOK, {68, 247, 150, 269}},                {IDC_SCRIPT_TOGGLE, {176, 247, 196, 269}},
    };
}

TEST(ControlRectsTest, BrowserAlternativeSetFollowsTheClientSize)
{
    const int w = 320, h = 214, c = 22;
    const ControlRects rects = BrowserAlternativeRects(BrowserDesigned(), IDC_FRAME_OR_GROUP_A, w, h, c);
    struct Case {
        int id;
        Rect expected;
    };
    const Case cases[] = {
        {IDC_SUB_CATEGORY_LABEL, {7, 5, 85, c + 5}},
        {IDC_SUB_CATEGORY, {95, 5, w - 10, c + 5}},
        {IDC_PHRASE_LIST, {7, c + 10, w - 10, h - 100}},
        {IDC_PHONETIC_LINE, {7, h - 98, w - 10, h - 64}},
        {IDC_FRAME_OR_GROUP_A, {7, h - 58, w - 10, h - 24}},
        {IDC_TRANSLATION_BOX, {26, h - 57, w - 12, h - 25}},
        {IDOK, {68, h - 20, 150, h - 2}},
        {IDC_SCRIPT_TOGGLE, {176, h - 20, 196, h - 1}},
    };
    for (const Case& k : cases) {
        ASSERT_TRUE(rects.count(k.id)) << k.id;
        EXPECT_EQ(k.expected, rects.at(k.id)) << "control " << k.id;
    }
}

TEST(ControlRectsTest, AbsentControlsStayAbsent)
{
    ControlRects designed = BrowserDesigned();
    designed.erase(IDC_PHONETIC_LINE);
    designed.erase(IDC_SCRIPT_TOGGLE);
    designed.erase(IDOK);
    const ControlRects rects = BrowserAlternativeRects(designed, IDC_FRAME_OR_GROUP_A, 320, 214, 22);
    EXPECT_EQ(designed.size(), rects.size());
    EXPECT_FALSE(rects.count(IDC_PHONETIC_LINE));
}

TEST(ControlRectsTest, RelatedAlternativeSet)
{
    const ControlRects designed = {
        {IDC_FRAME_OR_GROUP_B, {9, 5, 234, 61}},    {IDC_RELATED_SOURCE_TEXT, {17, 21, 227, 59}},
        {IDC_RELATED_LABEL, {16, 65, 110, 81}},     {IDC_PHRASE_LIST, {9, 85, 234, 139}},
        {IDC_PHONETIC_LINE, {9, 149, 234, 191}},    {IDC_FRAME_OR_GROUP_A, {9, 203, 234, 261}},
        {IDC_TRANSLATION_BOX, {35, 205, 225, 259}}, {IDOK, {65, 269, 152, 293}},
    };
    const int w = 320, h = 214;
    const ControlRects rects =
        RelatedAlternativeRects(designed, IDC_FRAME_OR_GROUP_B, IDC_FRAME_OR_GROUP_A, w, h);
    const int g = 9, t = 16;
    EXPECT_EQ((Rect{g, 5, w - g, 40}), rects.at(IDC_FRAME_OR_GROUP_B));
    EXPECT_EQ((Rect{g + 3, 21, w - g - 5, 35}), rects.at(IDC_RELATED_SOURCE_TEXT));
    EXPECT_EQ((Rect{16, 42, 110, t + 42}), rects.at(IDC_RELATED_LABEL));
    EXPECT_EQ((Rect{9, t + 47, w - 9, h - 100}), rects.at(IDC_PHRASE_LIST));
    EXPECT_EQ((Rect{9, h - 98, w - 10, h - 64}), rects.at(IDC_PHONETIC_LINE));
    EXPECT_EQ((Rect{9, h - 58, w - 10, h - 24}), rects.at(IDC_FRAME_OR_GROUP_A));
    EXPECT_EQ((Rect{35, h - 57, w - 12, h - 25}), rects.at(IDC_TRANSLATION_BOX));
    EXPECT_EQ((Rect{65, h - 20, 152, h - 2}), rects.at(IDOK));
    EXPECT_FALSE(rects.count(IDC_SCRIPT_TOGGLE));
}

TEST(ControlRectsTest, EachLayoutPlacesItsSet)
{
    const ControlRects designed = BrowserDesigned();
    const ControlRects alternative = BrowserAlternativeRects(designed, IDC_FRAME_OR_GROUP_A, 240, 214, 22);
    const int keep[] = {IDC_SUB_CATEGORY_LABEL, IDC_SUB_CATEGORY};

    EXPECT_EQ(designed, RectsForLayout(LayoutPortrait, designed, alternative, keep));
    EXPECT_EQ(alternative, RectsForLayout(LayoutLandscape, designed, alternative, keep));

    const ControlRects square = RectsForLayout(LayoutSquare, designed, alternative, keep);
    EXPECT_EQ(designed.at(IDC_SUB_CATEGORY), square.at(IDC_SUB_CATEGORY));
    EXPECT_EQ(designed.at(IDC_SUB_CATEGORY_LABEL), square.at(IDC_SUB_CATEGORY_LABEL));
    const Rect list = square.at(IDC_PHRASE_LIST);
    EXPECT_EQ(designed.at(IDC_PHRASE_LIST).left, list.left);
    EXPECT_EQ(designed.at(IDC_PHRASE_LIST).Width(), list.Width());
    EXPECT_EQ(alternative.at(IDC_PHRASE_LIST).top, list.top);
    EXPECT_EQ(alternative.at(IDC_PHRASE_LIST).bottom, list.bottom);
}

} // namespace
