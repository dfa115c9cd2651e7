// The error that helpers raise: it carries the message text (UTF-8) that the command the user
// started shows in its message box.
#pragma once

#include <stdexcept>
#include <string>

namespace vistrel {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace vistrel
