// Setting the computer's clock from a time server: connect, resolve, measure the delay with
// five echoes, ask the server once, correct its answer by half the echo round trip, set the
// clock, and log every step for the user.
#pragma once

#include <functional>
#include <string>

#include "clock/common/date_time.h"
#include "clock/timesync/dialup.h"
#include "clock/timesync/echo_status.h"

namespace vistrel {

inline constexpr const char* kDefaultNtpServer = "ntp.nict.jp";
inline constexpr unsigned short kNtpPort = 123;

// The settings an adjustment reads; the run keeps its own copy.
struct AdjustSettings {
    std::string server = kDefaultNtpServer;
    int time_out_s = 5;
    bool show_result = true;
    bool only_result_msg = false;
    DialUpSettings dial_up;
    TDateTime last_date = 0; // kept with the settings; the adjustment does not use it
};

// The log window of one run.
class AdjustLog {
public:
    virtual ~AdjustLog() = default;
    virtual void Show() = 0;
    virtual void AddInfoLine(const std::string& line) = 0;
    // Shows the log if hidden and lets it close by itself a few seconds later.
    virtual void FinishInfo() = 0;
    virtual void Close() = 0;
};

class AdjustNetwork {
public:
    virtual ~AdjustNetwork() = default;
    // The dotted IPv4 address of the host, or "Unknown".
    virtual std::string ResolveHost(const std::string& host) = 0;
    virtual EchoResult PingOnce(const std::string& address) = 0;
    // The server's time as local time, or 0 when no usable answer came in time; throws Error
    // on socket failures.
    virtual TDateTime QueryServerTime(const std::string& address, int wait_ms) = 0;
    // Lets pending window messages run.
    virtual void ProcessMessages() = 0;
};

// Receives the corrected server time as local time. The program passes its system-actions
// seam; tests pass a recorder. Never the real clock in a test.
using ClockSetter = std::function<void(TDateTime local)>;

// Runs one adjustment; the local clock before setting is read from Now(). Returns false, doing
// nothing at all, while another run is still going (one can be started from a message that
// arrives during a wait); errors other than the expected failures escape.
bool RunAdjustTime(AdjustSettings settings, AdjustLog& log, AdjustNetwork& network,
                   DialUpPlatform& dial_up, const ClockSetter& set_clock);

bool AdjustTimeRunning();

} // namespace vistrel
