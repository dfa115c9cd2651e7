// The real network of an adjustment: name lookup, echo and the SNTP exchange.
#pragma once

#include "clock/timesync/adjust_time.h"
#include "clock/timesync/host_lookup_win.h"
#include "clock/timesync/icmp_echo_win.h"

namespace vistrel {

class WindowsAdjustNetwork : public AdjustNetwork {
public:
    // Throws TICMPException when echoes cannot be sent. Tests use a high loopback port.
    explicit WindowsAdjustNetwork(unsigned short ntp_port = kNtpPort,
                                  HostLookup lookup = SystemHostLookup);
    std::string ResolveHost(const std::string& host) override;
    EchoResult PingOnce(const std::string& address) override;
    TDateTime QueryServerTime(const std::string& address, int wait_ms) override;
    void ProcessMessages() override;

private:
    IcmpEcho echo_;
    unsigned short ntp_port_;
    HostLookup lookup_;
};

} // namespace vistrel
