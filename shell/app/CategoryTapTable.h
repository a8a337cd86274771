#pragma once
// Which category icon of the main screen's picture a tap hits, per screen layout.

#include "platform/ui/Geometry.h"
#include "shell/app/ScreenLayout.h"

// The category name under the point (main screen client pixels), or null when the point lies
// outside every icon. Both bounds of each icon's ranges are inclusive; where icons share an edge
// the one listed first wins.
const char16_t* HitTestCategory(ScreenLayout layout, Point point);
