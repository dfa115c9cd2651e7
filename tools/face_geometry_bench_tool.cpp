// Measures the face geometry: the median time to compute every layer of the default face, and
// to scan shape images of 133, 400 and 1000 pixels into region rectangles.
// Usage: face_geometry_bench [rounds]
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "clock/common/date_time.h"
#include "clock/face/alarm_marks.h"
#include "clock/face/face_captions.h"
#include "clock/face/face_frame.h"
#include "clock/face/face_layers.h"
#include "clock/face/face_numerals.h"
#include "clock/face/face_ticks.h"
#include "clock/face/hands.h"
#include "clock/face/shape_scan.h"
#include "tests/face/face_test_style.h"

using namespace vistrel;

namespace {

TextExtent RoughText(const std::string& text, bool narrowed) {
    return {static_cast<int>(text.size()) * (narrowed ? 5 : 7), 13};
}

// Everything the default style draws at 10:08:37, plus a frame and two alarm marks.
std::size_t ComputeDefaultFace(int size) {
    const FaceMetrics face = ComputeFaceMetrics(test_support::DefaultFaceMeasures(size));
    std::size_t items = 0;
    const std::array<int, 7> order{0, 1, 2, 3, 4, 5, 6};
    items += LayerStack(order).size();

    const HandAngles a = HandAnglesAt(10, 8, 37);
    const HandMeasures hands[] = {{0, 50, 15, 45}, {0, 80, 25, 31}, {0, 80, 25, 10}};
    const int angles[] = {a.hour, a.minute, a.second};
    const Colour colours[] = {65535, 16711680, 52479};
    for (int i = 0; i < 3; ++i)
        items += DrawHand(MakeHandSpec(face, hands[i], angles[i]), face.centre, colours[i], 0,
                          face.radius)
                     .clipped_fills.size();

    TickStyleValues t;
    t.major_thick = t.minor_thick = t.gradation = t.color_change = true;
    t.thick_style = 1;
    t.color5 = 65280;
    t.color_t = 16777164;
    t.color52 = 16711935;
    t.color_t2 = 255;
    t.current_second = 37;
    items += LayoutTicks(face, t).marks.size();

    NumeralStyleValues n;
    n.show = n.all = n.pitch = n.shadow = n.gradation = true;
    n.first = 26367;
    n.last = 65407;
    n.hour = 10;
    items += LayoutNumerals(face, n, RoughText).numerals.size();

    const bool date_side = DateSideFor(0, 10, true);
    const Point date = CaptionTopLeft(face, {60, 14}, 8, date_side);
    const Point time = CaptionTopLeft(face, {50, 14}, 8, TimeSideFor(0, date_side, false));
    items += static_cast<std::size_t>((date.x + time.x) & 1);

    items += DrawFrame(face, {true, kFrameOctagon, 0, 1}).region.parts.size();
    const TDateTime now = EncodeDateTime(2026, 12, 8, 10, 8, 37, 0);
    const std::vector<AlarmMarkSource> alarms = {{1, 255, now + 5.0 / 1440},
                                                 {2, 65280, now + 9.0 / 1440}};
    items += DrawAlarmMarks(face, {true, 1, 10, 0}, alarms, now).marks.size();
    return items;
}

// A face-like shape image: the tick squares, numeral blocks and a date line, white on black.
std::vector<std::uint8_t> FaceMask(int size) {
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(size) * size, 0);
    const auto fill = [&](Rect r) {
        for (int y = std::max(0, r.top); y < std::min(size, r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(size, r.right); ++x)
                mask[static_cast<std::size_t>(y) * size + x] = 0xFF;
    };
    const FaceMetrics face = ComputeFaceMetrics(test_support::DefaultFaceMeasures(size));
    TickStyleValues t;
    t.major_thick = t.minor_thick = true;
    t.thick_style = kTickSquareSimple;
    for (const Rect& r : LayoutTicks(face, t).mask_boxes) fill(r);
    const int glyph = std::max(2, size / 20);
    for (int h = 1; h <= 12; ++h) {
        const Point p = PolarPoint(30 * h, face.numeral_ring - glyph, face.centre);
        // Glyph-like: a few vertical strokes per numeral.
        for (int s = 0; s < (h >= 10 ? 4 : 2); ++s)
            fill({p.x - glyph + s * glyph / 2, p.y - glyph,
                  p.x - glyph + s * glyph / 2 + glyph / 4 + 1, p.y + glyph});
    }
    for (int s = 0; s < 16; ++s) // the date: sixteen strokes under the centre
        fill({face.centre.x - 8 * glyph / 2 + s * glyph / 2, face.centre.y + glyph,
              face.centre.x - 8 * glyph / 2 + s * glyph / 2 + glyph / 4 + 1,
              face.centre.y + 3 * glyph});
    return mask;
}

// Median of `rounds` timings of `batch` calls, in microseconds per call.
double MedianMicros(int rounds, int batch, const std::function<void()>& work) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(rounds));
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < batch; ++i) work();
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        times.push_back(took.count() / batch);
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[static_cast<std::size_t>(rounds / 2)];
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 201;
    volatile std::size_t sink = 0;
    std::printf("full default face geometry, size 133: %8.2f us\n",
                MedianMicros(rounds, 100, [&] { sink = sink + ComputeDefaultFace(133); }));
    for (const int size : {133, 400, 1000}) {
        const std::vector<std::uint8_t> mask = FaceMask(size);
        const MaskView view{mask.data(), size, size, size};
        RunList kept; // as a renderer keeps it from one render to the next
        ScanMaskRuns(view, kept);
        const int batch = size >= 1000 ? 5 : 50;
        const double reused = MedianMicros(rounds, batch, [&] {
            ScanMaskRuns(view, kept);
            sink = sink + kept.rects.size();
        });
        const double fresh =
            MedianMicros(rounds, batch, [&] { sink = sink + ScanMaskRuns(view).rects.size(); });
        std::printf("scan of a %4d x %-4d shape image (%5zu runs): %8.2f us reusing the run list, "
                    "%8.2f us with a new one\n",
                    size, size, kept.rects.size(), reused, fresh);
    }
    return 0;
}
