// What an alarm does through the clock window: its window and effect on the clock, and its
// action; and keeping the list on disk.
#include "clock/app/main_window_win.h"

#include <exception>
#include <variant>

#include "clock/alarm/alarm_file.h"
#include "clock/alarm/show_alarm_window_win.h"
#include "clock/common/message_box.h"
#include "clock/common/run_command.h"
#include "clock/common/system_actions.h"

namespace vistrel {

void TfrmVistrel::Announce(const AlarmAnnouncement& a) {
    ShowAnnouncement(a);
    try {
        CarryOut(ActionOf(a.item.action), option_);
    } catch (const std::exception& e) {
        ShowMessageBox(ActionFailedMessage(a.item.action, e.what()), MsgType::Warning);
    }
}

void TfrmVistrel::CarryOut(const AlarmAction& action, const TOptionItem& settings) {
    struct Carrier {
        TfrmVistrel& clock;
        const TOptionItem& settings;
        void operator()(const NoAction&) const {}
        // The same adjustment as the menu's, with the settings the caller holds.
        void operator()(const AdjustTimeAction&) const { clock.RunAdjustment(settings); }
        void operator()(const EndSessionAction& end) const {
            EndSessionNow(CurrentSystemActions(), end.flags);
        }
        void operator()(const StartProgramAction& start) const {
            StartCommandLine(start.command_line);
        }
    };
    std::visit(Carrier{*this, settings}, action);
}

void TfrmVistrel::ShowAnnouncement(const AlarmAnnouncement& a) {
    const BoardPlace board{[this] {
                               RECT r{};
                               GetWindowRect(hwnd(), &r);
                               return r;
                           }(),
                           drawing_.DateSide()};
    const AlarmShowContext context{alarms_.Host(), board, [this](AlarmEffect effect) {
                                       if (effect == AlarmEffect::Flash) effects_.FlashColours(100);
                                       if (effect == AlarmEffect::Shake) effects_.ShakeWindow(100);
                                   }};
    ShowAlarmWindow(a, AlarmWindowSettingsOf(option_), context);
}

void TfrmVistrel::SaveAlarms() {
    if (unread_.Contains(AlarmFile())) return;
    const AlarmSaveResult r = SaveAlarmFile(AlarmFile(), alarms_.List());
    if (!r.saved && !r.message.empty()) {
        ShowMessageBox(r.message,
                       r.notice == AlarmFileNotice::Error ? MsgType::Error : MsgType::Plain);
    }
}

} // namespace vistrel
