#include "clock/alarm/alarm_msg_win.h"

#include <algorithm>

#include "clock/alarm/alarm_notice_layout.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace {

// The inner margin an edit control gives its text in a Western font, half an average character
// on each side. With a Japanese font it gives next to none, and the message would touch the
// window's left edge.
void SetMemoMargins(HWND memo) {
    const WindowDc screen(nullptr);
    const SelectGuard select(screen.get(),
                             reinterpret_cast<HGDIOBJ>(SendMessageW(memo, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    const auto margin = static_cast<WORD>(std::max(1L, metrics.tmAveCharWidth / 2));
    SendMessageW(memo, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

} // namespace

HWND TfrmAlarmMsg::Open(const TAlarmItem& item, int interval, std::weak_ptr<const AlarmHost> host) {
    auto* form = new TfrmAlarmMsg(item, std::move(host));
    return OpenOwned(
        std::unique_ptr<AlarmNotice>(form), [form] { form->FormCreate(); },
        [form, interval] { form->FormShow(interval); });
}

void TfrmAlarmMsg::FormCreate() {
    RegisterClassOnce(kClassName);
    const int width = Scaled(kWidth), height = Scaled(kHeight);
    const POINT at = ScreenCentre(width, height);
    CreateNotice(kClassName, 0, L"",
                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, at.x,
                 at.y, width, height);
    UseWindowFont(9, true);
    RECT client;
    GetClientRect(hwnd(), &client);
    CreateMemo(ES_READONLY, WS_EX_CLIENTEDGE, client);
    SetMemoMargins(memo());
}

void TfrmAlarmMsg::FormShow(int interval) {
    StartCloseTimer(interval);
    SetWindowTextW(hwnd(), Widen(AlarmMsgTitle(item())).c_str());
    ShowNotice(SW_SHOWNORMAL);
}

void TfrmAlarmMsg::FitMemo() {
    if (!memo()) return;
    RECT client;
    GetClientRect(hwnd(), &client);
    MoveWindow(memo(), 0, 0, client.right, client.bottom, TRUE);
}

LRESULT TfrmAlarmMsg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE: FitMemo(); return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wp), &client, BackBrush());
        return 1;
    }
    default: return AlarmNotice::HandleMessage(msg, wp, lp);
    }
}

} // namespace vistrel
