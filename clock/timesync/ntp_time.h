// Conversions between local date-times and NTP timestamps (64 bits: unsigned seconds since
// 1900-01-01 00:00 UTC, then a fraction of a second in units of 2^-32 s).
#pragma once

#include <cstdint>

#include "clock/common/date_time.h"

namespace vistrel {

struct NtpStamp {
    std::uint32_t seconds = 0;
    std::uint32_t fraction = 0;
    bool operator==(const NtpStamp&) const = default;
    bool IsZero() const { return seconds == 0 && fraction == 0; }
};

// The time-zone bias in minutes as Windows gives it: UTC = local + bias (Japan: -540).
// The stamp's seconds field wraps in February 2036; times from then on are written modulo 2^32.
// The fraction is the first value inside the millisecond, so that reading it back (which
// truncates to whole milliseconds) gives the same millisecond.
NtpStamp LocalTimeToNtpStamp(TDateTime local, int bias_minutes);

// Reads a stamp back to local time, truncated to whole milliseconds. The seconds field is read
// in the era its top bit names: set, 1968-2036 (counted from 1900); clear, 2036-2104 (counted
// from the wrap on 2036-02-07 06:28:16 UTC).
TDateTime NtpStampToLocalTime(NtpStamp stamp, int bias_minutes);

// Replaces the sub-millisecond part of the fraction by `random` (taken modulo the width of one
// millisecond), so that the stamp is hard to guess yet still names the same millisecond.
NtpStamp WithRandomSubMillisecond(NtpStamp stamp, std::uint32_t random);

} // namespace vistrel
