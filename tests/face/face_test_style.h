// The default style's values, written out as plain numbers, and the face they give.
#pragma once

#include "clock/face/face_metrics.h"

namespace vistrel::test_support {

inline constexpr int kDefaultSize = 133;

inline FaceMeasures DefaultFaceMeasures(int size = kDefaultSize) {
    FaceMeasures m;
    m.size = size;
    m.clientWidth = size;
    m.clientHeight = size;
    m.thickPos = 74;
    m.thick5Size = 37;
    m.thickSize = 18;
    m.mojiBanPos = 20;
    m.framePos = 99;
    m.frameWidth = 8;
    return m;
}

inline FaceMetrics DefaultFace(int size = kDefaultSize) {
    return ComputeFaceMetrics(DefaultFaceMeasures(size));
}

} // namespace vistrel::test_support
