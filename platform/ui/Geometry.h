#pragma once

// Points, sizes and rectangles in pixels, the way the dialog framework passes them.
//
// A Rect is half-open: it covers left <= x < right and top <= y < bottom, so its width is
// right - left. Coordinates are relative to whatever the function taking them names (a window's
// client area, its parent's client area or the screen).

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void Offset(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    Point TopLeft() const { return {left, top}; }
    bool operator==(const Rect&) const = default;
};
