// Points, sizes and rectangles in pixels, shared by the face, the windows and the dialogs.
#pragma once

namespace vistrel {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Left/top included, right/bottom excluded, as the platform's rectangles and ellipse boxes.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    // The rectangle of a given size with its top-left corner at (left, top).
    static constexpr Rect Sized(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr Point origin() const { return {left, top}; }
    constexpr bool Contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace vistrel
