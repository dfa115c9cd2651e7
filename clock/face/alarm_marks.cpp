#include "clock/face/alarm_marks.h"

#include <cstdint>

namespace vistrel {

namespace {

std::int64_t HorizonMs(const AlarmMarkSettings& s, TDateTime now) {
    const std::int64_t nowMs = ToMilliseconds(now);
    switch (s.join) {
    case 1:
        return nowMs + static_cast<std::int64_t>(s.mRange) * 60'000;
    case 2:
        return nowMs + static_cast<std::int64_t>(s.hRange) * 3'600'000;
    default:
        return nowMs;
    }
}

int MarkAngle(int join, TDateTime next) {
    const TimeParts t = DecodeTime(next);
    switch (join) {
    case 1:
        return t.minute * 6;
    case 2:
        return t.hour * 30 + t.minute / 2; // trunc(hour x 30 + minute x 0.5)
    default:
        return 0;
    }
}

} // namespace

AlarmMarksDrawing DrawAlarmMarks(const FaceMetrics& face, const AlarmMarkSettings& s,
                                 std::span<const AlarmMarkSource> alarms, TDateTime now) {
    AlarmMarksDrawing d;
    d.shadowOffset = face.shadowOffset;
    if (!s.alarmUse)
        return d;
    const std::int64_t horizon = HorizonMs(s, now);
    const std::int64_t r = face.radius;
    const int rim = NearestRatio(r * 97, 100);
    const int inner = NearestRatio(r * 87, 100);
    const int dotRing = NearestRatio(r * 92, 100);
    const int dotRadius = NearestRatio(r * 5, 100);
    RegionRecipe unshifted;
    // The list is sorted, so the first alarm beyond the horizon ends the walk.
    for (const AlarmMarkSource& alarm : alarms) {
        if (ToMilliseconds(alarm.next) > horizon)
            break;
        if (alarm.mark != 1 && alarm.mark != 2)
            continue;
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
            const Point c = PolarPoint(m.angle, dotRing, face.centre);
            m.dot = {c.x - dotRadius, c.y - dotRadius, c.x + dotRadius, c.y + dotRadius};
            unshifted.AddEllipse(m.dot);
        }
        d.marks.push_back(std::move(m));
    }
    d.region = unshifted;
    const RegionRecipe shadow = Shifted(unshifted, face.shadowOffset, face.shadowOffset);
    d.region.parts.insert(d.region.parts.end(), shadow.parts.begin(), shadow.parts.end());
    return d;
}

} // namespace vistrel
