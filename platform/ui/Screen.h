#pragma once

// The device screen: one window whose client area is the screen the programs lay out for.
// It is 240 × 320 pixels at start and may be resized (320 × 240 is a rotation to landscape,
// 480 × 640 the double-resolution portrait screen).

#include "baselib/String.h"

// The screen's horizontal and vertical resolution: the current client size of the screen window
// (240 and 320 before the screen exists).
int GetScreenWidth();
int GetScreenHeight();
// The platform type string that the system reports: "PocketPC".
String GetPlatformType();
