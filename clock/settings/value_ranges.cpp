#include "clock/settings/value_ranges.h"

#include <algorithm>
#include <array>

#include "clock/common/error.h"

namespace vistrel {

namespace {

using O = TOptionItem;

constexpr ValueRange Measure(const char* s, const char* k, int O::*f, int low, int high) {
    return {s, k, f, low, high, true};
}
constexpr ValueRange Code(const char* s, const char* k, int O::*f, int low, int high) {
    return {s, k, f, low, high, false};
}

// Ranges as the options dialog's track bars and spin edits offer them; codes as its lists.
constexpr std::array kRanges = {
    // The program's settings.
    Measure("Common", "Trans", &O::Trans, 30, 255),
    Code("Common", "DblClickAction", &O::DblClickAction, 0, 4),
    Code("Common", "DateCharForm", &O::DateCharForm, 0, 8),
    Code("Common", "TimeCharForm", &O::TimeCharForm, 0, 6),
    Code("Common", "WeekType", &O::WeekType, 0, 5),
    Code("Common", "PointType", &O::PointType, 0, 5),
    Code("Alarm", "Join", &O::Join, 0, 2),
    Measure("Alarm", "HRange", &O::HRange, 1, 11),
    Measure("Alarm", "MRange", &O::MRange, 1, 59),
    Code("Alarm", "MsgType", &O::MsgType, 0, 2),
    Measure("Alarm", "Interval", &O::Interval, 0, 59),
    Measure("Alarm", "Times", &O::Times, 0, 59),
    Measure("Alarm", "Speed", &O::Speed, 1, 6),
    Code("Alarm", "Action", &O::Action, 0, 2),
    Measure("Alarm", "SnoozeMinutes", &O::SnoozeMinutes, kSnoozeMinutesMin, kSnoozeMinutesMax),
    Measure("NTP", "TimeOut", &O::TimeOut, 1, 300),
    Measure("Lock", "HoleSize", &O::HoleSize, 10, 100),
    Measure("Lock", "EscapeSpeed", &O::EscapeSpeed, 1, 5),
    Code("Lock", "Mode", &O::Mode, 0, 3),
    Code("Lock", "TempKey", &O::TempKey, 0, 3),
    // The style.
    Measure("Thick", "ThickPos", &O::ThickPos, 0, 100),
    Measure("Thick", "Thick5Size", &O::Thick5Size, 0, 100),
    Measure("Thick", "ThickSize", &O::ThickSize, 0, 100),
    Code("Thick", "Style", &O::ThickStyle, 0, 3),
    Measure("Common", "MojiBanPos", &O::MojiBanPos, 0, 20),
    Code("Common", "MojiBanType", &O::MojiBanType, 0, 3),
    Code("Common", "DateCharPos", &O::DateCharPos, 0, 3),
    Measure("Common", "DateCharInOut", &O::DateCharInOut, 0, 20),
    Code("Common", "TimeCharPos", &O::TimeCharPos, 0, 2),
    Measure("Common", "TimeCharInOut", &O::TimeCharInOut, 0, 20),
    Measure("Font", "DateSize", &O::DateSize, 0, 10),
    Measure("Font", "MojiBanPitchWidth", &O::MojiBanPitchWidth, 20, 50),
    Measure("Font", "MojiSize", &O::MojiSize, 0, 10),
    Measure("Font", "TimeSize", &O::TimeSize, 0, 10),
    Measure("Needle", "HNeedleW", &O::HNeedleW, 0, 100),
    Measure("Needle", "MNeedleW", &O::MNeedleW, 0, 100),
    Measure("Needle", "SNeedleW", &O::SNeedleW, 0, 100),
    Measure("Needle", "HLongLen", &O::HLongLen, 0, 100),
    Measure("Needle", "MLongLen", &O::MLongLen, 0, 100),
    Measure("Needle", "SLongLen", &O::SLongLen, 0, 100),
    Measure("Needle", "HShortLen", &O::HShortLen, 0, 30),
    Measure("Needle", "MShortLen", &O::MShortLen, 0, 30),
    Measure("Needle", "SShortLen", &O::SShortLen, 0, 30),
    Code("Needle", "Style", &O::NeedleStyle, 0, 14),
    Code("Needle", "MStyle", &O::MStyle, 0, 14),
    Code("Needle", "SStyle", &O::SStyle, 0, 14),
    Code("Frame", "Style", &O::FrameStyle, 0, 2),
    Measure("Frame", "Pos", &O::FramePos, 1, 100),
    Measure("Frame", "Width", &O::FrameWidth, 1, 100),
};

} // namespace

std::span<const ValueRange> ValueRanges() { return kRanges; }

const ValueRange& RangeOf(int TOptionItem::*field) {
    for (const ValueRange& r : kRanges)
        if (r.field == field) return r;
    throw Error("No range for this setting");
}

void ClampToRanges(TOptionItem& option) {
    for (const ValueRange& r : kRanges)
        if (r.clamped) option.*r.field = std::clamp(option.*r.field, r.low, r.high);
}

} // namespace vistrel
