// The notice of missed alarms: alarms whose time passed while the clock was not running, the
// computer slept, or the clock was set forward. They are listed once, without their sound or
// action (nothing is run late), so that none is lost without a word.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "clock/alarm/scheduler.h"
#include "clock/common/language.h"

namespace vistrel {

// The notice's texts; the language library can replace them (numbers 901 to 903).
struct MissedAlarmTexts {
    std::string title = "見逃したアラーム";
    std::string intro = "時計が動いていない間に、次のアラームの時刻が過ぎました。"
                        "音とアクションは実行していません。";
    std::string no_message = "(ﾒｯｾｰｼﾞなし)";
};
std::vector<TextReplacement> MissedAlarmTextReplacements(MissedAlarmTexts& texts);

// "見逃したアラーム (3件)".
std::string MissedAlarmsTitle(std::size_t count, const MissedAlarmTexts& texts);
// The introduction, an empty line, then one line per alarm: its due time in the given
// date-time format, two blanks, and its message (line breaks of a message become blanks).
std::string MissedAlarmsText(const MissedAlarms& missed, const MissedAlarmTexts& texts,
                             std::string_view date_time_format);

} // namespace vistrel
