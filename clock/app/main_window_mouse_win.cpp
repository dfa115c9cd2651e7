// The mouse, the pop-up menu and the commands of the clock window.
#include "clock/app/main_window_win.h"

#include <windowsx.h>

#include "clock/app/cursors_win.h"
#include "clock/common/message_box.h"
#include "clock/common/system_actions.h"
#include "clock/timesync/adjust_settings.h"
#include "clock/timesync/adjust_time_win.h"

namespace vistrel {

bool TfrmVistrel::LockAppliesNow() const {
    bool key_held = false;
    switch (option_.TempKey) {
    case 1: key_held = GetKeyState(VK_CONTROL) < 0; break;
    case 2: key_held = GetKeyState(VK_SHIFT) < 0; break;
    case 3: key_held = GetKeyState(VK_MENU) < 0; break;
    default: break;
    }
    return LockApplies(option_.Locked, key_held);
}

LRESULT TfrmVistrel::OnNcHitTest(LPARAM lp) {
    if (!ticking_ || lock_busy_) return HTNOWHERE;
    // A locked clock takes no mouse input; the behaviours that get it out of the cursor's way
    // answer here.
    if (LockAppliesNow()) return LockBehaviour();
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ScreenToClient(hwnd(), &p);
    RECT rc;
    GetClientRect(hwnd(), &rc);
    const int margin = EdgeMargin({window_.Size, option_.MojiBan, option_.MojiSize,
                                   option_.ThickPos, option_.Thick5Size});
    switch (EdgeAt(p.x, p.y, rc.right, rc.bottom, margin)) {
    case Edge::Left: return HTLEFT;
    case Edge::Right: return HTRIGHT;
    case Edge::Top: return HTTOP;
    case Edge::Bottom: return HTBOTTOM;
    case Edge::None: break;
    }
    return HTCLIENT;
}

LRESULT TfrmVistrel::OnNcLButtonDown(WPARAM wp, LPARAM lp) {
    Edge edge = Edge::None;
    switch (wp) {
    case HTLEFT: edge = Edge::Left; break;
    case HTRIGHT: edge = Edge::Right; break;
    case HTTOP: edge = Edge::Top; break;
    case HTBOTTOM: edge = Edge::Bottom; break;
    default: break;
    }
    if (wp != HTSIZE && (wp < HTLEFT || wp > HTBOTTOMRIGHT)) {
        return Default(WM_NCLBUTTONDOWN, wp, lp);
    }
    resizing_ = true;
    resize_edge_ = edge;
    resize_start_ = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    resize_start_rect_ = Bounds();
    SetCapture(hwnd());
    return 0;
}

namespace {
POINT MessageScreenPoint() {
    const DWORD pos = GetMessagePos();
    return {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
}
} // namespace

void TfrmVistrel::OnLButtonDown(LPARAM) {
    drag_start_ = MessageScreenPoint();
    const WinRect b = Bounds();
    drag_origin_ = {b.left, b.top};
    dragging_ = true;
    SetCapture(hwnd());
}

LRESULT TfrmVistrel::OnMouseMove(WPARAM wp, LPARAM lp) {
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (resizing_) {
        ClientToScreen(hwnd(), &p);
        const ResizeResult r = ResizeStep(resize_start_rect_, resize_edge_, resize_start_.x,
                                          resize_start_.y, p.x, p.y);
        if (!r.accepted) return 0;
        window_.Size = r.rect.width;
        PlaceWindow(r.rect);
        UpdateAnchor();
        Redraw();
        return 0;
    }
    if (dragging_ && (wp & MK_LBUTTON)) {
        const POINT s = MessageScreenPoint();
        const int x = drag_origin_.x + s.x - drag_start_.x;
        const int y = drag_origin_.y + s.y - drag_start_.y;
        const WinRect b = Bounds();
        if (x == b.left && y == b.top) return 0;
        SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateAnchor();
    }
    return 0;
}

LRESULT TfrmVistrel::OnLButtonUp(WPARAM, LPARAM) {
    if (resizing_) Redraw();
    resizing_ = false;
    dragging_ = false;
    ReleaseCapture();
    return 0;
}

bool TfrmVistrel::OnSetCursor(LPARAM lp) {
    switch (LOWORD(lp)) {
    case HTLEFT:
    case HTRIGHT: SetCursor(CursorFor(kCursorSizeHorizontal)); return true;
    case HTTOP:
    case HTBOTTOM: SetCursor(CursorFor(kCursorSizeVertical)); return true;
    case HTCLIENT: SetCursor(CursorFor(option_.PointType)); return true;
    default: return false;
    }
}

void TfrmVistrel::ShowPopupMenu() {
    const UniqueMenu menu = BuildPopupMenu(
        menu_texts_, {window_.StayOnTop, option_.Locked, set_time_available_ && !AdjustTimeRunning(),
                      sound_ && sound_->IsPlaying()});
    TrayIcon::TrackMenu(hwnd(), menu.get());
}

void TfrmVistrel::OnCommand(UINT id) {
    switch (id) {
    case kCmdTop:
        // Takes effect at the next loss of activation, as the topmost state is renewed then.
        window_.StayOnTop = !window_.StayOnTop;
        break;
    case kCmdLock: LockCmd1(); break;
    case kCmdMinimize: MinimizeCmd1(); break;
    case kCmdSetTime: SetTimeCmd1(); break;
    case kCmdStopSound: MCIStopCmd1(); break;
    case kCmdExit: PostMessageW(hwnd(), WM_CLOSE, 0, 0); break;
    case kCmdMoveTopRight:
    case kCmdMoveBottomRight:
    case kCmdMoveTopLeft:
    case kCmdMoveBottomLeft:
    case kCmdMoveCenter: MoveToCorner(id); break;
    default: break;
    }
}

void TfrmVistrel::MoveToCorner(UINT command) {
    RECT wa{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
    const WinRect b = Bounds();
    const MovePlace p = PlaceForMove(command, wa, b.width);
    PlaceWindow({p.left, p.top, b.width, b.height});
    UpdateAnchor();
}

void TfrmVistrel::LockCmd1() {
    option_.Locked = !option_.Locked;
    window_.Lock = option_.Locked;
    UpdateTrayIcon();
}

void TfrmVistrel::MinimizeCmd1() { app_.Minimize(); }

void TfrmVistrel::SetTimeCmd1() {
    if (!set_time_available_ || AdjustTimeRunning()) return;
    RunAdjustment(option_);
}

void TfrmVistrel::RunAdjustment(const TOptionItem& option) {
    // The adjustment lets window messages run while it waits; the menu entry stays disabled
    // meanwhile because a second run is refused while one is going on.
    AdjustTime(
        AdjustSettingsFrom(option),
        [](TDateTime local) { CurrentSystemActions().SetLocalClock(local); }, hwnd(), app_.hwnd());
}

void TfrmVistrel::DoubleClickAction() {
    switch (option_.DblClickAction) {
    case 1: SendMessageW(hwnd(), WM_SYSCOMMAND, SC_SCREENSAVE, 0); break;
    case 2: SetTimeCmd1(); break;
    case 3: MCIStopCmd1(); break;
    case 5: MinimizeCmd1(); break;
    default:
        // Clearing afterimages and the alarm list
        // join with their commands.
        break;
    }
}

} // namespace vistrel
