// The alarm record: when something is to happen and what happens then. The main window owns
// one list of them, always sorted ascending by next firing time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "clock/common/date_time.h"

namespace vistrel {

// The kinds of alarm, as numbered in the alarm file.
enum AlarmKind : std::int32_t {
    akTimer = 0, // once only
    akHourly = 1,
    akDaily = 2,
    akWeekly = 3,
    akMonthly = 4,
};

// Dial marks of an alarm.
enum AlarmMark : std::int32_t { amNone = 0, amEdge = 1, amCircle = 2 };

// Longest text of a message, action or sound, in bytes of the file's code page.
inline constexpr std::size_t kAlarmTextBytes = 255;

// The system window colour, the background of a new alarm.
inline constexpr std::uint32_t kSystemWindowColour = 0xFF000005;

// Fields in the order of the alarm file's columns.
struct TAlarmItem {
    std::int32_t reserved = 0; // written as 0 by the editor; kept as read
    std::int32_t kind = akTimer;
    std::int32_t reserved2 = 0; // written as 0 by the editor; kept as read
    std::int32_t mark = amNone;
    // 0x00BBGGRR, or 0xFF0000nn for system colour nn.
    std::uint32_t colour = kSystemWindowColour;
    TDateTime set_time = 0;        // only its time of day counts
    std::int32_t day_of_month = 1; // 1..31, for akMonthly
    std::int32_t weekday = 1;      // 1 = Sunday ... 7 = Saturday, for akWeekly
    TDateTime next_time = 0;       // kept by the scheduler
    std::string message;           // empty: no window
    std::int32_t font_size = 9;
    std::string action;              // a name of the command list, or a command line
    std::string sound;               // a name of the sound list, or a media file path
    std::int32_t before_seconds = 0; // the sound plays this many seconds early (0..30)

    friend bool operator==(const TAlarmItem&, const TAlarmItem&) = default;
};

using AlarmList = std::vector<TAlarmItem>;

} // namespace vistrel
