// The notice of missed alarms: alarms whose time passed while the clock was not running, the
// computer slept, or the clock was set forward. They are listed once, without their sound or
// action (nothing is run late), so that none is lost without a word.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "clock/alarm/scheduler.h"
#include "clock/common/language.h"
#include "clock/common/texts.h"

namespace vistrel {

// The notice's texts, as the language library has them.
struct MissedAlarmTexts {
    std::string title{BuiltInText(Tx::MissedTitle)};
    std::string intro{BuiltInText(Tx::MissedIntro)};
    std::string no_message{BuiltInText(Tx::MissedNoMessage)};
    std::string count{BuiltInText(Tx::MissedCount)}; // "%1 (%2件)": the title and the count
};
std::vector<TextReplacement> MissedAlarmTextReplacements(MissedAlarmTexts& texts);

// "見逃したアラーム (3件)".
std::string MissedAlarmsTitle(std::size_t count, const MissedAlarmTexts& texts);
// The introduction, an empty line, then one line per alarm: its due time in the given
// date-time format, two blanks, and its message (line breaks of a message become blanks).
std::string MissedAlarmsText(const MissedAlarms& missed, const MissedAlarmTexts& texts,
                             std::string_view date_time_format);

} // namespace vistrel
