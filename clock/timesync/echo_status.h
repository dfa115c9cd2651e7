// The network delay measurement: what one echo request carries, how its outcome reads in the
// adjustment log, and how the replies add up to the delay that corrects the server's time.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

inline constexpr std::size_t kEchoDataSize = 56;
inline constexpr unsigned kEchoTimeoutMs = 4000;
inline constexpr unsigned char kEchoTtl = 64;
inline constexpr int kEchoCount = 5;
// Identifies our echoes to whoever watches the line; 45 ASCII characters.
inline constexpr std::string_view kEchoIdentification =
    "Vistrel clock: time server delay measurement.";

// The platform's ICMP status codes that the code names itself.
inline constexpr unsigned long kIcmpSuccess = 0;
inline constexpr unsigned long kIcmpTimedOut = 11010;
inline constexpr unsigned long kIcmpBadDestination = 11018;

using EchoData = std::array<std::uint8_t, kEchoDataSize>;
// Blanks, overwritten from the start by the identification text.
EchoData EchoRequestData();

// "Request timed out" and the rest of the platform's status table; "ICMP error #n" otherwise.
std::string IcmpStatusText(unsigned long code);

// One echo: answered or not, its round trip, and the status of the reply, or, without a reply,
// the code that says why none came.
struct EchoResult {
    bool replied = false;
    unsigned rtt_ms = 0;
    unsigned long status = 0;
};

class EchoTally {
public:
    // Counts a reply with status 0 (a round trip below 1 ms reads 0 and still counts) and gives
    // the log line for the echo.
    std::string Count(const EchoResult& echo);
    int Replies() const { return replies_; }
    long long TotalMs() const { return total_ms_; }
    // Integer average over the replies; 0 without any.
    int AverageMs() const;

private:
    int replies_ = 0;
    long long total_ms_ = 0;
};

} // namespace vistrel
