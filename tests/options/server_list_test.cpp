#include "clock/options/server_list.h"

#include <gtest/gtest.h>

#include "clock/settings/option_item.h"

namespace vistrel {
namespace {

TEST(ServerList, LinesInFileOrderOrTheBuiltInServer) {
    using V = std::vector<std::string>;
    const struct {
        std::optional<std::string> file;
        V entries;
    } cases[] = {
        {std::nullopt, {kDefaultTimeServer}},
        {"", {kDefaultTimeServer}},
        {"a.example\r\n\r\nb.example\r\n", {"a.example", "", "b.example"}},
        {"a.example\nb.example", {"a.example", "b.example"}},
        {"\r\n", {""}},
        {"\x83\x65\x83\x58\x83\x67\r\n", {"テスト"}}, // Shift-JIS on disk
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServerListEntries(c.file), c.entries) << c.file.value_or("(none)");
}

} // namespace
} // namespace vistrel
