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
    CreateButtons();
    FitMemo();
}

void TfrmAlarmMsg::CreateButtons() {
    const auto button = [this](UINT id, const std::wstring& text, DWORD style) {
        const HWND b =
            CreateWindowExW(0, L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                            0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(ButtonFont()), FALSE);
        return b;
    };
    btnSnooze_ = button(kSnoozeCommand, SnoozeCaption(), BS_DEFPUSHBUTTON | WS_GROUP);
    btnClose_ = button(kCloseCommand, CloseCaption(), BS_PUSHBUTTON);
}

void TfrmAlarmMsg::FormShow(int interval) {
    StartCloseTimer(interval);
    SetWindowTextW(hwnd(), Widen(AlarmMsgTitle(item())).c_str());
    UseDialogKeys();
    ShowNotice(SW_SHOWNORMAL);
    SetFocus(btnSnooze_);
}

void TfrmAlarmMsg::FitMemo() {
    if (!memo()) return;
    RECT client;
    GetClientRect(hwnd(), &client);
    const int bar = Scaled(kBarHeight);
    MoveWindow(memo(), 0, 0, client.right, std::max<LONG>(client.bottom - bar, 0), TRUE);
    // The buttons at the bar's right end, "閉じる" last.
    const int w = Scaled(kButtonWidth), h = Scaled(kButtonHeight), gap = Scaled(6);
    const int top = client.bottom - bar + (bar - h) / 2;
    if (btnClose_) MoveWindow(btnClose_, client.right - gap - w, top, w, h, TRUE);
    if (btnSnooze_) MoveWindow(btnSnooze_, client.right - 2 * (gap + w), top, w, h, TRUE);
}

LRESULT TfrmAlarmMsg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE: FitMemo(); return 0;
    // Enter away from the buttons is "あとで".
    case DM_GETDEFID: return MAKELRESULT(kSnoozeCommand, DC_HASDEFID);
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd(), &client);
        RECT bar = client;
        bar.top = std::max<LONG>(client.bottom - Scaled(kBarHeight), 0);
        client.bottom = bar.top;
        FillRect(reinterpret_cast<HDC>(wp), &client, BackBrush());
        FillRect(reinterpret_cast<HDC>(wp), &bar, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default: return AlarmNotice::HandleMessage(msg, wp, lp);
    }
}

} // namespace vistrel
