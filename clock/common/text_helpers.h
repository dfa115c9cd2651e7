// Small text helpers shared by the windows.
#pragma once

#include <string>
#include <string_view>

namespace vistrel {

// The text with the first occurrence of part replaced; the text unchanged when part does not
// occur in it (or is empty).
std::string ReplaceFirst(std::string_view text, std::string_view part,
                         std::string_view replacement);

} // namespace vistrel
