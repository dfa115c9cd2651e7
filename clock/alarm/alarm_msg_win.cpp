#include "clock/alarm/alarm_msg_win.h"

#include "clock/alarm/alarm_notice_layout.h"
#include "clock/common/wide_win.h"

namespace vistrel {

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
