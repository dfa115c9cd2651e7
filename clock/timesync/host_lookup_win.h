// Turning the server setting into a dotted IPv4 address without freezing the windows.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vistrel {

// A blocking name lookup, run on a worker thread: the dotted address, or nothing.
using HostLookup = std::function<std::optional<std::string>(const std::string& host)>;

// The system resolver's first IPv4 address of the host.
std::optional<std::string> SystemHostLookup(const std::string& host);

// A dotted address comes back at once in canonical form; a name is looked up on a worker thread
// while window messages keep running. "Unknown" when it does not resolve. Throws Error when the
// lookup cannot be started.
std::string ResolveHost(const std::string& host, const HostLookup& lookup = SystemHostLookup);

} // namespace vistrel
