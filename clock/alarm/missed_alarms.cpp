#include "clock/alarm/missed_alarms.h"

#include "clock/common/date_format.h"

namespace vistrel {

namespace {

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    }
    return text;
}
} // namespace

std::vector<TextReplacement> MissedAlarmTextReplacements(MissedAlarmTexts& texts) {
    return {ReplaceInto(Tx::MissedTitle, texts.title), ReplaceInto(Tx::MissedIntro, texts.intro),
            ReplaceInto(Tx::MissedNoMessage, texts.no_message),
            ReplaceInto(Tx::MissedCount, texts.count)};
}

std::string MissedAlarmsTitle(std::size_t count, const MissedAlarmTexts& texts) {
    return Fill(texts.count, {texts.title, std::to_string(count)});
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
