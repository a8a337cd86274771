#pragma once
// ControlRects: a set of control rectangles by control id, in the dialog's client pixels, and
// their placement for the screen layouts. The phrase browser and the related dialog record the
// template's rectangles as the designed set and compute an alternative set for wide screens.

#include "platform/ui/Geometry.h"
#include "shell/app/ScreenLayout.h"

#include <map>
#include <span>

class CDialog;

using ControlRects = std::map<int, Rect>;

// The client rectangles of the dialog's controls among `ids` (absent ones are left out), moved
// vertically so that control `anchorId` starts at `anchorTop`.
ControlRects RecordDesignedRects(const CDialog& dialog, std::span<const int> ids, int anchorId, int anchorTop);

// Square screens: the alternative left, top and bottom with the designed width.
Rect SquareRect(const Rect& designed, const Rect& alternative);

// Places every control of `rects` (without changing the z-order) and shows it.
void PlaceControls(CDialog& dialog, const ControlRects& rects);

// The phrase browser's alternative set for a client area of w x h, with c the height of the
// closed combo box; the frame is `frameId` (1018, or 1020 in the Korean edition).
ControlRects BrowserAlternativeRects(const ControlRects& designed, int frameId, int w, int h, int c);

// The related dialog's alternative set for a client area of w x h.
ControlRects RelatedAlternativeRects(const ControlRects& designed, int groupBoxId, int frameId, int w, int h);

// What a layout places: landscape the alternative set, square the square mix for every id not
// in `keepDesigned` (those keep their designed rectangles), portrait the designed set.
ControlRects RectsForLayout(ScreenLayout layout, const ControlRects& designed, const ControlRects& alternative,
                            std::span<const int> keepDesigned);
