// Measures the alarm list editor window at scale: opens it on N alarms (until it is shown and
// idle), selects a row far down, then OK as the clock does it (the editor's list taken back,
// sorted, and the alarm file written). Prints the time of each step; run it under Wine.
// Usage: alarm_view_bench_win [count] [rounds]   (defaults: 10000, 5)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_view_ids.h"
#include "clock/alarm/alarm_view_win.h"
#include "clock/alarm/scheduler.h"
#include "clock/common/common_controls_win.h"
#include "clock/common/date_time.h"
#include "clock/common/dialog_win.h"
#include "clock/common/vocabulary.h"
#include "tools/sample_alarms.h"

using namespace vistrel;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    InitCommonControlsOnce();
    InitVocabulary();
    const AlarmList alarms = SampleAlarms(count, EncodeDateTime(2026, 12, 8, 12, 0, 0, 0));
    std::vector<double> opens, oks, saves;
    for (int round = 0; round < rounds; ++round) {
        Clock::time_point start, shown;
        SetModalDriverForTests([&](Dialog& d) {
            shown = Clock::now();
            const HWND grid = d.Item(aid::sgrdView);
            ListView_SetItemState(grid, count - 1, LVIS_SELECTED, LVIS_SELECTED);
            PostMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        start = Clock::now();
        const auto edited = RunAlarmView(nullptr, {}, alarms);
        const auto ended = Clock::now();
        if (!edited) return std::fprintf(stderr, "the editor did not end with OK\n"), 1;
        const AlarmList taken = TakeBackAlarms(alarms, std::move(*edited), Now(), nullptr);
        if (!SaveAlarmFile("alarm_view_bench.CSV", taken).saved) return 1;
        opens.push_back(Ms(shown - start));
        oks.push_back(Ms(ended - shown));
        saves.push_back(Ms(Clock::now() - ended));
    }
    DeleteFileW(L"alarm_view_bench.CSV");
    std::printf("%d alarms, median of %d rounds: open %.1f ms, OK (take back, sort) %.1f ms, "
                "save %.1f ms, OK in all %.1f ms\n",
                count, rounds, Median(opens), Median(oks), Median(saves),
                Median(oks) + Median(saves));
    return 0;
}
