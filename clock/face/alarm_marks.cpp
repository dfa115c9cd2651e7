#include "clock/face/alarm_marks.h"

#include <cstdint>

namespace vistrel {

namespace {

std::int64_t HorizonMs(const AlarmMarkSettings& s, TDateTime now) {
    const std::int64_t now_ms = ToMilliseconds(now);
    switch (s.join) {
    case 1: return now_ms + static_cast<std::int64_t>(s.m_range) * 60'000;
    case 2: return now_ms + static_cast<std::int64_t>(s.h_range) * 3'600'000;
    default: return now_ms;
    }
}

int MarkAngle(int join, TDateTime next) {
    const TimeParts t = DecodeTime(next);
    switch (join) {
    case 1: return t.minute * 6;
    case 2: return t.hour * 30 + t.minute / 2; // trunc(hour x 30 + minute x 0.5)
    default: return 0;
    }
}

} // namespace

AlarmMarksDrawing DrawAlarmMarks(const FaceMetrics& face, const AlarmMarkSettings& s,
                                 std::span<const AlarmMarkSource> alarms, TDateTime now) {
    AlarmMarksDrawing d;
    d.shadow_offset = face.shadow_offset;
    if (!s.alarm_use) return d;
    const std::int64_t horizon = HorizonMs(s, now);
    const std::int64_t r = face.radius;
    const int rim = NearestRatio(r * 97, 100);
    const int inner = NearestRatio(r * 87, 100);
    const int dot_ring = NearestRatio(r * 92, 100);
    const int dot_radius = NearestRatio(r * 5, 100);
    RegionRecipe unshifted;
    // The list is sorted, so the first alarm beyond the horizon ends the walk.
    for (const AlarmMarkSource& alarm : alarms) {
        if (ToMilliseconds(alarm.next) > horizon) break;
        if (alarm.mark != 1 && alarm.mark != 2) continue;
        DialMark m;
        m.kind = alarm.mark;
        m.angle = MarkAngle(s.join, alarm.next);
        m.colour = alarm.colour;
        if (m.kind == 1) {
            m.triangle = {PolarPoint(AddAngle(m.angle, -3), rim, face.centre),
                          PolarPoint(AddAngle(m.angle, 3), rim, face.centre),
                          PolarPoint(m.angle, inner, face.centre)};
            unshifted.AddPolygon(m.triangle);
        } else {
            const Point c = PolarPoint(m.angle, dot_ring, face.centre);
            m.dot = {c.x - dot_radius, c.y - dot_radius, c.x + dot_radius, c.y + dot_radius};
            unshifted.AddEllipse(m.dot);
        }
        d.marks.push_back(std::move(m));
    }
    d.region = unshifted;
    const RegionRecipe shadow = Shifted(unshifted, face.shadow_offset, face.shadow_offset);
    d.region.parts.insert(d.region.parts.end(), shadow.parts.begin(), shadow.parts.end());
    return d;
}

} // namespace vistrel
