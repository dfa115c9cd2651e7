// Opens the time adjustment log with the lines of a typical run, for a look at it (and a
// screenshot) without a time server. Usage: adjust_log_demo [seconds]. With no clock to stand
// beside, the log opens at the top-left corner of the primary monitor.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "clock/common/date_time.h"
#include "clock/common/texts.h"
#include "clock/timesync/adjust_log_format.h"
#include "clock/timesync/sntp_info_win.h"

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    auto log = vistrel::CreateSntpInfo(nullptr, nullptr, static_cast<UINT>(seconds) * 1000);
    using vistrel::EncodeDateTime;
    const vistrel::TDateTime server = EncodeDateTime(2026, 12, 9, 7, 30, 0, 125);
    const vistrel::TDateTime local = EncodeDateTime(2026, 12, 9, 7, 30, 1, 500);
    for (const std::string& line :
         {std::string("Pinging 192.0.2.10"), std::string("    Buffer size = 32bytes"),
          std::string("Reply 12 ms"), std::string("Reply 11 ms"), std::string("Success 2 times"),
          vistrel::TrFill(vistrel::Tx::LogReplyTime, {"11"}), std::string("Server connecting..."),
          "Server = " + vistrel::FormatLogTime(server), "Local  = " + vistrel::FormatLogTime(local),
          std::string(), vistrel::FormatClockChange(server, local)}) {
        log->AddInfoLine(line);
    }
    log->Show();
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    MSG msg;
    while (GetTickCount() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
    log->Close();
    return 0;
}
