#include "clock/timesync/ntp_time.h"

namespace vistrel {

namespace {

constexpr std::int64_t kMsPerDayInt = 86400000LL;
constexpr std::int64_t kEraMs = (std::int64_t{1} << 32) * 1000;
constexpr std::uint64_t kFractionPerSecond = std::uint64_t{1} << 32;

// Milliseconds of the serial 1900-01-01 00:00 (two days after the date-time base).
constexpr std::int64_t kNtpBaseMs = 2 * kMsPerDayInt;

// First fraction value whose truncation to milliseconds gives `ms`.
std::uint32_t FractionOfMillisecond(std::int64_t ms) {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(ms) * kFractionPerSecond + 999) /
                                      1000);
}

std::int64_t MillisecondOfFraction(std::uint32_t fraction) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(fraction) * 1000 /
                                     kFractionPerSecond);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

NtpStamp LocalTimeToNtpStamp(TDateTime local, int bias_minutes) {
    const std::int64_t utc_ms =
        ToMilliseconds(local) + std::int64_t{bias_minutes} * 60000 - kNtpBaseMs;
    const std::int64_t seconds = FloorDiv(utc_ms, 1000);
    const std::int64_t ms = utc_ms - seconds * 1000;
    NtpStamp stamp;
    stamp.seconds = static_cast<std::uint32_t>(static_cast<std::uint64_t>(seconds) & 0xFFFFFFFFu);
    stamp.fraction = FractionOfMillisecond(ms);
    return stamp;
}

TDateTime NtpStampToLocalTime(NtpStamp stamp, int bias_minutes) {
    const bool second_era = (stamp.seconds & 0x80000000u) == 0;
    const std::int64_t utc_ms = std::int64_t{stamp.seconds} * 1000 +
                                MillisecondOfFraction(stamp.fraction) + (second_era ? kEraMs : 0);
    return FromMilliseconds(utc_ms + kNtpBaseMs - std::int64_t{bias_minutes} * 60000);
}

NtpStamp WithRandomSubMillisecond(NtpStamp stamp, std::uint32_t random) {
    const std::int64_t ms = MillisecondOfFraction(stamp.fraction);
    const std::uint32_t first = FractionOfMillisecond(ms);
    // The last millisecond of a second ends at 2^32, one past the largest fraction.
    const std::uint64_t next =
        ms == 999 ? kFractionPerSecond : std::uint64_t{FractionOfMillisecond(ms + 1)};
    stamp.fraction = first + static_cast<std::uint32_t>(random % (next - first));
    return stamp;
}

} // namespace vistrel
