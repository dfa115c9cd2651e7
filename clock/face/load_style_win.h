// The style picker TfrmLoadStyle: the style files of a folder, each click loading its style into
// the live clock (the clock is the preview), a folder change through the system's browser.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "clock/settings/option_item.h"

namespace vistrel {

// What the picker works on: the clock's live record, the settings version that older style
// files are read by, the clock window it opens beside, and the repaint after each click.
struct StyleHost {
    TOptionItem& option;
    int running_ver;
    HWND clock;
    std::function<void()> redraw;
};

// The names of the style files of a folder (ending in "\"), in the order the system lists them;
// hidden and system files included.
std::vector<std::wstring> StyleFileNames(const std::string& folder);

// Runs the picker modally on `folder`. On OK, the folder it shows last (ending in "\"); on
// Cancel or the close box, nothing, and the whole record is put back as it was before (which
// undoes every style tried) and the clock repainted.
std::optional<std::string> RunLoadStyle(HWND owner, StyleHost& host, const std::string& folder);

} // namespace vistrel
