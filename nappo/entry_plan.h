// What a start of the manager does, decided from its command line (first argument only, in lower
// case), whether another manager runs, and the system's version; and what the running manager
// does with an argument a second copy passed it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nappo {

enum class EntryKind {
    Forward,  // pass the argument to the running manager, then end
    End,      // end at once, doing nothing
    WarnOnly, // show the "for Windows 95" warning and end
    Run,      // become the manager
};

struct EntryPlan {
    EntryKind kind = EntryKind::End;
    std::string argument; // as given, for Forward
};

EntryPlan PlanEntry(const std::vector<std::string>& args, bool manager_running, bool is_windows95);

// ASCII lower case: the switches are ASCII, and other text must not change its bytes.
std::string LowerAscii(std::string_view text);

// The WM_COPYDATA payload between copies: the argument cut to 10 bytes (never inside a UTF-8
// character) and a terminating zero, 11 bytes in all.
inline constexpr std::size_t kCopyDataSize = 11;
using CopyDataPayload = std::array<char, kCopyDataSize>;
CopyDataPayload MakeCopyData(std::string_view argument);

// The text of a received payload. It comes from another process: it is read only within its
// stated size, up to its first zero, and at most 10 bytes are taken.
std::string ReadCopyData(const void* data, std::size_t size);

// A received argument ends the manager when it is "/e" in any case.
bool IsEndRequest(std::string_view argument);

} // namespace nappo
