#include "clock/common/text_helpers.h"

namespace vistrel {

std::string ReplaceFirst(std::string_view text, std::string_view part,
                         std::string_view replacement) {
    const std::size_t at = part.empty() ? std::string_view::npos : text.find(part);
    if (at == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size() - part.size() + replacement.size());
    out.append(text.substr(0, at)).append(replacement).append(text.substr(at + part.size()));
    return out;
}

} // namespace vistrel
