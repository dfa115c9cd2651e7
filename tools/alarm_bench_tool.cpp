// Measures the alarm file at scale: writes N alarms of every kind, then loads (with the
// catch-up pass and the sort), sorts again and saves, opens the list editor's model on the
// list and takes it back as OK does, and prints the time of each step.
// Usage: alarm_bench [count] [folder]   (defaults: 10000, the current folder)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "clock/alarm/alarm_editor.h"
#include "clock/alarm/alarm_file.h"
#include "clock/alarm/scheduler.h"
#include "clock/common/error.h"

using namespace vistrel;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

AlarmList MakeAlarms(int count, TDateTime now) {
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

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::string folder = argc > 2 ? std::string(argv[2]) + "/" : std::string();
    const std::string path = folder + "alarm_bench.CSV";
    const TDateTime now = EncodeDateTime(2026, 12, 8, 12, 0, 0, 0);
    try {
        AlarmList source = MakeAlarms(count, now);
        if (!SaveAlarmFile(path, source).saved) throw Error("cannot write " + path);

        const auto t0 = Clock::now();
        AlarmList list;
        LoadAlarmFile(path, list, {202, "(なし)", "(なし)"}, now);
        const double load = Seconds(t0);
        const auto t1 = Clock::now();
        SortAlarms(list);
        const double sort = Seconds(t1);
        const auto t2 = Clock::now();
        const AlarmSaveResult saved = SaveAlarmFile(path, list);
        const double save = Seconds(t2);
        std::remove(path.c_str());
        if (!saved.saved) throw Error("cannot write " + path);

        const auto t3 = Clock::now();
        AlarmEditor editor(list); // every row filled, as the editor opens
        const double open = Seconds(t3);
        const auto t4 = Clock::now();
        const AlarmList accepted = editor.Accept();
        const double accept = Seconds(t4);

        std::printf("%zu alarms: load+catch-up+sort %.3f s, sort %.3f s, save %.3f s, "
                    "total %.3f s; editor open %.3f s, OK %.3f s (%zu)\n",
                    list.size(), load, sort, save, load + sort + save, open, accept,
                    accepted.size());
        return load + sort + save < 1.0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "alarm_bench: %s\n", e.what());
        return 2;
    }
}
