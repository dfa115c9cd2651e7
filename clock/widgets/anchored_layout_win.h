// Keeps a resizable dialog's controls where they belong: each named control remembers its place
// in the client area as the dialog opened, and on every size change moves with the bottom
// and/or right edge, or stretches with them.
#pragma once

#include <windows.h>

#include <vector>

namespace vistrel {

enum Anchor : unsigned {
    kAnchorBottom = 1,  // keeps its distance to the bottom edge
    kAnchorRight = 2,   // keeps its distance to the right edge
    kStretchWidth = 4,  // keeps its left edge, the right one follows the dialog's
    kStretchHeight = 8, // keeps its top edge, the bottom one follows the dialog's
};

struct AnchoredControl {
    int id;
    unsigned anchors;
};

class AnchoredLayout {
public:
    // Remembers the controls' places and the client size as they are now.
    void Capture(HWND dialog, const std::vector<AnchoredControl>& controls);
    // Puts every control in its place for the dialog's client size now.
    void Apply() const;

private:
    struct Placed {
        HWND control;
        unsigned anchors;
        RECT rect;
    };
    HWND dialog_ = nullptr;
    SIZE client_{};
    std::vector<Placed> placed_;
};

} // namespace vistrel
