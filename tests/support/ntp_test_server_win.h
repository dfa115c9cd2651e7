// A small SNTP server on 127.0.0.1 for tests, answering on its own thread with whatever the
// test wants, sound or malformed. Loopback only.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "clock/common/handles_win.h"
#include "clock/timesync/winsock_win.h"

namespace vistrel {

struct TestReply {
    std::vector<std::uint8_t> bytes;
    bool from_other_port = false; // sent from a second socket, as a spoofer would
    int delay_ms = 0;
};

// The answers to one request, in order; none for silence.
using TestResponder = std::function<std::vector<TestReply>(const std::vector<std::uint8_t>&)>;

// The reply a sound server gives: version 4, server mode, stratum 2, our transmit stamp as
// originate, and the system's UTC time (not read through the code under test) as transmit.
std::vector<std::uint8_t> SoundNtpReply(const std::vector<std::uint8_t>& request);

class TestNtpServer {
public:
    explicit TestNtpServer(TestResponder respond);
    ~TestNtpServer();
    TestNtpServer(const TestNtpServer&) = delete;
    TestNtpServer& operator=(const TestNtpServer&) = delete;

    unsigned short Port() const { return port_; }
    int Requests() const { return requests_; }

private:
    void Serve();

    WinsockSession winsock_;
    TestResponder respond_;
    UniqueSocket socket_;
    UniqueSocket other_;
    unsigned short port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

} // namespace vistrel
