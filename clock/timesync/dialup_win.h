// The platform side of dial-up handling: remote access probed through "rasapi32.dll" (loaded
// by name, never linked) and automatic dialling through wininet.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "clock/timesync/dialup.h"

namespace vistrel {

// Shows a message box (text, MB_* type): by default through the program's message-box seam.
using DialUpNotice = std::function<void(const std::string& text, UINT type)>;
void DefaultDialUpNotice(const std::string& text, UINT type);

// Active remote-access connections; 0 after telling the user why they cannot be counted.
int RasConnectionCount(const DialUpNotice& notice = DefaultDialUpNotice);

class WindowsDialUp : public DialUpPlatform {
public:
    explicit WindowsDialUp(DialUpNotice notice = DefaultDialUpNotice)
        : notice_(std::move(notice)) {}
    bool RasAvailable() override;
    int RasConnectionCount() override;
    bool AutoDial() override;
    bool AttemptConnect() override;
    void AutoDialHangUp() override;

private:
    DialUpNotice notice_;
};

} // namespace vistrel
