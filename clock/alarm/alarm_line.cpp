#include "clock/alarm/alarm_line.h"

#include <charconv>
#include <cstdint>
#include <iterator>
#include <limits>

#include "clock/common/text_encoding.h"

namespace vistrel {

namespace {

constexpr std::size_t kCurrentFields = 14;
constexpr std::size_t kRequiredFields = 13;
constexpr int kFirstQuotingVer = 69; // older files wrote bare fields with commas only
constexpr int kFirstTimerVer = 73;   // older files had no timer kind: 1, 2, 3 were daily...

bool IsGap(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsGap(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsGap(s.back())) s.remove_suffix(1);
    return s;
}

// Reads a quoted field starting at the quote; returns the position after the closing quote.
std::size_t ReadQuoted(std::string_view line, std::size_t i, std::string& out) {
    ++i;
    while (i < line.size()) {
        if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
                out += '"';
                i += 2;
                continue;
            }
            return i + 1;
        }
        out += line[i++];
    }
    return i;
}

// Older files: 13 comma-separated fields without quoting; the last is the rest of the line.
std::vector<std::string> SplitLegacyFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() + 1 < kRequiredFields) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) break;
        fields.emplace_back(Trim(line.substr(start, comma - start)));
        start = comma + 1;
    }
    const std::string_view rest = line.substr(start);
    fields.emplace_back(fields.size() + 1 == kRequiredFields ? rest : Trim(rest));
    return fields;
}

// Where a field lies, for the messages: the file, the line and the field's place (from 0).
struct FieldPlace {
    const std::string& path;
    std::size_t line_number;
    std::size_t field;
};

// The field's number as a user counts (from 1) and what the field holds, as the file's
// description calls it.
std::string FieldName(std::size_t field) {
    static constexpr const char* kNames[] = {
        "予備",       "種類",         "予備",     "マーク",          "色",
        "設定時刻",   "日",           "曜日",     "次回の時刻",      "メッセージ",
        "文字サイズ", "実行する動作", "サウンド", "事前に鳴らす秒数"};
    const std::string name = field < std::size(kNames) ? kNames[field] : "";
    return std::to_string(field + 1) + " 番目の項目（" + name + "）";
}

// A field as a message shows it: a long one is cut, so that the box stays readable.
std::string Shown(std::string_view field) {
    constexpr std::size_t kShownBytes = 60;
    if (field.size() <= kShownBytes) return std::string(field);
    return CutToSjisBytes(field, kShownBytes) + "…";
}

// The message of a bad field: the file and the line first, then the field, what it holds and
// what it should hold, so that the line can be mended in a text editor.
[[noreturn]] void ThrowBadField(const FieldPlace& at, std::string_view field,
                                const std::string& expected, std::string warning = {}) {
    throw AlarmFileError("アラーム情報ファイル「" + at.path + "」の " +
                             std::to_string(at.line_number) + " 行目、" + FieldName(at.field) +
                             "「" + Shown(field) + "」を読み取れません。\r\n" + expected,
                         std::move(warning));
}

std::int64_t ParseInteger(std::string_view field, std::int64_t lo, std::int64_t hi,
                          const FieldPlace& at) {
    std::string_view s = Trim(field);
    if (s.size() > 1 && s[0] == '+' && s[1] != '-') s.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || value < lo || value > hi) {
        ThrowBadField(at, field,
                      std::to_string(lo) + " から " + std::to_string(hi) +
                          " までの整数を書いてください。");
    }
    return value;
}

std::int32_t ParseInt32(std::string_view field, const FieldPlace& at) {
    return static_cast<std::int32_t>(ParseInteger(field, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max(), at));
}

// Colours are written signed; an unsigned form of the same 32 bits is read as well.
std::uint32_t ParseColour(std::string_view field, const FieldPlace& at) {
    return static_cast<std::uint32_t>(ParseInteger(field, std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::uint32_t>::max(), at));
}

TDateTime ParseDateTime(std::string_view field, bool warn, const FieldPlace& at) {
    if (auto t = TextToDateTime(field)) return *t;
    std::string warning;
    if (warn) warning = at.path + "の日付時刻文字列が不正です。" + "\r\n" + std::string(field);
    ThrowBadField(at, field, "日付時刻は「yyyy/mm/dd hh:mm:ss」の形で書いてください。",
                  std::move(warning));
}

// A line break inside a field would split the record in two on the next read.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

} // namespace

std::vector<std::string> SplitAlarmFields(std::string_view line, std::size_t max_fields) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (i < line.size() && IsGap(line[i])) ++i;
    while (i < line.size() && fields.size() < max_fields) {
        std::string field;
        if (line[i] == '"') {
            i = ReadQuoted(line, i, field);
        } else {
            const std::size_t start = i;
            while (i < line.size() && !IsGap(line[i]) && line[i] != ',') ++i;
            field.assign(line.substr(start, i - start));
        }
        fields.push_back(std::move(field));
        while (i < line.size() && IsGap(line[i])) ++i;
        if (i < line.size() && line[i] == ',') {
            ++i;
            while (i < line.size() && IsGap(line[i])) ++i;
            if (i == line.size() && fields.size() < max_fields) fields.emplace_back();
        }
    }
    return fields;
}

std::string QuoteAlarmField(std::string_view field) {
    bool quote = false;
    for (char c : field) {
        if (IsGap(c) || c == ',' || c == '"') {
            quote = true;
            break;
        }
    }
    if (!quote) return std::string(field);
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

TAlarmItem ParseAlarmLine(std::string_view line, const AlarmLineOptions& options,
                          const std::string& path, std::size_t line_number) {
    const bool current = options.ver >= kFirstQuotingVer;
    const std::vector<std::string> f =
        current ? SplitAlarmFields(line, kCurrentFields) : SplitLegacyFields(line);
    if (f.size() < kRequiredFields) {
        throw AlarmFileError(
            "アラーム情報ファイル「" + path + "」の " + std::to_string(line_number) +
            " 行目は項目が " + std::to_string(f.size()) + " 個しかありません。\r\n" +
            "1 行に 13 個（または 14 個）の項目をコンマで区切って書いてください。");
    }
    const auto at = [&](std::size_t field) { return FieldPlace{path, line_number, field}; };
    TAlarmItem a;
    a.reserved = ParseInt32(f[0], at(0));
    a.kind = ParseInt32(f[1], at(1));
    a.reserved2 = ParseInt32(f[2], at(2));
    a.mark = ParseInt32(f[3], at(3));
    a.colour = ParseColour(f[4], at(4));
    a.set_time = ParseDateTime(f[5], current, at(5));
    a.day_of_month = ParseInt32(f[6], at(6));
    a.weekday = ParseInt32(f[7], at(7));
    a.next_time = ParseDateTime(f[8], current, at(8));
    a.message = StoredAlarmText(f[9]);
    a.font_size = ParseInt32(f[10], at(10));
    a.action = StoredAlarmText(f[11]);
    a.sound = StoredAlarmText(f[12]);
    a.before_seconds = current && f.size() > 13 ? ParseInt32(f[13], at(13)) : 0;

    if (a.action.empty()) a.action = options.no_action;
    if (a.sound.empty()) a.sound = options.no_sound;
    if (options.ver < kFirstTimerVer && a.kind >= akHourly &&
        a.kind < std::numeric_limits<std::int32_t>::max()) {
        ++a.kind;
    }
    return a;
}

std::string FormatAlarmLine(const TAlarmItem& a) {
    const auto number = [](std::int64_t v) { return std::to_string(v); };
    const auto text = [](const std::string& s) {
        return QuoteAlarmField(OneLine(StoredAlarmText(s)));
    };
    std::string line;
    line.reserve(128 + a.message.size() + a.action.size() + a.sound.size());
    line += number(a.reserved) + ',';
    line += number(a.kind) + ',';
    line += number(a.reserved2) + ',';
    line += number(a.mark) + ',';
    line += number(static_cast<std::int32_t>(a.colour)) + ',';
    line += QuoteAlarmField(DateTimeToText(a.set_time)) + ',';
    line += number(a.day_of_month) + ',';
    line += number(a.weekday) + ',';
    line += QuoteAlarmField(DateTimeToText(a.next_time)) + ',';
    line += text(a.message) + ',';
    line += number(a.font_size) + ',';
    line += text(a.action) + ',';
    line += text(a.sound) + ',';
    line += number(a.before_seconds);
    return line;
}

std::string StoredAlarmText(std::string_view text) {
    // A UTF-8 text is never shorter than its Shift-JIS form, so short texts need no cutting.
    if (text.size() <= kAlarmTextBytes) return std::string(text);
    return CutToSjisBytes(text, kAlarmTextBytes);
}

} // namespace vistrel
