// The time servers the options offer: the lines of "host.txt" in the program's folder, or one
// built-in server when the file is missing or holds no line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

inline constexpr char kServerListFile[] = "host.txt";

// The entries for a file's bytes (Shift-JIS), nothing standing for a missing file: every line in
// file order, empty lines included (a last line break opens no further line).
std::vector<std::string> ServerListEntries(const std::optional<std::string>& file_bytes);

// The entries of "host.txt" beside the program.
std::vector<std::string> ServerList();

} // namespace vistrel
