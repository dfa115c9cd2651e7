// The options command, the clock as the options dialog's host, and taking over changed options.
#include "clock/app/main_window_win.h"

#include "clock/app/cursors_win.h"
#include "clock/common/clock_source.h"
#include "clock/common/system_info.h"
#include "clock/options/option_dialog_win.h"
#include "clock/options/option_face_lists.h"

namespace vistrel {

void TfrmVistrel::ApplyOptions(const TOptionItem& working) {
    const bool layered_changed = working.UseTrans != option_.UseTrans;
    const bool lock_changed = working.Locked != option_.Locked;
    option_ = working;
    if (lock_changed) {
        // The lock command toggles; start from the old state so it lands on the new one.
        option_.Locked = !working.Locked;
        LockCmd1();
    }
    if (layered_changed || option_.UseTrans) drawing_.ApplyTranslucency();
    UpdateTrayIcon();
    Redraw();
    alarms_.UpdateWakeTimer(); // the alarm switch or the wake setting may have changed
    POINT p;
    GetCursorPos(&p);
    if (WindowFromPoint(p) == hwnd()) SetCursor(CursorFor(option_.PointType));
}

OptionsDialogSetup TfrmVistrel::OptionsSetup() const {
    OptionsDialogSetup setup;
    setup.owner = app_.hwnd();
    setup.clock = hwnd();
    // Translucency exists wherever the layered-window call does (every system since 2000).
    setup.layered_windows = drawing_.Layered();
    setup.ras = RasAvailable();
    setup.deep_colour = IsDeepColour(ScreenColourDepth());
    for (int n = 0; n < kPointerChoiceCount; ++n)
        setup.cursors[static_cast<std::size_t>(n)] = CursorFor(n);
    return setup;
}

void TfrmVistrel::OptionsCmd() {
    if (options_.Open(*this, OptionsSetup(), option_)) open_.Opened(OpenWindow::Options);
}

void TfrmVistrel::WriteSettings() { SaveSettings(); }

void TfrmVistrel::OptionsClosed(int page) {
    if (options_.Closed(page)) open_.Closed(OpenWindow::Options);
}

bool TfrmVistrel::CommandEnabled(SharedCommand command) const {
    if (command == SharedCommand::SetTime) return StateOf(kCmdSetTime, Facts()).enabled;
    return StateOf(kCmdAlarmView, Facts()).enabled;
}

void TfrmVistrel::EnableCommand(SharedCommand command, bool enabled) {
    if (command == SharedCommand::AlarmView) options_.AllowAlarmView(enabled);
}

void TfrmVistrel::RunCommand(SharedCommand command) {
    // kCmdAlarmView does nothing until the alarm list editor is wired to it.
    ExecuteEnabled(command == SharedCommand::SetTime ? kCmdSetTime : kCmdAlarmView);
}

void TfrmVistrel::PreviewAlarm(const std::string& message) {
    TAlarmItem sample;
    sample.next_time = Now();
    sample.message = message;
    sample.font_size = 9;
    sample.colour = 0xFFFFFF;
    ShowAnnouncement(AnnouncementOf(std::move(sample), option_.MsgType, option_.Action));
}

} // namespace vistrel
