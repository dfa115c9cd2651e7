#include "clock/alarm/show_alarm_window_win.h"

#include "clock/alarm/alarm_fusen_win.h"
#include "clock/alarm/alarm_msg_win.h"

namespace vistrel {

AlarmWindowSettings AlarmWindowSettingsOf(const TOptionItem& option) {
    return {option.Interval, option.Times, option.Speed};
}

HWND OpenAlarmWindow(AlarmWindow kind, const TAlarmItem& item, const AlarmWindowSettings& settings,
                     const AlarmShowContext& context) {
    if (item.message.empty()) return nullptr; // nothing to say: no window
    switch (kind) {
    case AlarmWindow::Normal: return TfrmAlarmMsg::Open(item, settings.interval, context.host);
    case AlarmWindow::Simple: return TfrmAlarmFusen::Open(item, settings.interval, context.host);
    case AlarmWindow::Board:
        return TfrmAlarmBoard::Open(item, settings.times, settings.speed, context.board,
                                    context.host);
    case AlarmWindow::None: break;
    }
    return nullptr;
}

HWND ShowAlarmWindow(const AlarmAnnouncement& announcement, const AlarmWindowSettings& settings,
                     const AlarmShowContext& context) {
    const HWND window = OpenAlarmWindow(announcement.window, announcement.item, settings, context);
    if (announcement.effect != AlarmEffect::None && context.run_effect) {
        context.run_effect(announcement.effect);
    }
    return window;
}

} // namespace vistrel
