#include "clock/alarm/alarm_fusen_win.h"

#include <windowsx.h>

#include "clock/alarm/alarm_notice_layout.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace {
constexpr WPARAM kMoveByCaption = 0xF012; // SC_MOVE with the caption as the grip
std::function<void(HWND)> g_drag_for_tests;
} // namespace

void TfrmAlarmFusen::SetDragForTests(std::function<void(HWND)> drag) {
    g_drag_for_tests = std::move(drag);
}

HWND TfrmAlarmFusen::Open(const TAlarmItem& item, int interval,
                          std::weak_ptr<const AlarmHost> host) {
    auto* form = new TfrmAlarmFusen(item, std::move(host));
    return OpenOwned(
        std::unique_ptr<AlarmNotice>(form), [form] { form->FormCreate(); },
        [form, interval] { form->FormShow(interval); });
}

void TfrmAlarmFusen::FormCreate() {
    RegisterClassOnce(kClassName);
    const POINT at = ScreenCentre(Scaled(kClientWidth), Scaled(kClientHeight));
    CreateNotice(kClassName, 0, L"Vistrel", WS_POPUP | WS_CLIPCHILDREN, at.x, at.y,
                 Scaled(kClientWidth), Scaled(kClientHeight));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // No SS_NOTIFY: the mouse over the caption reaches this window, which drags by it.
    pnlCaption_ = CreateWindowExW(0, L"STATIC", L"",
                                  WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0,
                                  0, 0, 0, hwnd(), nullptr, instance, nullptr);
    SpeedButton1_ = CreateWindowExW(
        0, L"BUTTON", L"×", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_FLAT, 0, 0,
        Scaled(kButtonSize), Scaled(kButtonSize), hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCloseButtonId)), instance, nullptr);
    const std::wstring snooze = SnoozeCaption();
    snooze_width_ = MeasureText(ButtonFont(), snooze).cx + Scaled(kSnoozeButtonPadding);
    btnSnooze_ = CreateWindowExW(
        0, L"BUTTON", snooze.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT,
        0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSnoozeCommand)), instance,
        nullptr);
    SendMessageW(pnlCaption_, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont()), FALSE);
    SendMessageW(SpeedButton1_, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont()), FALSE);
    SendMessageW(btnSnooze_, WM_SETFONT, reinterpret_cast<WPARAM>(ButtonFont()), FALSE);
    const int inset = kBodyBevel + Scaled(kBodyBorder);
    CreateMemo(0, 0,
               {inset, Scaled(kTabHeight) + inset, Scaled(kClientWidth) - inset,
                Scaled(kClientHeight) - inset});
    LayoutTab();
}

void TfrmAlarmFusen::FormShow(int interval) {
    StartCloseTimer(interval);
    const std::wstring caption = Widen(AlarmFusenCaption(item()));
    SetWindowTextW(pnlCaption_, caption.c_str());
    tab_width_ =
        FusenTabWidth(MeasureText(WindowFont(), caption).cx, ButtonPanelWidth(), kTabBevel);
    LayoutTab();
    UseDialogKeys();
    ShowNotice(SW_SHOWNORMAL);
}

int TfrmAlarmFusen::ButtonPanelWidth() const { return Scaled(kButtonPanelWidth) + snooze_width_; }

void TfrmAlarmFusen::LayoutTab() {
    // The caption takes the tab inside its bevel, the button panel its right end: "あとで",
    // then the close button.
    const int inner_right = tab_width_ - kTabBevel;
    const int snooze_left = inner_right - ButtonPanelWidth();
    const int button_left = inner_right - Scaled(kButtonPanelWidth);
    MoveWindow(btnSnooze_, snooze_left, (Scaled(kTabHeight) - Scaled(kButtonSize)) / 2,
               snooze_width_, Scaled(kButtonSize), TRUE);
    MoveWindow(pnlCaption_, kTabBevel * 2, kTabBevel, snooze_left - kTabBevel * 2,
               Scaled(kTabHeight) - 2 * kTabBevel, TRUE);
    MoveWindow(SpeedButton1_, button_left + (Scaled(kButtonPanelWidth) - Scaled(kButtonSize)) / 2,
               (Scaled(kTabHeight) - Scaled(kButtonSize)) / 2, Scaled(kButtonSize),
               Scaled(kButtonSize), TRUE);
    SetShape();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void TfrmAlarmFusen::SetShape() {
    RECT client;
    GetClientRect(hwnd(), &client);
    UniqueRegion shape(CreateRectRgn(0, 0, tab_width_, Scaled(kTabHeight)));
    const UniqueRegion body(CreateRectRgn(0, Scaled(kTabHeight), client.right, client.bottom));
    CombineRgn(shape.get(), shape.get(), body.get(), RGN_OR);
    // The system owns the region from here on and frees the one it replaces.
    if (SetWindowRgn(hwnd(), shape.get(), TRUE)) shape.release();
}

void TfrmAlarmFusen::OnPaint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd(), &ps);
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT tab{0, 0, tab_width_, Scaled(kTabHeight)};
    DrawEdge(dc, &tab, EDGE_RAISED, BF_RECT);
    RECT body{0, Scaled(kTabHeight), client.right, client.bottom};
    DrawEdge(dc, &body, EDGE_RAISED, BF_RECT);
    // The memo's colour reaches to the bevel, as the border of the note.
    RECT inside{kBodyBevel, Scaled(kTabHeight) + kBodyBevel, client.right - kBodyBevel,
                client.bottom - kBodyBevel};
    FillRect(dc, &inside, BackBrush());
    EndPaint(hwnd(), &ps);
}

bool TfrmAlarmFusen::InCaption(POINT p) const {
    RECT r;
    GetWindowRect(pnlCaption_, &r);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return PtInRect(&r, p) != FALSE;
}

void TfrmAlarmFusen::pnlCaptionMouseDown(POINT p) {
    pressed_ = p;
    press_pending_ = true;
}

void TfrmAlarmFusen::pnlCaptionMouseMove(WPARAM keys, POINT p) {
    if (!press_pending_ || !(keys & MK_LBUTTON)) return;
    if (p.x == pressed_.x && p.y == pressed_.y) return;
    press_pending_ = false;
    BeginSystemDrag();
}

void TfrmAlarmFusen::BeginSystemDrag() {
    ReleaseCapture();
    if (g_drag_for_tests) {
        g_drag_for_tests(hwnd());
        return;
    }
    SendMessageW(hwnd(), WM_SYSCOMMAND, kMoveByCaption, 0);
}

LRESULT TfrmAlarmFusen::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE: SetShape(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lp) == pnlCaption_) {
            SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNFACE));
            SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return AlarmNotice::HandleMessage(msg, wp, lp);
    case WM_LBUTTONDOWN: {
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (InCaption(p)) pnlCaptionMouseDown(p);
        return 0;
    }
    case WM_MOUSEMOVE: pnlCaptionMouseMove(wp, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_LBUTTONUP: press_pending_ = false; return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == kCloseButtonId && HIWORD(wp) == BN_CLICKED) {
            // The window and this object end here.
            DestroyWindow(hwnd());
            return 0;
        }
        return AlarmNotice::HandleMessage(msg, wp, lp);
    case WM_DESTROY:
        SetWindowRgn(hwnd(), nullptr, FALSE);
        return AlarmNotice::HandleMessage(msg, wp, lp);
    default: return AlarmNotice::HandleMessage(msg, wp, lp);
    }
}

} // namespace vistrel
