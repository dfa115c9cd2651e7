#include "clock/timesync/winsock_win.h"

namespace vistrel {

std::optional<in_addr> ParseDottedAddress(const std::string& text) {
    in_addr address{};
    if (inet_pton(AF_INET, text.c_str(), &address) != 1) return std::nullopt;
    return address;
}

std::string DottedAddress(const in_addr& address) {
    char buf[INET_ADDRSTRLEN] = {};
    in_addr copy = address;
    if (!inet_ntop(AF_INET, &copy, buf, sizeof buf)) return {};
    return buf;
}

} // namespace vistrel
