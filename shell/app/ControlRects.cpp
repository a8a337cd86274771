#include "shell/app/ControlRects.h"

#include "platform/ui/Dialog.h"
#include "shell/app/ShellIds.h"

#include <algorithm>

ControlRects RecordDesignedRects(const CDialog& dialog, std::span<const int> ids, int anchorId, int anchorTop)
{
    ControlRects rects;
    for (int id : ids) {
        CWindow* control = dialog.GetDlgItem(id);
        if (!control)
            continue;
        Rect rect = control->GetWindowRect();
        dialog.ScreenToClient(rect);
        rects[id] = rect;
    }
    const auto anchor = rects.find(anchorId);
    if (anchor != rects.end()) {
        const int dy = anchorTop - anchor->second.top;
        for (auto& [id, rect] : rects)
            rect.Offset(0, dy);
    }
    return rects;
}

Rect SquareRect(const Rect& designed, const Rect& alternative)
{
    return {alternative.left, alternative.top, alternative.left + designed.Width(), alternative.bottom};
}

void PlaceControls(CDialog& dialog, const ControlRects& rects)
{
    for (const auto& [id, rect] : rects) {
        if (CWindow* control = dialog.GetDlgItem(id)) {
            control->MoveWindow(rect, true);
            control->ShowWindow(true);
        }
    }
}

namespace {

// Sets the rectangle of id when the set has it: left kept, the other edges given.
void Overwrite(ControlRects& rects, int id, int top, int right, int bottom)
{
    const auto found = rects.find(id);
    if (found == rects.end())
        return;
    found->second = {found->second.left, top, right, bottom};
}

} // namespace

ControlRects BrowserAlternativeRects(const ControlRects& designed, int frameId, int w, int h, int c)
{
    ControlRects rects = designed;
    const auto keepRight = [&](int id) {
        const auto found = rects.find(id);
        return found == rects.end() ? 0 : found->second.right;
    };
    Overwrite(rects, IDC_SUB_CATEGORY_LABEL, 5, keepRight(IDC_SUB_CATEGORY_LABEL), c + 5);
    Overwrite(rects, IDC_SUB_CATEGORY, 5, w - 10, c + 5);
    Overwrite(rects, IDC_PHRASE_LIST, c + 10, w - 10, h - 100);
    Overwrite(rects, IDC_PHONETIC_LINE, h - 98, w - 10, h - 64);
    Overwrite(rects, frameId, h - 58, w - 10, h - 24);
    Overwrite(rects, IDC_TRANSLATION_BOX, h - 57, w - 12, h - 25);
    Overwrite(rects, IDOK, h - 20, keepRight(IDOK), h - 2);
    Overwrite(rects, IDC_SCRIPT_TOGGLE, h - 20, keepRight(IDC_SCRIPT_TOGGLE), h - 1);
    return rects;
}

ControlRects RelatedAlternativeRects(const ControlRects& designed, int groupBoxId, int frameId, int w, int h)
{
    ControlRects rects = designed;
    const auto group = designed.find(groupBoxId);
    const int g = group == designed.end() ? 5 : group->second.left;
    const auto label = designed.find(IDC_RELATED_LABEL);
    const int t = label == designed.end() ? 0 : label->second.Height();
    const auto designedOf = [&](int id) {
        const auto found = designed.find(id);
        return found == designed.end() ? Rect{} : found->second;
    };

    if (rects.count(groupBoxId))
        rects[groupBoxId] = {g, 5, w - g, 40};
    if (rects.count(IDC_RELATED_SOURCE_TEXT))
        rects[IDC_RELATED_SOURCE_TEXT] = {g + 3, designedOf(IDC_RELATED_SOURCE_TEXT).top, w - g - 5, 35};
    Overwrite(rects, IDC_RELATED_LABEL, 42, designedOf(IDC_RELATED_LABEL).right, t + 42);
    Overwrite(rects, IDC_PHRASE_LIST, t + 47, w - designedOf(IDC_PHRASE_LIST).left, h - 100);
    Overwrite(rects, IDC_PHONETIC_LINE, h - 98, w - 10, h - 64);
    Overwrite(rects, frameId, h - 58, w - 10, h - 24);
    Overwrite(rects, IDC_TRANSLATION_BOX, h - 57, w - 12, h - 25);
    Overwrite(rects, IDOK, h - 20, designedOf(IDOK).right, h - 2);
    Overwrite(rects, IDC_SCRIPT_TOGGLE, h - 20, designedOf(IDC_SCRIPT_TOGGLE).right, h - 1);
    return rects;
}

ControlRects RectsForLayout(ScreenLayout layout, const ControlRects& designed, const ControlRects& alternative,
                            std::span<const int> keepDesigned)
{
    switch (layout) {
    case LayoutLandscape:
        return alternative;
    case LayoutSquare: {
        ControlRects rects;
        for (const auto& [id, rect] : designed) {
            const bool keep = std::find(keepDesigned.begin(), keepDesigned.end(), id) != keepDesigned.end();
            const auto alt = alternative.find(id);
            rects[id] = (keep || alt == alternative.end()) ? rect : SquareRect(rect, alt->second);
        }
        return rects;
    }
    case LayoutPortrait:
        break;
    }
    return designed;
}
