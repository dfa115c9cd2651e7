// The host build cannot start Windows command lines; it reports them as not supported
// (ERROR_NOT_SUPPORTED), the way a refused start is reported on Windows.
#include "clock/common/error.h"
#include "clock/common/run_command.h"

namespace vistrel {

void StartCommandLine(const std::string&) { throw Error("Exec Error 50"); }

} // namespace vistrel
