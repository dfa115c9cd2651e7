#include "clock/common/clock_source.h"

#include <utility>

namespace vistrel {

namespace {
std::function<TDateTime()>& Override() {
    static std::function<TDateTime()> now;
    return now;
}
} // namespace

TDateTime Now() {
    if (Override()) return Override()();
    return detail::SystemNow();
}

void SetNowForTests(std::function<TDateTime()> now) { Override() = std::move(now); }

} // namespace vistrel
