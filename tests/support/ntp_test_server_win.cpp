#include "support/ntp_test_server_win.h"

#include <windows.h>

#include <stdexcept>

namespace vistrel {

namespace {

UniqueSocket BindLoopback() {
    UniqueSocket s(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (!s || bind(s.get(), reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        throw std::runtime_error("test server cannot bind to 127.0.0.1");
    }
    return s;
}

unsigned short PortOf(SOCKET s) {
    sockaddr_in a{};
    int len = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

void PutUint32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

} // namespace

std::vector<std::uint8_t> SoundNtpReply(const std::vector<std::uint8_t>& request) {
    std::vector<std::uint8_t> reply(48, 0);
    reply[0] = 0x24;
    reply[1] = 2;
    if (request.size() >= 48) {
        std::copy(request.begin() + 40, request.begin() + 48, reply.begin() + 24);
    }
    FILETIME ft{};
    GetSystemTimePreciseAsFileTime(&ft);
    const std::uint64_t ticks = (std::uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
    constexpr std::uint64_t k1601To1900 = 9435484800ULL; // seconds
    const std::uint64_t seconds = ticks / 10000000 - k1601To1900;
    const std::uint64_t fraction = (ticks % 10000000) * (std::uint64_t{1} << 32) / 10000000;
    PutUint32(reply.data() + 32, static_cast<std::uint32_t>(seconds));
    PutUint32(reply.data() + 40, static_cast<std::uint32_t>(seconds));
    PutUint32(reply.data() + 44, static_cast<std::uint32_t>(fraction));
    return reply;
}

TestNtpServer::TestNtpServer(TestResponder respond)
    : respond_(std::move(respond)), socket_(BindLoopback()), other_(BindLoopback()),
      port_(PortOf(socket_.get())) {
    thread_ = std::thread([this] { Serve(); });
}

TestNtpServer::~TestNtpServer() {
    stop_ = true;
    thread_.join();
}

void TestNtpServer::Serve() {
    while (!stop_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket_.get(), &readable);
        timeval tick{0, 20000};
        if (select(0, &readable, nullptr, nullptr, &tick) <= 0) continue;
        std::vector<std::uint8_t> request(512);
        sockaddr_in client{};
        int client_len = sizeof client;
        const int n = recvfrom(socket_.get(), reinterpret_cast<char*>(request.data()),
                               static_cast<int>(request.size()), 0,
                               reinterpret_cast<sockaddr*>(&client), &client_len);
        if (n <= 0) continue;
        request.resize(static_cast<std::size_t>(n));
        ++requests_;
        for (const TestReply& r : respond_(request)) {
            if (r.delay_ms > 0) Sleep(static_cast<DWORD>(r.delay_ms));
            const SOCKET from = r.from_other_port ? other_.get() : socket_.get();
            sendto(from, reinterpret_cast<const char*>(r.bytes.data()),
                   static_cast<int>(r.bytes.size()), 0, reinterpret_cast<sockaddr*>(&client),
                   client_len);
        }
    }
}

} // namespace vistrel
