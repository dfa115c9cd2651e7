// The options dialog as the clock sees it: the dialog while it is open (it owns itself), the
// page it opens with next time, and the alarm list editor's command that its alarm switch
// enables.
#pragma once

#include <windows.h>

#include "clock/options/options_host.h"
#include "clock/settings/option_item.h"

namespace vistrel {

class TfrmOption;
struct OptionsDialogSetup;

class OptionsLink {
public:
    OptionsLink() = default;
    OptionsLink(const OptionsLink&) = delete;
    OptionsLink& operator=(const OptionsLink&) = delete;

    // Opens the dialog on the live settings, or puts the open one beside the clock again;
    // true when it opened now.
    bool Open(OptionsHost& host, const OptionsDialogSetup& setup, const TOptionItem& live);
    // Closes the open dialog; it tells Closed as it goes.
    void Close();
    // The dialog has gone, on `page`; true when it was open.
    bool Closed(int page);
    bool IsOpen() const { return dialog_ != nullptr; }
    // The dialog's window; none while it is closed.
    HWND Window() const;

    // The dialog's lock switch and its command buttons follow the clock.
    void ShowLock(bool locked);
    void RefreshCommands();

    bool AlarmViewAllowed() const { return alarm_view_allowed_; }
    void AllowAlarmView(bool allowed) { alarm_view_allowed_ = allowed; }

private:
    TfrmOption* dialog_ = nullptr;
    int page_ = 0;
    bool alarm_view_allowed_ = true;
};

} // namespace vistrel
