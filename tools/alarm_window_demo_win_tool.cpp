// Opens the alarm notification windows with a sample record, for a look at them (and a
// screenshot) without waiting for an alarm. Usage: alarm_window_demo [msg|fusen|board|all]
// [seconds] [speed] [points]. The board lies across a stand-in clock of 200 pixels at (700, 80).
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "clock/alarm/show_alarm_window_win.h"
#include "clock/common/clock_source.h"
#include "clock/common/vocabulary.h"

namespace {

int g_points = 12;

vistrel::TAlarmItem Sample(const char* message, std::uint32_t colour) {
    vistrel::TAlarmItem item;
    item.next_time = vistrel::EncodeDateTime(2026, 12, 8, 7, 30, 0, 0);
    item.message = message;
    item.colour = colour;
    item.font_size = g_points;
    return item;
}

} // namespace

int main(int argc, char** argv) {
    using namespace vistrel;
    const std::string which = argc > 1 ? argv[1] : "all";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    if (argc > 4) g_points = std::atoi(argv[4]);
    InitVocabulary();

    auto host = std::make_shared<AlarmHost>();
    const AlarmShowContext context{host, {{700, 80, 900, 280}, false}, {}};
    // Speed 6 by default, so that the text has barely moved when a screenshot is taken.
    const AlarmWindowSettings settings{0, 0, argc > 3 ? std::atoi(argv[3]) : 6};
    const bool all = which == "all";
    if (all || which == "msg") {
        const TAlarmItem item = Sample("会議の時間です。資料を持って第二会議室へ。", 0x0080FFFF);
        const HWND w = OpenAlarmWindow(AlarmWindow::Normal, item, settings, context);
        if (all) SetWindowPos(w, nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    if (all || which == "fusen") {
        const HWND w = OpenAlarmWindow(AlarmWindow::Simple, Sample("牛乳を買って帰る", 0x00C8FFC8),
                                       settings, context);
        if (all) SetWindowPos(w, nullptr, 40, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    if (all || which == "board") {
        OpenAlarmWindow(AlarmWindow::Board, Sample("お昼休みです", 0x00C80000), settings, context);
    }

    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
