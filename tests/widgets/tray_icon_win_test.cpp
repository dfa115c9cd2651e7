#include "clock/widgets/tray_icon_win.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace vistrel {
namespace {

// A shell that answers from a script (true unless told otherwise) and records what it was asked.
struct ScriptedShell {
    std::deque<bool> answers;
    std::vector<DWORD> calls;
    TrayIcon::Notify Notify() {
        return [this](DWORD message, NOTIFYICONDATAW*) {
            calls.push_back(message);
            if (answers.empty()) return TRUE;
            const bool answer = answers.front();
            answers.pop_front();
            return answer ? TRUE : FALSE;
        };
    }
};

// The icon appears whenever the shell can take it: a shell that is not ready at the start, is
// slow, restarts or lost the icon gets it again; a hidden icon is never offered.
TEST(TrayIcon, IsAddedWheneverTheShellCanTakeIt) {
    enum Step { kShow, kHide, kRetry, kTaskbarCreated };
    struct Case {
        const char* what;
        std::deque<bool> answers;
        std::vector<Step> steps;
        std::vector<DWORD> calls;
        bool added;
    };
    const Case cases[] = {
        {"a shell not ready at the start takes it at the next tick",
         {false},
         {kShow, kRetry, kRetry},
         {NIM_ADD, NIM_ADD},
         true},
        {"a notification area that comes later announces itself",
         {false},
         {kShow, kTaskbarCreated},
         {NIM_ADD, NIM_DELETE, NIM_ADD},
         true},
        {"an announcement puts the icon anew, whatever the shell held",
         {},
         {kShow, kTaskbarCreated},
         {NIM_ADD, NIM_DELETE, NIM_ADD},
         true},
        {"a shell that lost the icon refuses the change: added anew",
         {true, false},
         {kShow, kShow},
         {NIM_ADD, NIM_MODIFY, NIM_ADD},
         true},
        {"a hidden icon is not offered",
         {false},
         {kShow, kHide, kRetry, kTaskbarCreated},
         {NIM_ADD},
         false},
        {"an icon the shell holds is not offered twice", {}, {kShow, kRetry}, {NIM_ADD}, true},
        {"a shell that keeps refusing is asked once a tick",
         {false, false, false},
         {kShow, kRetry, kRetry},
         {NIM_ADD, NIM_ADD, NIM_ADD},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedShell shell{c.answers, {}};
        {
            TrayIcon icon(nullptr, 1, WM_APP, shell.Notify());
            for (const Step step : c.steps) {
                switch (step) {
                case kShow: icon.Show(nullptr, "Vistrel"); break;
                case kHide: icon.Hide(); break;
                case kRetry: icon.Retry(); break;
                case kTaskbarCreated: icon.OnTaskbarCreated(); break;
                }
            }
            EXPECT_EQ(icon.added(), c.added);
            EXPECT_EQ(shell.calls, c.calls);
            shell.calls.clear();
        }
        // Only an icon the shell holds is taken away at the end.
        EXPECT_EQ(shell.calls, c.added ? std::vector<DWORD>{NIM_DELETE} : std::vector<DWORD>{});
    }
}

} // namespace
} // namespace vistrel
