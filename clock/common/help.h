// Help is plain HTML beside the program (help/ in the program's folder), one page per context
// number, opened in the user's default browser. The old help program no longer exists on current
// Windows, and a compiled help file unpacked from a downloaded archive shows blank pages.
#pragma once

#include <functional>
#include <span>
#include <string>

namespace vistrel {

// The contexts the program opens. 0 is the contents page.
enum HelpContext : int {
    kHelpContents = 0,
    kHelpGeneral = 6,    // options: 全般
    kHelpNeedle = 7,     // options: 針
    kHelpMojiBan = 8,    // options: 数字
    kHelpDateChar = 9,   // options: 日付
    kHelpMemori = 10,    // options: ﾒﾓﾘ
    kHelpLock = 11,      // options: ﾛｯｸ
    kHelpPoint = 14,     // options: ﾎﾟｲﾝﾀ
    kHelpAlarm = 15,     // options: ｱﾗｰﾑ
    kHelpINet = 16,      // options: 時間合わせ
    kHelpAlarmView = 32, // the alarm list editor
    kHelpLoadStyle = 36, // the style picker
    kHelpFrame = 37,     // options: 枠
};

// Every context that has a page, the contents first.
std::span<const int> HelpContexts();

// The page of a context relative to the help folder ("index.html", "topic36.html"); empty when
// the context has no page.
std::string HelpPageName(int context);

// The full path of a context's page beside the program; empty when the context has no page.
std::string HelpPagePath(int context);

// Opens the page of a context in the default browser. A context without a page does nothing; a
// page that is missing on disk, or that the system cannot open, gets a message naming the file.
void ShowHelp(int context);

// Tests record the pages instead of starting a browser; an empty function restores the real one.
using HelpOpener = std::function<bool(const std::string& path)>;
void SetHelpOpenerForTests(HelpOpener opener);

namespace detail {
bool OpenInBrowser(const std::string& path); // platform twin
}

} // namespace vistrel
