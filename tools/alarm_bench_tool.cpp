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
#include "tools/sample_alarms.h"

using namespace vistrel;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::string folder = argc > 2 ? std::string(argv[2]) + "/" : std::string();
    const std::string path = folder + "alarm_bench.CSV";
    const TDateTime now = EncodeDateTime(2026, 12, 8, 12, 0, 0, 0);
    try {
        AlarmList source = SampleAlarms(count, now);
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
        const AlarmList accepted = TakeBackAlarms(list, editor.Accept(), Now(), nullptr);
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
