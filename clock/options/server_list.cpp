#include "clock/options/server_list.h"

#include "clock/common/file_io.h"
#include "clock/common/text_encoding.h"
#include "clock/settings/option_item.h"

namespace vistrel {

std::vector<std::string> ServerListEntries(const std::optional<std::string>& file_bytes) {
    std::vector<std::string> lines;
    if (file_bytes) {
        const std::string text = SjisToUtf8Escaped(*file_bytes);
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string::npos) end = text.size();
            lines.push_back(text.substr(start, end - start));
            // CR LF, a lone LF or a lone CR ends a line.
            if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
                text[end + 1] == '\n') {
                ++end;
            }
            start = end + 1;
        }
    }
    if (lines.empty()) lines.emplace_back(kDefaultTimeServer);
    return lines;
}

std::vector<std::string> ServerList() {
    return ServerListEntries(ReadFileBytes(ProgramFolder() + kServerListFile));
}

} // namespace vistrel
