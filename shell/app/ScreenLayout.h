#pragma once
// The shape of the screen that every screen lays itself out for. Screens ask again on every size
// change, so a rotation of the device is followed.

class CWindow;

enum ScreenLayout : int {
    LayoutLandscape = 0,
    LayoutSquare = 1,
    LayoutPortrait = 2,
};

// 240 x 320 and 480 x 640 are portrait, 240 x 240 and 480 x 480 square, 320 x 240 and 640 x 480
// landscape; any other size is treated as portrait.
ScreenLayout GetScreenLayout(int width, int height);
// The layout of the screen the window is shown on (its horizontal and vertical resolution).
ScreenLayout GetScreenLayout(const CWindow& window);
