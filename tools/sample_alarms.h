// The benchmarks' alarm list: every kind, mark and lead time, messages with quotes and commas,
// half of them with a program to run, each scheduled from `now`.
#pragma once

#include <string>

#include "clock/alarm/alarm_item.h"
#include "clock/alarm/scheduler.h"

namespace vistrel {

inline AlarmList SampleAlarms(int count, TDateTime now) {
    AlarmList list;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        TAlarmItem a;
        a.kind = i % 5;
        a.mark = i % 3;
        a.colour = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
        a.set_time = EncodeTime((i * 7) % 24, (i * 13) % 60, 0, 0);
        a.day_of_month = 1 + i % 31;
        a.weekday = 1 + i % 7;
        a.message = "アラーム " + std::to_string(i) + ", \"会議\" の時間です";
        a.font_size = 9;
        a.action = i % 2 ? "(なし)" : "C:\\Program Files\\Tool\\tool.exe /run " + std::to_string(i);
        a.sound = "一般の警告音";
        a.before_seconds = i % 31;
        CalcNextTime(a, now);
        list.push_back(std::move(a));
    }
    return list;
}

} // namespace vistrel
