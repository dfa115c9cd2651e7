#include "clock/common/handles_win.h"

namespace vistrel {

namespace detail {
std::atomic<long>& GdiCounter() {
    static std::atomic<long> count{0};
    return count;
}
} // namespace detail

long LiveGdiObjects() { return detail::GdiCounter().load(); }

} // namespace vistrel
