#include "nappo/entry_plan.h"

#include <algorithm>
#include <cstring>

namespace nappo {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

EntryPlan PlanEntry(const std::vector<std::string>& args, bool manager_running, bool is_windows95) {
    if (manager_running) {
        if (args.empty()) return {EntryKind::End, {}};
        return {EntryKind::Forward, args.front()};
    }
    const std::string first = args.empty() ? std::string() : LowerAscii(args.front());
    if (!is_windows95 && first != "/d") return {EntryKind::WarnOnly, {}};
    if (first == "/e") return {EntryKind::End, {}};
    return {EntryKind::Run, {}};
}

namespace {
constexpr std::size_t kTextBytes = kCopyDataSize - 1;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
} // namespace

CopyDataPayload MakeCopyData(std::string_view argument) {
    std::size_t length = std::min(argument.size(), kTextBytes);
    if (length < argument.size()) {
        while (length > 0 && IsContinuationByte(argument[length])) --length;
    }
    CopyDataPayload payload{};
    std::memcpy(payload.data(), argument.data(), length);
    return payload;
}

std::string ReadCopyData(const void* data, std::size_t size) {
    if (!data) return {};
    const char* bytes = static_cast<const char*>(data);
    const std::size_t limit = std::min(size, kTextBytes);
    const char* end = std::find(bytes, bytes + limit, '\0');
    return std::string(bytes, end);
}

bool IsEndRequest(std::string_view argument) { return LowerAscii(argument) == "/e"; }

} // namespace nappo
