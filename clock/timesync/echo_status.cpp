#include "clock/timesync/echo_status.h"

#include <algorithm>

namespace vistrel {

EchoData EchoRequestData() {
    EchoData data;
    data.fill(' ');
    std::copy_n(kEchoIdentification.begin(), std::min(kEchoIdentification.size(), data.size()),
                data.begin());
    return data;
}

std::string IcmpStatusText(unsigned long code) {
    struct Entry {
        unsigned long code;
        const char* text;
    };
    static constexpr Entry kTexts[] = {
        {0, "No error"},
        {11001, "Buffer too small"},
        {11002, "Destination network unreachable"},
        {11003, "Destination host unreachable"},
        {11004, "Destination protocol unreachable"},
        {11005, "Destination port unreachable"},
        {11006, "No resources"},
        {11007, "Bad option"},
        {11008, "Hardware error"},
        {11009, "Packet too big"},
        {11010, "Request timed out"},
        {11011, "Bad request"},
        {11012, "Bad route"},
        {11013, "TTL expired in transit"},
        {11014, "TTL expired in reassembly"},
        {11015, "Parameter problem"},
        {11016, "Source quench"},
        {11017, "Option too big"},
        {11018, "Bad Destination"},
        {11019, "Address deleted"},
        {11020, "Spec MTU change"},
        {11021, "MTU change"},
        {11050, "General failure"},
        {11255, "Pending"},
    };
    for (const Entry& e : kTexts) {
        if (e.code == code) return e.text;
    }
    return "ICMP error #" + std::to_string(code);
}

std::string EchoTally::Count(const EchoResult& echo) {
    if (echo.replied && echo.status == kIcmpSuccess) {
        ++replies_;
        total_ms_ += echo.rtt_ms;
        return "Reply " + std::to_string(echo.rtt_ms) + " ms";
    }
    return "Cannot ping : " + IcmpStatusText(echo.status) +
           ". Status = " + std::to_string(echo.status);
}

int EchoTally::AverageMs() const {
    return replies_ == 0 ? 0 : static_cast<int>(total_ms_ / replies_);
}

} // namespace vistrel
