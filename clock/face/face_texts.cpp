#include "clock/face/face_texts.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace vistrel {

namespace {

using WeekRow = std::array<const char*, 7>;
constexpr std::array<WeekRow, kWeekTypeCount> kWeekdayNames = {{
    {"", "", "", "", "", "", ""},
    {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"},
    {"SU", "MO", "TU", "WE", "TH", "FR", "SA"},
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"},
    {"日", "月", "火", "水", "木", "金", "土"},
}};

// The process-wide date format is "yyyy/mm/dd", so the user's date separator is "/".
constexpr char kDateSeparator = '/';

// Built by appending: GCC 12 warns falsely (-Wrestrict) about "literal" + std::string.
std::string Concat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const std::string_view p : parts) out.append(p);
    return out;
}

std::string TwoDigits(int v) {
    const std::string s = std::to_string(v % 100);
    return s.size() < 2 ? Concat({"0", s}) : s;
}

std::string Join(std::initializer_list<std::string> parts) {
    std::string out;
    for (const std::string& p : parts) {
        if (!out.empty()) out += kDateSeparator;
        out += p;
    }
    return out;
}

std::optional<std::string> FormatDate(const DateParts& d, int form) {
    const std::string yyyy = std::to_string(d.year);
    const std::string yy = TwoDigits(d.year);
    const std::string m = std::to_string(d.month);
    const std::string dd = std::to_string(d.day);
    switch (form) {
    case 0: return Join({yyyy, m, dd});
    case 1: return Join({yy, m, dd});
    case 2: return Join({m, dd});
    case 3: return dd;
    case 4: return Join({m, dd, yyyy});
    case 5: return Join({m, dd, yy});
    case 6: return Join({dd, m, yyyy});
    case 7: return Join({dd, m, yy});
    case 8: return Join({dd, m});
    default: return std::nullopt;
    }
}

} // namespace

std::string WeekdayName(int week_type, int day_of_week) {
    if (week_type < 0 || week_type >= kWeekTypeCount || day_of_week < 1 || day_of_week > 7)
        return {};
    return kWeekdayNames[static_cast<std::size_t>(week_type)]
                        [static_cast<std::size_t>(day_of_week - 1)];
}

std::string FormatDateText(TDateTime now, int date_form, int week_type, bool weekday_after_date) {
    const std::optional<std::string> date = FormatDate(DecodeDate(now), date_form);
    if (!date) return {};
    const std::string weekday = WeekdayName(week_type, DayOfWeek(now));
    return weekday_after_date ? Concat({*date, " ", weekday}) : Concat({weekday, " ", *date});
}

std::optional<std::string> FormatTimeText(TDateTime now, int time_form) {
    if (time_form < 0 || time_form >= kTimeFormCount) return std::nullopt;
    const TimeParts t = DecodeTime(now);
    const bool twelve_hour = time_form == 1 || time_form == 2 || time_form == 4 || time_form == 5;
    const bool seconds = time_form <= 2;
    const int hour = twelve_hour ? (t.hour % 12 == 0 ? 12 : t.hour % 12) : t.hour;
    std::string clock = Concat({std::to_string(hour), ":", TwoDigits(t.minute)});
    if (seconds) clock = Concat({clock, ":", TwoDigits(t.second)});
    const std::string half = t.hour < 12 ? "AM" : "PM";
    switch (time_form) {
    case 1:
    case 4: return Concat({clock, " ", half});
    case 2:
    case 5: return Concat({half, " ", clock});
    default: return clock;
    }
}

} // namespace vistrel
