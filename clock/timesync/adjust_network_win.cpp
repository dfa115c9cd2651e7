#include "clock/timesync/adjust_network_win.h"

#include "clock/common/message_loop_win.h"
#include "clock/timesync/sntp_query_win.h"

namespace vistrel {

WindowsAdjustNetwork::WindowsAdjustNetwork(unsigned short ntp_port, HostLookup lookup)
    : ntp_port_(ntp_port), lookup_(std::move(lookup)) {}

std::string WindowsAdjustNetwork::ResolveHost(const std::string& host) {
    return vistrel::ResolveHost(host, lookup_);
}

EchoResult WindowsAdjustNetwork::PingOnce(const std::string& address) {
    return echo_.PingOnce(address);
}

TDateTime WindowsAdjustNetwork::QueryServerTime(const std::string& address, int wait_ms) {
    return vistrel::QueryServerTime(address, wait_ms, ntp_port_);
}

void WindowsAdjustNetwork::ProcessMessages() { vistrel::ProcessMessages(); }

} // namespace vistrel
