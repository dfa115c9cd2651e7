#include "clock/timesync/host_lookup_win.h"

#include <exception>
#include <memory>
#include <system_error>
#include <thread>

#include "clock/common/error.h"
#include "clock/common/handles_win.h"
#include "clock/timesync/message_pump_win.h"
#include "clock/timesync/winsock_win.h"

namespace vistrel {

namespace {

struct Lookup {
    UniqueHandle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::optional<std::string> address;
};

[[noreturn]] void CannotStart(const std::string& host, int code) {
    throw Error(host + ": can't start DNS lookup, error #" + std::to_string(code));
}

} // namespace

std::optional<std::string> SystemHostLookup(const std::string& host) {
    WinsockSession winsock;
    if (!winsock.Started()) return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return std::nullopt;
    std::string address;
    if (found->ai_family == AF_INET) {
        address = DottedAddress(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr);
    }
    freeaddrinfo(found);
    if (address.empty()) return std::nullopt;
    return address;
}

std::string ResolveHost(const std::string& host, const HostLookup& lookup) {
    if (const auto dotted = ParseDottedAddress(host)) return DottedAddress(*dotted);

    auto state = std::make_shared<Lookup>();
    if (!state->done) CannotStart(host, static_cast<int>(GetLastError()));
    std::thread worker;
    try {
        worker = std::thread([state, host, lookup] {
            try {
                state->address = lookup(host);
            } catch (const std::exception&) {
                state->address.reset();
            }
            SetEvent(state->done.get());
        });
    } catch (const std::system_error& e) {
        CannotStart(host, e.code().value());
    }
    WaitWithMessages(state->done.get(), INFINITE);
    worker.join();
    return state->address.value_or("Unknown");
}

} // namespace vistrel
