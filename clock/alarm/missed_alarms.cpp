#include "clock/alarm/missed_alarms.h"

#include "clock/common/date_format.h"

namespace vistrel {

namespace {
constexpr int kFirstTextNumber = 901;

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    }
    return text;
}
} // namespace

std::vector<TextReplacement> MissedAlarmTextReplacements(MissedAlarmTexts& texts) {
    return {ReplaceInto(kFirstTextNumber, texts.title),
            ReplaceInto(kFirstTextNumber + 1, texts.intro),
            ReplaceInto(kFirstTextNumber + 2, texts.no_message)};
}

std::string MissedAlarmsTitle(std::size_t count, const MissedAlarmTexts& texts) {
    return texts.title + " (" + std::to_string(count) + "件)";
}

std::string MissedAlarmsText(const MissedAlarms& missed, const MissedAlarmTexts& texts,
                             std::string_view date_time_format) {
    std::string text = texts.intro + "\r\n";
    for (const MissedAlarm& m : missed) {
        const std::string message = m.item.message.empty() ? texts.no_message : m.item.message;
        text += "\r\n" + FormatDateTime(date_time_format, m.due) + "  " + OneLine(message);
    }
    return text;
}

} // namespace vistrel
