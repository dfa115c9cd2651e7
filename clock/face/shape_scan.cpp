#include "clock/face/shape_scan.h"

#include <algorithm>
#include <cstring>

#include "clock/common/error.h"
#include "clock/common/texts.h"
#include "clock/face/face_metrics.h"

namespace vistrel {

namespace {

// Eight bytes at a time over the background; faces are mostly background.
const std::uint8_t* SkipBackground(const std::uint8_t* p, const std::uint8_t* end,
                                   std::uint8_t bg) {
    const std::uint64_t pattern = 0x0101010101010101ull * bg;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if (word != pattern) break;
        p += 8;
    }
    while (p < end && *p == bg) ++p;
    return p;
}

const std::uint8_t* FindBackground(const std::uint8_t* p, const std::uint8_t* end,
                                   std::uint8_t bg) {
    const void* hit = std::memchr(p, bg, static_cast<std::size_t>(end - p));
    return hit ? static_cast<const std::uint8_t*>(hit) : end;
}

void ScanRow(const std::uint8_t* row, int width, int y, std::uint8_t bg, RunList& out) {
    const std::uint8_t* const end = row + width;
    const std::uint8_t* p = row;
    int runs = 0;
    while (p < end) {
        if (runs >= kMaxRunsPerRow) throw Error(Tr(Tx::DrawBadShape));
        p = SkipBackground(p, end, bg);
        if (p == end) return;
        const std::uint8_t* const start = p;
        p = FindBackground(p, end, bg);
        out.rects.push_back({static_cast<int>(start - row), y, static_cast<int>(p - row), y + 1});
        ++runs;
        if (p < end) ++p; // the pixel that ended the run is background
    }
}

} // namespace

RunList ScanMaskRuns(const MaskView& mask) {
    RunList out;
    ScanMaskRuns(mask, out);
    return out;
}

void ScanMaskRuns(const MaskView& mask, RunList& out) {
    if (mask.pixels == nullptr || mask.width <= 0 || mask.height <= 0) {
        out.rects.clear();
        out.bounds = {};
        return;
    }
    const std::uint8_t corner =
        mask.pixels[static_cast<std::ptrdiff_t>(mask.height - 1) * mask.stride];
    ScanMaskRuns(mask, corner, out);
}

void ScanMaskRuns(const MaskView& mask, std::uint8_t background, RunList& out) {
    out.rects.clear();
    out.bounds = {};
    if (mask.pixels == nullptr || mask.width <= 0 || mask.height <= 0) return;
    for (int y = 0; y < mask.height; ++y)
        ScanRow(mask.pixels + static_cast<std::ptrdiff_t>(y) * mask.stride, mask.width, y,
                background, out);
    if (!out.rects.empty()) {
        Rect b{mask.width, out.rects.front().top, 0, out.rects.back().bottom};
        for (const Rect& r : out.rects) {
            b.left = std::min(b.left, r.left);
            b.right = std::max(b.right, r.right);
        }
        out.bounds = b;
    }
}

Rect HoleBox(Point cursor, int size, int hole_size) {
    const int r =
        NearestRatio(static_cast<std::int64_t>(ClampTo(size, kMinClockSize, kMaxClockSize)) *
                         ClampTo(hole_size, 10, 100),
                     200);
    return {cursor.x - r, cursor.y - r, cursor.x + r, cursor.y + r};
}

} // namespace vistrel
