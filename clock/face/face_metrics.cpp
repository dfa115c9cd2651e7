#include "clock/face/face_metrics.h"

#include <cstdlib>

namespace vistrel {

FaceMetrics ComputeFaceMetrics(const FaceMeasures& in) {
    FaceMetrics m;
    m.size = ClampTo(in.size, kMinClockSize, kMaxClockSize);
    const std::int64_t r = NearestRatio(m.size, 2);
    m.radius = static_cast<int>(r);
    m.centre = {NearestRatio(ClampTo(in.client_width, 0, kMaxClockSize), 2),
                NearestRatio(ClampTo(in.client_height, 0, kMaxClockSize), 2)};
    m.shadow_offset = NearestRatio(m.size, 150);
    if (m.shadow_offset == 0) m.shadow_offset = 1;
    m.tick5_half = NearestRatio(r * ClampTo(in.thick5_size, 0, 100), 1000);
    m.tick_half = NearestRatio(r * ClampTo(in.thick_size, 0, 100), 1000);
    m.tick_ring = NearestRatio(r * ClampTo(in.thick_pos, 0, 100), 100);
    // R/3 x pos/20 + R/3 x 2 in one exact fraction, rounded once.
    m.numeral_ring = NearestRatio(r * (ClampTo(in.moji_ban_pos, 0, 20) + 40), 60);
    m.frame_radius = NearestRatio(r * ClampTo(in.frame_pos, 1, 100), 100);
    m.frame_width = NearestRatio(r * ClampTo(in.frame_width, 1, 100), 100);
    return m;
}

int CaptionFontPoints(int size, int caption_size) {
    return NearestRatio(ClampTo(size, kMinClockSize, kMaxClockSize),
                        17 - ClampTo(caption_size, 0, 10));
}

int NumeralFontPoints(int size, int moji_size) {
    return NearestRatio(ClampTo(size, kMinClockSize, kMaxClockSize),
                        15 - ClampTo(moji_size, 0, 10));
}

int NarrowCharWidth(int char_height, int pitch_width) {
    const std::int64_t height = std::llabs(static_cast<std::int64_t>(char_height));
    // height / (pitch / 10) == height * 10 / pitch; integer division truncates.
    return static_cast<int>(height * 10 / ClampTo(pitch_width, 20, 50));
}

} // namespace vistrel
