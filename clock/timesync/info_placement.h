// Where the adjustment log goes: beside the clock, kept on the screen.
#pragma once

namespace vistrel {

struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// Left of the clock, or right of it when the left edge has no room; level with the clock's top
// (the screen's top when the clock reaches above it), lifted where its bottom would leave the
// screen.
ScreenPoint PlaceInfoWindow(const ScreenRect& clock, int width, int height, int screen_height);

} // namespace vistrel
