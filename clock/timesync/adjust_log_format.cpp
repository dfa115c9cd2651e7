#include "clock/timesync/adjust_log_format.h"

#include <cstdint>
#include <cstdio>

#include "clock/common/texts.h"

namespace vistrel {

namespace {

std::string FormatTimeOfDay(std::int64_t ms) {
    ms %= 86400000LL;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d %03dms", static_cast<int>(ms / 3600000),
                  static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60),
                  static_cast<int>(ms % 1000));
    return buf;
}

} // namespace

std::string FormatLogTime(TDateTime t) {
    const DateParts d = DecodeDate(t);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%02d ", d.year % 100, d.month, d.day);
    const std::int64_t ms = ToMilliseconds(t);
    const std::int64_t day_ms = ms % 86400000LL;
    return buf + FormatTimeOfDay(day_ms < 0 ? -day_ms : day_ms);
}

std::string FormatClockChange(TDateTime server, TDateTime local) {
    const std::int64_t diff = ToMilliseconds(server) - ToMilliseconds(local);
    if (diff > 0) return TrFill(Tx::LogAdvanced, {FormatTimeOfDay(diff)});
    return TrFill(Tx::LogPutBack, {FormatTimeOfDay(-diff)});
}

DelayCorrection OneWayDelay(int average_round_trip_ms) {
    const int half = average_round_trip_ms / 2;
    return {half / 1000, half % 1000};
}

TDateTime AddDelay(TDateTime t, DelayCorrection delay) {
    return FromMilliseconds(ToMilliseconds(t) + delay.seconds * 1000LL + delay.ms);
}

} // namespace vistrel
