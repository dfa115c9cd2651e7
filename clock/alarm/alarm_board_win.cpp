#include "clock/alarm/alarm_board_win.h"

#include <windowsx.h>

#include <algorithm>

#include "clock/common/language.h"
#include "clock/common/language_win.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace {
constexpr int kInset = TfrmAlarmBoard::kBevel + TfrmAlarmBoard::kBorder;
} // namespace

HWND TfrmAlarmBoard::Open(const TAlarmItem& item, int times, int speed, const BoardPlace& place,
                          std::weak_ptr<const AlarmHost> host) {
    auto* form = new TfrmAlarmBoard(item, times, speed, std::move(host));
    return OpenOwned(
        std::unique_ptr<AlarmNotice>(form), [form] { form->FormCreate(); },
        [form, &place] { form->FormShow(place); });
}

TfrmAlarmBoard::TfrmAlarmBoard(const TAlarmItem& item, int times, int speed,
                               std::weak_ptr<const AlarmHost> host)
    : AlarmNotice(item, std::move(host)), times_(times), speed_(BoardSpeedOf(speed)),
      text_(Widen(AlarmBoardText(item))) {}

void TfrmAlarmBoard::FormCreate() {
    RegisterClassOnce(kClassName);
    CreateNotice(kClassName, WS_EX_TOOLWINDOW, L"Vistrel", WS_POPUP, 0, 0, kClientWidth,
                 kClientHeight);
    PopupMenu1_.reset(CreatePopupMenu());
    AppendMenuW(PopupMenu1_.get(), MF_STRING, kSnoozeCommand, SnoozeCaption().c_str());
    AppendMenuW(PopupMenu1_.get(), MF_STRING, kCloseItem, L"閉じる(&C)");
    const TextReplacement texts[] = {MenuCaption(kCloseTextNumber, PopupMenu1_.get(), kCloseItem)};
    ApplyLanguage(texts);
}

void TfrmAlarmBoard::FormShow(const BoardPlace& place) {
    UseWindowFont(AlarmFontPoints(item().font_size), true);
    const SIZE text = MeasureText(WindowFont(), text_);
    int width = place.clock.right - place.clock.left;
    if (width <= 2 * kInset) width = kClientWidth; // no clock to follow
    const int clock_height = place.clock.bottom - place.clock.top;
    SetWindowPos(hwnd(), nullptr, place.clock.left,
                 BoardTop(place.clock.top, clock_height, place.caption_above), width,
                 BoardHeight(text.cy, kBevel, kBorder), SWP_NOZORDER | SWP_NOACTIVATE);
    MakeImage();
    scroll_.emplace(image_size_.cx, text.cx, speed_.step, times_);
    SetTimer(hwnd(), kScrollTimer, static_cast<UINT>(speed_.interval_ms), nullptr);
    ShowNotice(SW_SHOWNORMAL);
}

void TfrmAlarmBoard::MakeImage() {
    RECT client;
    GetClientRect(hwnd(), &client);
    image_size_ = {std::max<LONG>(client.right - 2 * kInset, 1),
                   std::max<LONG>(client.bottom - 2 * kInset, 1)};
    const WindowDc screen(nullptr);
    image_dc_.reset(CreateCompatibleDC(screen.get()));
    image_.reset(CreateCompatibleBitmap(screen.get(), image_size_.cx, image_size_.cy));
    // Both stay selected for the board's life; deleting the DC lets go of them.
    SelectObject(image_dc_.get(), image_.get());
    SelectObject(image_dc_.get(), WindowFont());
    SetTextColor(image_dc_.get(), text_colour());
    SetBkColor(image_dc_.get(), back_colour());
    SetBkMode(image_dc_.get(), OPAQUE);
    RECT all{0, 0, image_size_.cx, image_size_.cy};
    FillRect(image_dc_.get(), &all, BackBrush());
}

void TfrmAlarmBoard::Present() const {
    const WindowDc dc(hwnd());
    BitBlt(dc.get(), kInset, kInset, image_size_.cx, image_size_.cy, image_dc_.get(), 0, 0,
           SRCCOPY);
}

void TfrmAlarmBoard::OnPaint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd(), &ps);
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &client, BDR_SUNKENINNER, BF_RECT);
    if (image_dc_) {
        BitBlt(dc, kInset, kInset, image_size_.cx, image_size_.cy, image_dc_.get(), 0, 0, SRCCOPY);
    }
    EndPaint(hwnd(), &ps);
}

void TfrmAlarmBoard::Timer1Timer() {
    if (!scroll_) return;
    const BoardScroll::Step step = scroll_->Advance();
    // Drawn over what is there: the text's own background wipes its previous place.
    TextOutW(image_dc_.get(), step.draw_x, 0, text_.c_str(), static_cast<int>(text_.size()));
    Present();
    // The window and this object end here.
    if (step.close) DestroyWindow(hwnd());
}

void TfrmAlarmBoard::OnRightButtonDown(POINT p) {
    ClientToScreen(hwnd(), &p);
    ShowMenuAt(p);
}

void TfrmAlarmBoard::OnKeyboardMenu() {
    POINT p{0, 0};
    ClientToScreen(hwnd(), &p);
    ShowMenuAt(p);
}

void TfrmAlarmBoard::ShowMenuAt(POINT p) {
    TrackPopupMenu(PopupMenu1_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd(),
                   nullptr);
}

void TfrmAlarmBoard::OnMouseMove(WPARAM keys, POINT p) {
    if (!dragging_ || !(keys & MK_LBUTTON)) return;
    RECT r;
    GetWindowRect(hwnd(), &r);
    SetWindowPos(hwnd(), nullptr, r.left + p.x - pressed_.x, r.top + p.y - pressed_.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TfrmAlarmBoard::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER:
        if (wp == kScrollTimer) {
            Timer1Timer();
            return 0;
        }
        return AlarmNotice::HandleMessage(msg, wp, lp);
    case WM_RBUTTONDOWN: OnRightButtonDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    // Shift+F10 or the menu key; the mouse's menu has opened on the press already.
    case WM_CONTEXTMENU:
        if (lp == -1) OnKeyboardMenu();
        return 0;
    case WM_LBUTTONDOWN:
        pressed_ = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        dragging_ = true;
        SetCapture(hwnd());
        return 0;
    case WM_MOUSEMOVE: OnMouseMove(wp, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_LBUTTONUP:
        dragging_ = false;
        ReleaseCapture();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == kCloseItem && lp == 0) {
            DestroyWindow(hwnd()); // mnuClose: the window and this object end here
            return 0;
        }
        return AlarmNotice::HandleMessage(msg, wp, lp);
    case WM_DESTROY:
        KillTimer(hwnd(), kScrollTimer);
        return AlarmNotice::HandleMessage(msg, wp, lp);
    default: return AlarmNotice::HandleMessage(msg, wp, lp);
    }
}

} // namespace vistrel
