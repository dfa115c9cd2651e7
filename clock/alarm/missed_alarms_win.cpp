#include "clock/alarm/missed_alarms_win.h"

#include <algorithm>

#include "clock/alarm/missed_alarms.h"
#include "clock/common/vocabulary.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace {
// The normal alarm window's width, a little wider for the due times; a line more per alarm,
// up to a height that leaves the rest to the scroll bar (pixels at 96 DPI).
constexpr int kWidth = 420;
constexpr int kBaseHeight = 112;
constexpr int kLineHeight = 16;
constexpr int kMostHeight = 420;
} // namespace

HWND TfrmMissedAlarms::Open(const MissedAlarms& missed, std::weak_ptr<const AlarmHost> host) {
    if (missed.empty()) return nullptr;
    MissedAlarmTexts texts;
    const std::vector<TextReplacement> table = MissedAlarmTextReplacements(texts);
    ApplyLanguage(table);
    TAlarmItem notice;
    notice.message = MissedAlarmsText(missed, texts, AlarmDateTimeFormat);
    notice.font_size = 9;
    auto* form = new TfrmMissedAlarms(notice, std::move(host));
    const std::string title = MissedAlarmsTitle(missed.size(), texts);
    return OpenOwned(
        std::unique_ptr<AlarmNotice>(form),
        [form, title, lines = missed.size()] { form->FormCreate(title, lines); },
        [form] { form->ShowNotice(SW_SHOWNORMAL); });
}

void TfrmMissedAlarms::FormCreate(const std::string& title, std::size_t lines) {
    RegisterClassOnce(kClassName);
    const int width = Scaled(kWidth);
    const int height =
        Scaled(std::min<int>(kBaseHeight + kLineHeight * static_cast<int>(lines + 1), kMostHeight));
    const POINT at = ScreenCentre(width, height);
    CreateNotice(kClassName, 0, Widen(title).c_str(),
                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, at.x,
                 at.y, width, height);
    UseWindowFont(9, true);
    RECT client;
    GetClientRect(hwnd(), &client);
    CreateMemo(ES_READONLY | WS_VSCROLL, WS_EX_CLIENTEDGE, client);
    UseDialogKeys(); // Escape closes it, wherever the focus is
}

LRESULT TfrmMissedAlarms::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE && memo()) {
        MoveWindow(memo(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    }
    return AlarmNotice::HandleMessage(msg, wp, lp);
}

} // namespace vistrel
