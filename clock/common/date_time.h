// Date-time values: days since 1899-12-30 00:00 local time as a double, the fraction being the
// time of day. Their text forms are fixed for the whole process: "yyyy/mm/dd" and "hh:mm:ss".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

using TDateTime = double;

inline constexpr double kMsPerDay = 86400000.0;

struct DateParts {
    int year = 1899, month = 12, day = 30;
};
struct TimeParts {
    int hour = 0, minute = 0, second = 0, ms = 0;
};

bool IsValidDate(int year, int month, int day);
// Throws Error for an impossible date or time.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int ms);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int ms);

DateParts DecodeDate(TDateTime t);
// The time of day, to the nearest millisecond.
TimeParts DecodeTime(TDateTime t);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime t);

// Milliseconds since 1899-12-30, rounded to the nearest; the exact form for comparisons.
std::int64_t ToMilliseconds(TDateTime t);
TDateTime FromMilliseconds(std::int64_t ms);

// "yyyy/mm/dd hh:mm:ss"; the time is left out when it is exactly midnight.
std::string DateTimeToText(TDateTime t);
std::string DateToText(TDateTime t); // "yyyy/mm/dd"
std::string TimeToText(TDateTime t); // "hh:mm:ss"
// Reads the text forms back: a date, optionally followed by a time; one-digit month, day and
// hour are accepted; a missing time is midnight. Nothing when the text is no valid date.
std::optional<TDateTime> TextToDateTime(std::string_view text);
// A time alone ("h:mm" or "h:mm:ss").
std::optional<TDateTime> TextToTime(std::string_view text);

} // namespace vistrel
