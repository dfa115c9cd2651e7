// Points, sizes, rectangles and monitors in pixels, shared by the face, the windows and the
// dialogs, and the one conversion of a pixel measure between 96 DPI and a screen's DPI.
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

// One monitor in virtual-screen pixels.
struct Monitor {
    Rect bounds; // the whole monitor
    Rect work;   // without the task bar and the other bars docked to it
    int dpi = 96;
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// The pixels of a 96-DPI measure on a screen of `dpi` (halves away from zero, as MulDiv does).
constexpr int Scale(int px, int dpi) {
    const long long n = static_cast<long long>(px) * dpi;
    return static_cast<int>(n >= 0 ? (n + 48) / 96 : (n - 48) / 96);
}
// The 96-DPI measure of `px` pixels on a screen of `dpi`; 96 where the DPI is unknown.
constexpr int Unscale(int px, int dpi) {
    if (dpi <= 0) return px;
    const long long n = static_cast<long long>(px) * 96;
    return static_cast<int>(n >= 0 ? (n + dpi / 2) / dpi : (n - dpi / 2) / dpi);
}

} // namespace vistrel
