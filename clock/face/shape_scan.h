// Turns the black-and-white shape image into the rectangles of a region: one rectangle per
// horizontal run of pixels that differ from the background (the bottom left pixel). The
// Windows layer hands all of them to the system in one call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "clock/face/face_math.h"

namespace vistrel {

// One byte per pixel, row y starting at pixels + y x stride (a negative stride reads a
// bottom-up image top row first).
struct MaskView {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

struct RunList {
    std::vector<Rect> rects; // in rows top to bottom, runs left to right: the order a region wants
    Rect bounds;             // smallest box around all runs; empty when there are none
};

// A row may hold 101 runs; a row still holding pixels to examine after its 101st run is more
// than a region of the face can reasonably be and fails.
inline constexpr int kMaxRunsPerRow = 101;

// Throws an Error (the text Tx::DrawBadShape) for a row with too many runs.
RunList ScanMaskRuns(const MaskView& mask);
// The same into `out`, whose storage is reused: a renderer that keeps one RunList between
// renders scans without allocating. `out` holds only the new runs afterwards, also on failure
// (then the rows before the failing one).
void ScanMaskRuns(const MaskView& mask, RunList& out);
// The scan against a background value the caller knows. The shape image is cleared to black
// before anything is drawn, so black is its background even when a caption or a frame covers
// the bottom left pixel; taking that pixel's colour then would turn the outline inside out.
void ScanMaskRuns(const MaskView& mask, std::uint8_t background, RunList& out);

// The box of the see-through circle around the cursor (client coordinates): its diameter is
// hole_size percent (held in 10..100) of the clock size.
Rect HoleBox(Point cursor, int size, int hole_size);

} // namespace vistrel
