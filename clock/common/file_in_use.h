// Whether another program holds a file open so that it cannot be replaced now. A save asks
// first, so that it can say "in use" rather than a bare write failure.
#pragma once

#include <string>

namespace vistrel {

// True when the file exists and is held open without leave to delete or replace it.
bool FileInUse(const std::string& path);

} // namespace vistrel
