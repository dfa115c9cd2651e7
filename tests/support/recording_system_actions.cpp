#include "support/recording_system_actions.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vistrel::test {

bool RecordingSystemActions::SetLocalClock(TDateTime local) {
    const TimeParts t = DecodeTime(local);
    char ms[8];
    std::snprintf(ms, sizeof ms, ".%03d", t.ms);
    calls.push_back("clock " + DateToText(local) + " " + TimeToText(local) + ms);
    clock_settings.push_back(local);
    return answer;
}

void RecordingSystemActions::EnableShutdownPrivilege() { calls.push_back("privilege"); }

bool RecordingSystemActions::EndSession(unsigned flags) {
    calls.push_back("exit " + std::to_string(flags));
    return answer;
}

void RecordingSystemActions::StartScreenSaver(void*) { calls.push_back("screensaver"); }

bool RecordingSystemActions::AimWakeTimer(TDateTime local) {
    calls.push_back("wake " + DateToText(local) + " " + TimeToText(local));
    return answer;
}

void RecordingSystemActions::CancelWakeTimer() { calls.push_back("wake off"); }

namespace {
// In force for the whole test program from its start: a test that reaches the system actions
// without its own stand-in fails instead of setting this machine's clock or ending its session.
class GuardActions final : public SystemActions {
public:
    bool SetLocalClock(TDateTime) override { return Refuse("SetLocalClock"); }
    void EnableShutdownPrivilege() override { Refuse("EnableShutdownPrivilege"); }
    bool EndSession(unsigned) override { return Refuse("EndSession"); }
    void StartScreenSaver(void*) override { Refuse("StartScreenSaver"); }
    bool AimWakeTimer(TDateTime) override { return Refuse("AimWakeTimer"); }
    void CancelWakeTimer() override { Refuse("CancelWakeTimer"); }

private:
    static bool Refuse(const char* what) {
        ADD_FAILURE() << "a test reached the real system action " << what
                      << " without installing a stand-in";
        return false;
    }
};

GuardActions g_guard;
[[maybe_unused]] const bool g_guard_installed = (SetSystemActionsForTests(&g_guard), true);
} // namespace

} // namespace vistrel::test
