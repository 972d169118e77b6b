#pragma once
// A rectangle of pixels or tiles: left and top inside, right and bottom just
// outside, as the window manager's rectangles are. Kept at the bottom so the
// records, the toolkit and the art generator all speak of the same one.

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};
