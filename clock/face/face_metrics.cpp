#include "clock/face/face_metrics.h"

#include <cstdlib>

namespace vistrel {

FaceMetrics ComputeFaceMetrics(const FaceMeasures& in) {
    FaceMetrics m;
    m.size = ClampTo(in.size, kMinClockSize, kMaxClockSize);
    const std::int64_t r = NearestRatio(m.size, 2);
    m.radius = static_cast<int>(r);
    m.centre = {NearestRatio(ClampTo(in.clientWidth, 0, kMaxClockSize), 2),
                NearestRatio(ClampTo(in.clientHeight, 0, kMaxClockSize), 2)};
    m.shadowOffset = NearestRatio(m.size, 150);
    if (m.shadowOffset == 0) m.shadowOffset = 1;
    m.tick5Half = NearestRatio(r * ClampTo(in.thick5Size, 0, 100), 1000);
    m.tickHalf = NearestRatio(r * ClampTo(in.thickSize, 0, 100), 1000);
    m.tickRing = NearestRatio(r * ClampTo(in.thickPos, 0, 100), 100);
    // R/3 x pos/20 + R/3 x 2 in one exact fraction, rounded once.
    m.numeralRing = NearestRatio(r * (ClampTo(in.mojiBanPos, 0, 20) + 40), 60);
    m.frameRadius = NearestRatio(r * ClampTo(in.framePos, 1, 100), 100);
    m.frameWidth = NearestRatio(r * ClampTo(in.frameWidth, 1, 100), 100);
    return m;
}

int CaptionFontPoints(int size, int captionSize) {
    return NearestRatio(ClampTo(size, kMinClockSize, kMaxClockSize),
                        17 - ClampTo(captionSize, 0, 10));
}

int NumeralFontPoints(int size, int mojiSize) {
    return NearestRatio(ClampTo(size, kMinClockSize, kMaxClockSize),
                        15 - ClampTo(mojiSize, 0, 10));
}

int NarrowCharWidth(int charHeight, int pitchWidth) {
    const std::int64_t height = std::llabs(static_cast<std::int64_t>(charHeight));
    // height / (pitch / 10) == height * 10 / pitch; integer division truncates.
    return static_cast<int>(height * 10 / ClampTo(pitchWidth, 20, 50));
}

} // namespace vistrel
