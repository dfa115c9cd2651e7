// One SNTP exchange with a time server over UDP.
#pragma once

#include <string>

#include "clock/common/date_time.h"
#include "clock/timesync/adjust_time.h"

namespace vistrel {

// The difference UTC - local in minutes now, daylight saving included; throws Error when the
// system cannot tell its time zone.
int LocalBiasMinutes();

// Asks the server at `address` (dotted IPv4) for its time and waits up to `wait_ms` while
// window messages keep running. Only a datagram from that address and port counts, and only the
// first one: it gives the server's transmit time as local time, or 0 when it is unusable or
// none came in time. Throws Error when the socket fails.
TDateTime QueryServerTime(const std::string& address, int wait_ms, unsigned short port = kNtpPort);

} // namespace vistrel
