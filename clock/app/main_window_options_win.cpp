// The options command, and the clock as the options dialog's host.
#include "clock/app/main_window_win.h"

#include "clock/app/cursors_win.h"
#include "clock/common/clock_source.h"
#include "clock/common/system_info.h"
#include "clock/options/option_dialog_win.h"
#include "clock/options/option_face_lists.h"

namespace vistrel {

OptionsDialogSetup TfrmVistrel::OptionsSetup() const {
    OptionsDialogSetup setup;
    setup.owner = app_.hwnd();
    setup.clock = hwnd();
    // Translucency exists wherever the layered-window call does (every system since 2000).
    setup.layered_windows = set_layered_ != nullptr;
    setup.ras = RasAvailable();
    setup.deep_colour = IsDeepColour(ScreenColourDepth());
    for (int n = 0; n < kPointerChoiceCount; ++n)
        setup.cursors[static_cast<std::size_t>(n)] = CursorFor(n);
    return setup;
}

void TfrmVistrel::OptionsCmd() {
    if (options_) {
        options_->PlaceNearClock();
        return;
    }
    options_ = TfrmOption::Open(*this, OptionsSetup(), option_, options_page_);
    open_.Opened(OpenWindow::Options);
}

void TfrmVistrel::CloseOptions() {
    // The dialog tells OptionsClosed as it goes.
    if (options_) DestroyWindow(options_->hwnd());
    options_ = nullptr;
}

void TfrmVistrel::WriteSettings() { SaveSettings(); }

void TfrmVistrel::OptionsClosed(int page) {
    options_page_ = page;
    if (options_) open_.Closed(OpenWindow::Options);
    options_ = nullptr;
}

bool TfrmVistrel::CommandEnabled(SharedCommand command) const {
    if (command == SharedCommand::SetTime) return StateOf(kCmdSetTime, Facts()).enabled;
    return StateOf(kCmdAlarmView, Facts()).enabled;
}

void TfrmVistrel::EnableCommand(SharedCommand command, bool enabled) {
    if (command == SharedCommand::AlarmView) alarm_view_enabled_ = enabled;
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
