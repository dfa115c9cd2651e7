#include "clock/common/date_format.h"

#include <cctype>
#include <cstdio>

namespace vistrel {

namespace {

// The process-wide formats that the composite tokens stand for.
constexpr std::string_view kShortDate = "yyyy/mm/dd";
constexpr std::string_view kShortTime = "hh:nn:ss";
constexpr std::string_view kLongTime = "hh:mm:ss";

constexpr const char* kShortDayNames[] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr const char* kLongDayNames[] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                         "木曜日", "金曜日", "土曜日"};

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view s, std::size_t at, std::string_view word) {
    if (s.size() - at < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (Upper(s[at + k]) != Upper(word[k])) return false;
    }
    return true;
}

// An hour is shown on a 12-hour clock when the pattern names the half of the day anywhere
// outside quoted text, before or after the hour.
bool HoldsHalfDay(std::string_view p) {
    char quote = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (quote) {
            if (p[i] == quote) quote = 0;
        } else if (p[i] == '"' || p[i] == '\'') {
            quote = p[i];
        } else if (StartsWithNoCase(p, i, "AM/PM") || StartsWithNoCase(p, i, "A/P")) {
            return true;
        }
    }
    return false;
}

class Formatter {
public:
    explicit Formatter(TDateTime t)
        : date_(DecodeDate(t)), time_(DecodeTime(t)), weekday_(DayOfWeek(t)) {}

    void Append(std::string_view p, int depth) {
        const bool twelve = HoldsHalfDay(p);
        char last = ' ';
        std::size_t i = 0;
        while (i < p.size()) {
            const char c = p[i];
            char token = Upper(c);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && last == 'H') token = 'N';
                last = token;
            }
            const std::size_t count = RunLength(p, i);
            switch (token) {
            case 'Y':
                Number(count <= 2 ? date_.year % 100 : date_.year, count <= 2 ? 2 : 4);
                i += count;
                break;
            case 'M':
                Number(date_.month, count >= 2 ? 2 : 1);
                i += count;
                break;
            case 'D':
                Day(count, depth);
                i += count;
                break;
            case 'H':
                Number(twelve ? TwelveHour() : time_.hour, count >= 2 ? 2 : 1);
                i += count;
                break;
            case 'N':
                Number(time_.minute, count >= 2 ? 2 : 1);
                i += count;
                break;
            case 'S':
                Number(time_.second, count >= 2 ? 2 : 1);
                i += count;
                break;
            case 'Z':
                Number(time_.ms, count >= 3 ? 3 : static_cast<int>(count));
                i += count;
                break;
            case 'C':
                Nested(kShortDate, depth);
                if (time_.hour || time_.minute || time_.second) {
                    out_ += ' ';
                    Nested(kLongTime, depth);
                }
                i += count;
                break;
            case 'T':
                Nested(count == 1 ? kShortTime : kLongTime, depth);
                i += count;
                break;
            case 'A': i += HalfDay(p, i); break;
            case '"':
            case '\'': i = Literal(p, i); break;
            default:
                out_ += c;
                ++i;
                break;
            }
        }
    }

    std::string Take() { return std::move(out_); }

private:
    static std::size_t RunLength(std::string_view p, std::size_t i) {
        std::size_t n = 1;
        while (i + n < p.size() && Upper(p[i + n]) == Upper(p[i])) ++n;
        return n;
    }

    int TwelveHour() const {
        const int h = time_.hour % 12;
        return h == 0 ? 12 : h;
    }

    void Number(int value, int min_digits) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%0*d", min_digits, value);
        out_ += buf;
    }

    void Day(std::size_t count, int depth) {
        switch (count) {
        case 1:
        case 2: Number(date_.day, static_cast<int>(count)); break;
        case 3: out_ += kShortDayNames[weekday_ - 1]; break;
        case 4: out_ += kLongDayNames[weekday_ - 1]; break;
        default: Nested(kShortDate, depth); break;
        }
    }

    // Composite tokens expand to patterns of their own; one level is enough for them.
    void Nested(std::string_view pattern, int depth) {
        if (depth < 1) Append(pattern, depth + 1);
    }

    // AM/PM and A/P keep the letter case that the pattern gives them; an 'a' that starts
    // neither is an ordinary character. Returns the characters used.
    std::size_t HalfDay(std::string_view p, std::size_t i) {
        const bool pm = time_.hour >= 12;
        if (StartsWithNoCase(p, i, "AM/PM")) {
            out_.append(p.substr(pm ? i + 3 : i, 2));
            return 5;
        }
        if (StartsWithNoCase(p, i, "A/P")) {
            out_ += p[pm ? i + 2 : i];
            return 3;
        }
        out_ += p[i];
        return 1;
    }

    // Text between quotes is copied as it stands; an unclosed quote runs to the end.
    std::size_t Literal(std::string_view p, std::size_t i) {
        const char quote = p[i];
        const std::size_t end = p.find(quote, i + 1);
        const std::size_t stop = end == std::string_view::npos ? p.size() : end;
        out_.append(p.substr(i + 1, stop - i - 1));
        return end == std::string_view::npos ? p.size() : end + 1;
    }

    DateParts date_;
    TimeParts time_;
    int weekday_;
    std::string out_;
};

} // namespace

std::string FormatDateTime(std::string_view pattern, TDateTime t) {
    Formatter f(t);
    f.Append(pattern, 0);
    return f.Take();
}

} // namespace vistrel
