// The default style's values, written out as plain numbers, and the face they give.
#pragma once

#include "clock/face/face_metrics.h"

namespace vistrel::test_support {

inline constexpr int kDefaultSize = 133;

inline FaceMeasures DefaultFaceMeasures(int size = kDefaultSize) {
    FaceMeasures m;
    m.size = size;
    m.client_width = size;
    m.client_height = size;
    m.thick_pos = 74;
    m.thick5_size = 37;
    m.thick_size = 18;
    m.moji_ban_pos = 20;
    m.frame_pos = 99;
    m.frame_width = 8;
    return m;
}

inline FaceMetrics DefaultFace(int size = kDefaultSize) {
    return ComputeFaceMetrics(DefaultFaceMeasures(size));
}

} // namespace vistrel::test_support
