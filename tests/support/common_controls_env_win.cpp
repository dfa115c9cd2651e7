// The Windows test program registers the common controls at its start, as the clock does, so
// that the dialogs' templates can be created in tests.
#include "clock/common/common_controls_win.h"

namespace {
[[maybe_unused]] const bool g_controls_ready = vistrel::InitCommonControlsOnce();
} // namespace
