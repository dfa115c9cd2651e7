#include <windows.h>

#include "clock/common/handles_win.h"
#include "clock/common/system_actions.h"

namespace vistrel::detail {

static_assert(kExitShutdown == EWX_SHUTDOWN && kExitReboot == EWX_REBOOT &&
              kExitPowerOff == EWX_POWEROFF);

namespace {

SYSTEMTIME ToSystemTime(TDateTime local) {
    // Date and time both come from the same rounded millisecond count, so a time just before
    // midnight cannot turn into 24:00 of the old day.
    const DateParts d = DecodeDate(local);
    const TimeParts t = DecodeTime(local);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(d.year);
    st.wMonth = static_cast<WORD>(d.month);
    st.wDay = static_cast<WORD>(d.day);
    st.wDayOfWeek = static_cast<WORD>(DayOfWeek(local) - 1);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    st.wMilliseconds = static_cast<WORD>(t.ms);
    return st;
}

class WindowsActions final : public SystemActions {
public:
    bool SetLocalClock(TDateTime local) override {
        const SYSTEMTIME st = ToSystemTime(local);
        return SetLocalTime(&st) != FALSE;
    }

    void EnableShutdownPrivilege() override {
        HANDLE raw = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) {
            return;
        }
        const UniqueHandle token(raw);
        TOKEN_PRIVILEGES privileges{};
        if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
            return;
        }
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
    }

    bool EndSession(unsigned flags) override {
        return ExitWindowsEx(flags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED) != FALSE;
    }

    void StartScreenSaver(void* window) override {
        SendMessageW(static_cast<HWND>(window), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    }

    bool AimWakeTimer(TDateTime local) override {
        if (!wake_timer_) wake_timer_.reset(CreateWaitableTimerW(nullptr, TRUE, nullptr));
        if (!wake_timer_) return false;
        const SYSTEMTIME local_st = ToSystemTime(local);
        SYSTEMTIME utc{};
        FILETIME due{};
        if (!TzSpecificLocalTimeToSystemTime(nullptr, &local_st, &utc) ||
            !SystemTimeToFileTime(&utc, &due)) {
            return false;
        }
        LARGE_INTEGER when{};
        when.LowPart = due.dwLowDateTime;
        when.HighPart = static_cast<LONG>(due.dwHighDateTime);
        // Resume: the timer wakes a sleeping computer (where its power settings allow it).
        return SetWaitableTimer(wake_timer_.get(), &when, 0, nullptr, nullptr, TRUE) != FALSE;
    }

    void CancelWakeTimer() override {
        if (wake_timer_) CancelWaitableTimer(wake_timer_.get());
    }

private:
    UniqueHandle wake_timer_;
};

} // namespace

SystemActions& PlatformSystemActions() {
    static WindowsActions actions;
    return actions;
}

} // namespace vistrel::detail
