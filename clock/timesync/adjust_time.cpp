#include "clock/timesync/adjust_time.h"

#include <exception>

#include "clock/common/clock_source.h"
#include "clock/common/reentry_guard.h"
#include "clock/common/texts.h"
#include "clock/timesync/adjust_log_format.h"

namespace vistrel {

namespace {

// One adjustment at a time in the program: its waits let messages run, and the menu, the options
// dialog and an alarm's action can all start one.
ReentryGuard& Running() {
    static ReentryGuard running;
    return running;
}

// Steps 5 to 9: five echoes; gives the one-way delay estimate.
DelayCorrection MeasureDelay(const std::string& address, AdjustLog& log, AdjustNetwork& network) {
    log.AddInfoLine("Pinging " + address);
    log.AddInfoLine("    Buffer size = " + std::to_string(kEchoDataSize) + "bytes");
    EchoTally tally;
    for (int i = 0; i < kEchoCount; ++i) {
        network.ProcessMessages();
        log.AddInfoLine(tally.Count(network.PingOnce(address)));
    }
    if (tally.Replies() == 0) log.AddInfoLine(Tr(Tx::LogNoReply));
    log.AddInfoLine("Success " + std::to_string(tally.Replies()) + " times");
    log.AddInfoLine(TrFill(Tx::LogReplyTime, {std::to_string(tally.AverageMs())}));
    return OneWayDelay(tally.AverageMs());
}

// The server's time, or 0 for any failure of the exchange (its own text is not shown).
TDateTime AskServer(const std::string& address, const AdjustSettings& settings,
                    AdjustNetwork& network) {
    try {
        return network.QueryServerTime(address, settings.time_out_s * 1000);
    } catch (const std::exception&) {
        return 0;
    }
}

void Adjust(const AdjustSettings& settings, AdjustLog& log, AdjustNetwork& network,
            DialUpPlatform& dial_up, const ClockSetter& set_clock) {
    if (settings.show_result && !settings.only_result_msg) log.Show();

    const ConnectOutcome connection = ConnectStep(dial_up, settings.dial_up);
    if (!connection.ok) {
        log.AddInfoLine(Tr(Tx::LogDialFailed));
        log.FinishInfo();
        return;
    }

    const std::string address = network.ResolveHost(settings.server);
    if (address == "Unknown") {
        log.AddInfoLine("Unknown Host '" + settings.server + "'");
        log.FinishInfo();
        return;
    }

    const DelayCorrection delay = MeasureDelay(address, log, network);

    log.AddInfoLine("Server connecting...");
    const TDateTime server_time = AskServer(address, settings, network);
    if (server_time == 0) {
        log.AddInfoLine(Tr(Tx::LogNtpFailed));
        log.FinishInfo();
        HangUpStep(dial_up, settings.dial_up, connection.connected_by_this_run, true);
        return;
    }
    HangUpStep(dial_up, settings.dial_up, connection.connected_by_this_run, false);

    const TDateTime corrected = AddDelay(server_time, delay);
    const TDateTime local = Now();
    set_clock(corrected);

    log.AddInfoLine("Server = " + FormatLogTime(corrected));
    log.AddInfoLine("Local  = " + FormatLogTime(local));
    log.AddInfoLine("");
    log.AddInfoLine(FormatClockChange(corrected, local));

    if (settings.show_result) {
        log.FinishInfo();
    } else {
        log.Close();
    }
}

} // namespace

bool RunAdjustTime(AdjustSettings settings, AdjustLog& log, AdjustNetwork& network,
                   DialUpPlatform& dial_up, const ClockSetter& set_clock) {
    const auto running = Running().Enter();
    if (!running) return false;
    Adjust(settings, log, network, dial_up, set_clock);
    return true;
}

bool AdjustTimeRunning() { return Running().Busy(); }

} // namespace vistrel
