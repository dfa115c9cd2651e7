#include "clock/alarm/date_math.h"

#include <cmath>

#include "clock/common/error.h"

namespace vistrel {

namespace {
int MonthLength(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}
} // namespace

TDateTime DatePart(TDateTime x) { return std::trunc(x); }

TDateTime TimePart(TDateTime x) { return x - DatePart(x); }

TDateTime NextDay(TDateTime x) { return x + 1; }

TDateTime NextHour(TDateTime x) { return x + kOneHour; }

TDateTime PrevSecond(TDateTime x) { return x - kOneSecond; }

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(TDateTime x) {
    // The whole day alone, so that a time just before midnight cannot round into tomorrow.
    const DateParts d = DecodeDate(DatePart(x));
    return MonthLength(d.year, d.month);
}

TDateTime ChangeMonth(int delta, TDateTime x) {
    if (delta < -12 || delta > 12) {
        throw Error("Delta is Over in TernDateTime.ChangeMonth function");
    }
    DateParts d = DecodeDate(DatePart(x));
    d.month += delta;
    if (d.month > 12) {
        ++d.year;
        d.month -= 12;
    } else if (d.month <= 0) {
        --d.year;
        d.month += 12;
    }
    const int last = MonthLength(d.year, d.month);
    if (d.day > last) d.day = last;
    return EncodeDate(d.year, d.month, d.day);
}

TDateTime NextMonth(TDateTime x) { return ChangeMonth(1, x) + TimePart(x); }

} // namespace vistrel
