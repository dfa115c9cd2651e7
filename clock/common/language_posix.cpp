// The host build has no language library: every window keeps its built-in texts.
#include "clock/common/language.h"

namespace vistrel::detail {

std::unique_ptr<StringSource> OpenPlatformLanguageLibrary() { return nullptr; }

} // namespace vistrel::detail
