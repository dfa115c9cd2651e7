#include "clock/common/date_time.h"

#include <cmath>
#include <cstdio>

#include "clock/common/error.h"

namespace vistrel {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int MonthDays(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days from 0001-01-01 to the date (proleptic Gregorian), as the serial's base.
constexpr std::int64_t DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468; // days since 1970-01-01
}

// A constant, so that date-time values initialised in other files before main see it.
constexpr std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);

DateParts CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// Days before a millisecond count, rounded down: -1.25 (1899-12-29 06:00) lies in day -1.
std::int64_t WholeDays(std::int64_t ms) {
    return ms >= 0 ? ms / 86400000LL : -((-ms + 86399999LL) / 86400000LL);
}

// Skips spaces; reads 1..max_digits digits.
bool ReadNumber(std::string_view s, std::size_t& i, int max_digits, int& out) {
    int n = 0, v = 0;
    while (i < s.size() && n < max_digits && s[i] >= '0' && s[i] <= '9') {
        v = v * 10 + (s[i] - '0');
        ++i;
        ++n;
    }
    out = v;
    return n > 0;
}

// A year is written with four digits: "01/01/01" is no date, not the year 1.
bool ReadYear(std::string_view s, std::size_t& i, int& out) {
    const std::size_t start = i;
    return ReadNumber(s, i, 4, out) && i - start == 4;
}

bool Expect(std::string_view s, std::size_t& i, char c) {
    if (i < s.size() && s[i] == c) {
        ++i;
        return true;
    }
    return false;
}

void SkipSpaces(std::string_view s, std::size_t& i) {
    while (i < s.size() && s[i] == ' ') ++i;
}

std::optional<TDateTime> ParseTime(std::string_view s, std::size_t& i) {
    int h = 0, n = 0, sec = 0;
    if (!ReadNumber(s, i, 2, h) || !Expect(s, i, ':') || !ReadNumber(s, i, 2, n)) {
        return std::nullopt;
    }
    if (Expect(s, i, ':') && !ReadNumber(s, i, 2, sec)) return std::nullopt;
    if (h > 23 || n > 59 || sec > 59) return std::nullopt;
    return EncodeTime(h, n, sec, 0);
}

} // namespace

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= MonthDays(year, month);
}

TDateTime EncodeDate(int year, int month, int day) {
    if (!IsValidDate(year, month, day)) throw Error("Invalid argument to date encode");
    return static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
}

TDateTime EncodeTime(int hour, int minute, int second, int ms) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || ms < 0 ||
        ms > 999) {
        throw Error("Invalid argument to time encode");
    }
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + ms) / kMsPerDay;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int ms) {
    const TDateTime d = EncodeDate(year, month, day);
    const TDateTime t = EncodeTime(hour, minute, second, ms);
    // Before the base date the fraction still counts forward from the day's start.
    return d >= 0 ? d + t : d - t;
}

std::int64_t ToMilliseconds(TDateTime t) {
    const double day = std::trunc(t);
    const double frac = std::fabs(t - day);
    return static_cast<std::int64_t>(day) * 86400000LL +
           static_cast<std::int64_t>(std::llround(frac * kMsPerDay));
}

TDateTime FromMilliseconds(std::int64_t ms) {
    const std::int64_t day = ms >= 0 ? ms / 86400000LL : -((-ms + 86399999LL) / 86400000LL);
    const std::int64_t rest = ms - day * 86400000LL;
    const double frac = static_cast<double>(rest) / kMsPerDay;
    return day >= 0 ? static_cast<double>(day) + frac : static_cast<double>(day) - frac;
}

DateParts DecodeDate(TDateTime t) {
    return CivilFromDays(WholeDays(ToMilliseconds(t)) + kEpochOffset);
}

TimeParts DecodeTime(TDateTime t) {
    const std::int64_t all = ToMilliseconds(t);
    std::int64_t ms = all - WholeDays(all) * 86400000LL;
    TimeParts p;
    p.ms = static_cast<int>(ms % 1000);
    ms /= 1000;
    p.second = static_cast<int>(ms % 60);
    ms /= 60;
    p.minute = static_cast<int>(ms % 60);
    p.hour = static_cast<int>(ms / 60);
    return p;
}

int DayOfWeek(TDateTime t) {
    const std::int64_t days = WholeDays(ToMilliseconds(t)); // 1899-12-30 was a Saturday
    const std::int64_t w = ((days + 6) % 7 + 7) % 7;        // 0 = Sunday
    return static_cast<int>(w) + 1;
}

std::string DateToText(TDateTime t) {
    const DateParts d = DecodeDate(t);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", d.year, d.month, d.day);
    return buf;
}

std::string TimeToText(TDateTime t) {
    const TimeParts p = DecodeTime(t);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
    return buf;
}

std::string DateTimeToText(TDateTime t) {
    const TimeParts p = DecodeTime(t);
    if (p.hour == 0 && p.minute == 0 && p.second == 0) return DateToText(t);
    return DateToText(t) + " " + TimeToText(t);
}

std::optional<TDateTime> TextToDateTime(std::string_view s) {
    std::size_t i = 0;
    SkipSpaces(s, i);
    int y = 0, m = 0, d = 0;
    if (!ReadYear(s, i, y) || !Expect(s, i, '/') || !ReadNumber(s, i, 2, m) || !Expect(s, i, '/') ||
        !ReadNumber(s, i, 2, d)) {
        return std::nullopt;
    }
    if (!IsValidDate(y, m, d)) return std::nullopt;
    TDateTime time = 0;
    SkipSpaces(s, i);
    if (i < s.size()) {
        auto t = ParseTime(s, i);
        if (!t) return std::nullopt;
        time = *t;
        SkipSpaces(s, i);
        if (i != s.size()) return std::nullopt;
    }
    const TDateTime date = EncodeDate(y, m, d);
    return date >= 0 ? date + time : date - time;
}

std::optional<TDateTime> TextToTime(std::string_view s) {
    std::size_t i = 0;
    SkipSpaces(s, i);
    auto t = ParseTime(s, i);
    SkipSpaces(s, i);
    if (!t || i != s.size()) return std::nullopt;
    return t;
}

} // namespace vistrel
