// The marks of coming alarms at the rim: a small triangle or a dot at the alarm's minute
// (or hour), for the alarms due up to a horizon ahead of now.
#pragma once

#include <span>
#include <vector>

#include "clock/common/date_time.h"
#include "clock/face/face_colours.h"
#include "clock/face/face_metrics.h"
#include "clock/face/region_recipe.h"

namespace vistrel {

// What the face needs of an alarm record. The list is in ascending order of `next`.
struct AlarmMarkSource {
    int mark = 0; // 1 triangle, 2 dot, anything else no mark
    Colour colour = 0;
    TDateTime next = 0;
};

struct AlarmMarkSettings {
    bool alarm_use = false;
    int join = 0; // 1 minutes ahead (m_range), 2 hours ahead (h_range), else only due alarms
    int m_range = 0;
    int h_range = 0;
};

struct DialMark {
    int kind = 0; // 1 triangle, 2 dot
    int angle = 0;
    Polygon triangle; // kind 1
    Rect dot;         // kind 2, the circle's box
    Colour colour = 0;
};

// Each mark is painted twice: its shadow in black at (shadow_offset, shadow_offset), then the
// mark itself with a black pen and its colour as brush.
struct AlarmMarksDrawing {
    int shadow_offset = 0;
    std::vector<DialMark> marks;
    RegionRecipe region; // the marks and their shadows
};

AlarmMarksDrawing DrawAlarmMarks(const FaceMetrics& face, const AlarmMarkSettings& s,
                                 std::span<const AlarmMarkSource> alarms, TDateTime now);

} // namespace vistrel
