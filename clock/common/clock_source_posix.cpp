#include <sys/time.h>

#include <ctime>

#include "clock/common/clock_source.h"

namespace vistrel::detail {

TDateTime SystemNow() {
    timeval tv{};
    gettimeofday(&tv, nullptr);
    std::tm tm{};
    const std::time_t secs = tv.tv_sec;
    localtime_r(&secs, &tm);
    return EncodeDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                          tm.tm_sec > 59 ? 59 : tm.tm_sec, static_cast<int>(tv.tv_usec / 1000));
}

} // namespace vistrel::detail
