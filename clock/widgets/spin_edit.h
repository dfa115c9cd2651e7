// A spin edit is an edit box with an up-down control beside it. The up-down's control number is
// the edit's number + 50, so both lie in the block of numbers of the dialog or page that holds
// them, and the code names a spin edit by its edit alone.
#pragma once

#include <string_view>

namespace vistrel {

inline constexpr int SpinButtonId(int edit_id) { return edit_id + 50; }

// The number a spin edit's text stands for: its digits, with an optional leading minus and
// surrounding blanks; `previous` when the text holds no number (empty, half typed, or beyond
// the range of int).
int SpinTextValue(std::string_view text, int previous);

} // namespace vistrel
