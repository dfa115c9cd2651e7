// The host build has no browser: a page nobody opens counts as not opened.
#include "clock/common/help.h"

namespace vistrel::detail {

bool OpenInBrowser(const std::string&) { return false; }

} // namespace vistrel::detail
