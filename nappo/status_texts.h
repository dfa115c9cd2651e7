// The values the status window shows as text (its texts are in the program's one table).
#pragma once

#include <cstdint>
#include <string>

#include "clock/common/texts.h"
#include "nappo/idle_watch.h"

namespace nappo {

// The built-in text of the box shown when the hook cannot be set (the box itself shows the
// language library's text).
inline constexpr const char* kHookFailed =
    vistrel::BuiltInText(vistrel::Tx::NappoHookFailed).data();
// A programmer's message, the same in every language.
inline constexpr char kTickError[] = "GetLastTickCount Error";

// The values' texts, from the window's texts (or, without them, the library opened for the one
// text).
std::string OnOffText(bool active, const vistrel::TextBook& texts = {});      // "オン" / "オフ"
std::string WaitMinutesText(std::int64_t waiting_ms);                         // whole minutes
std::string ModeText(bool hook_mode, const vistrel::TextBook& texts = {});    // "ﾌｯｸ" / ...
std::string StateText(SaverState state, const vistrel::TextBook& texts = {}); // "" for Unknown

} // namespace nappo
