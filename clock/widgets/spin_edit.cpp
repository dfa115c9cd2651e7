#include "clock/widgets/spin_edit.h"

#include <charconv>

namespace vistrel {

int SpinTextValue(std::string_view text, int previous) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return previous;
    return value;
}

} // namespace vistrel
