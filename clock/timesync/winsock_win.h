// Winsock for the life of one object; every user starts its own (the library counts them).
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <optional>
#include <string>

namespace vistrel {

class WinsockSession {
public:
    WinsockSession() : started_(WSAStartup(MAKEWORD(2, 2), &data_) == 0) {}
    ~WinsockSession() {
        if (started_) WSACleanup();
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool Started() const { return started_; }

private:
    WSADATA data_{};
    bool started_;
};

// A strict dotted IPv4 address ("192.0.2.1"), in network byte order.
std::optional<in_addr> ParseDottedAddress(const std::string& text);
std::string DottedAddress(const in_addr& address);

} // namespace vistrel
