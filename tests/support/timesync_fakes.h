// Stand-ins for the services a clock adjustment uses, so that a test never dials, never sets
// the real clock and sees every log line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "clock/timesync/adjust_time.h"
#include "clock/timesync/dialup.h"

namespace vistrel {

class FakeDialUp : public DialUpPlatform {
public:
    bool available = true;
    int connections = 0;
    bool connect_succeeds = true;
    int hang_ups = 0;

    bool RasAvailable() override { return available; }
    int RasConnectionCount() override { return connections; }
    bool AutoDial() override { return Connect("dial"); }
    bool AttemptConnect() override { return Connect("attempt"); }
    void AutoDialHangUp() override {
        ++hang_ups;
        calls_.push_back("hang up");
    }
    // What was asked of the platform beyond the probes.
    const std::vector<std::string>& Calls() const { return calls_; }

private:
    bool Connect(const char* how) {
        calls_.push_back(how);
        return connect_succeeds;
    }
    std::vector<std::string> calls_;
};

class RecordingLog : public AdjustLog {
public:
    std::vector<std::string> lines;
    bool shown = false;
    bool shown_before_first_line = false;
    bool finished = false;
    bool closed = false;
    // Lines present when the window first became visible.
    std::size_t lines_when_shown = 0;

    void Show() override { MarkShown(); }
    void AddInfoLine(const std::string& line) override { lines.push_back(line); }
    void FinishInfo() override {
        MarkShown();
        finished = true;
    }
    void Close() override { closed = true; }

private:
    void MarkShown() {
        if (!shown) lines_when_shown = lines.size();
        shown = true;
    }
};

// Records the time a run would have set; the real clock is never touched.
struct ClockRecorder {
    std::vector<TDateTime> set;
    ClockSetter Setter() {
        return [this](TDateTime t) { set.push_back(t); };
    }
};

} // namespace vistrel
