#include "clock/common/help.h"

#include <array>

#include "clock/common/file_io.h"
#include "clock/common/message_box.h"

namespace vistrel {

namespace {
constexpr std::array<int, 13> kContexts = {
    kHelpContents,  kHelpGeneral,   kHelpNeedle, kHelpMojiBan, kHelpDateChar,
    kHelpMemori,    kHelpLock,      kHelpPoint,  kHelpAlarm,   kHelpINet,
    kHelpAlarmView, kHelpLoadStyle, kHelpFrame};

HelpOpener& TestOpener() {
    static HelpOpener opener;
    return opener;
}
} // namespace

std::span<const int> HelpContexts() { return kContexts; }

std::string HelpPageName(int context) {
    if (context == kHelpContents) return "index.html";
    for (const int known : kContexts) {
        if (known != context) continue;
        return "topic" + std::string(context < 10 ? "0" : "") + std::to_string(context) + ".html";
    }
    return {};
}

std::string HelpPagePath(int context) {
    const std::string name = HelpPageName(context);
    if (name.empty()) return {};
    return ProgramFolder() + "help" + PathSeparator() + name;
}

void ShowHelp(int context) {
    const std::string path = HelpPagePath(context);
    if (path.empty()) return;
    if (!FileExists(path)) {
        ShowMessageBox("ヘルプのページが見つかりません。\r\n" + path +
                           "\r\nプログラムのフォルダにある help フォルダを確かめてください。",
                       MsgType::Warning);
        return;
    }
    const bool opened = TestOpener() ? TestOpener()(path) : detail::OpenInBrowser(path);
    // Without a browser the user can still read the page: say where it is, whole.
    if (!opened) {
        ShowMessageBox("ヘルプのページを開けませんでした。\r\n"
                       "ブラウザで次のファイルを開いてください。\r\n" +
                           path,
                       MsgType::Warning);
    }
}

void SetHelpOpenerForTests(HelpOpener opener) { TestOpener() = std::move(opener); }

} // namespace vistrel
