#include <windows.h>

#include "clock/common/clock_source.h"

namespace vistrel::detail {

TDateTime SystemNow() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                          st.wMilliseconds);
}

} // namespace vistrel::detail
