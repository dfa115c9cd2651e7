// The tick, the notification-area icon and the corner anchor of the clock window.
#include "clock/app/main_window_win.h"

#include "clock/common/clock_source.h"
#include "clock/common/date_format.h"
#include "clock/common/fpu.h"
#include "clock/common/handles_win.h"
#include "clock/common/vocabulary.h"
#include "clock/face/gdi_paint_win.h"
#include "resources/resource.h"

namespace vistrel {

namespace {
// The local time advances in steps of about 15 ms; aiming a little past the second boundary
// makes sure the new second is already there when the timer fires.
constexpr int kTickMarginMs = 20;
} // namespace

void TfrmVistrel::StartTick() {
    ticking_ = true;
    ScheduleNextTick();
}

void TfrmVistrel::StopTick() {
    ticking_ = false;
    if (hwnd()) KillTimer(hwnd(), kTickTimer);
}

void TfrmVistrel::ScheduleNextTick() {
    SetTimer(hwnd(), kTickTimer, static_cast<UINT>(MillisecondsToNextSecond(Now(), kTickMarginMs)),
             nullptr);
}

void TfrmVistrel::Timer1Timer() {
    if (ticking_) ScheduleNextTick();
    const TDateTime now = Now();
    const SecondsShown shown{option_.SNeedle, option_.ColorChange,
                             option_.TimeChar && option_.TimeCharForm <= 2};
    const TickResult r = RunTick(tick_, now, shown, minimized_);
    if (!r.new_second) return;
    ResetFpu();
    // A notification area that was not ready at the start (or took too long) gets the icon now.
    if (tray_) tray_->Retry();
    if (r.catch_up) CatchUp();
    if (r.redraw) Redraw();
    const DateTextForm date_form{option_.DateCharForm, option_.WeekType, WeekdayAfterDate};
    app_.SetTitle(minimized_ ? MinimizedTitle(tick_.display.value, date_form)
                             : std::string("Vistrel"));
    RunDueAlarms();
}

void TfrmVistrel::Redraw() {
    if (minimized_ || !hwnd()) return;
    marks_.clear();
    for (const TAlarmItem& a : alarms_) {
        marks_.push_back({a.mark, static_cast<Colour>(a.colour), a.next_time});
    }
    FaceRequest request;
    request.size = Bounds().width();
    // The face shows the time of the tick; before the first tick, the time now.
    request.time = FaceTimeAt(tick_.display.second >= 0 ? tick_.display.value : Now());
    request.alarms = marks_;
    request.minimized = minimized_;
    request.hole_active = hole_active_;
    if (hole_active_) request.cursor = CursorInClient(hwnd());
    request.weekday_after_date = WeekdayAfterDate;
    request.reset_fpu = ResetFpuEnabled();
    request.screen = screen_;
    if (flash_inverted_) painter_.RenderClock(hwnd(), FlashedColours(option_), request);
    else painter_.RenderClock(hwnd(), option_, request);
}

void TfrmVistrel::OnPaint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd(), &ps);
    painter_.PaintTo(dc);
    EndPaint(hwnd(), &ps);
}

void TfrmVistrel::UpdateTrayIcon() {
    if (!tray_) return;
    const bool shown = option_.ShowTray || (option_.Locked && option_.TempKey == 0);
    if (!shown) {
        tray_->Hide();
        return;
    }
    static const HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    tray_->Show(icon, "Vistrel");
}

void TfrmVistrel::OnTrayMessage(LPARAM lp) {
    switch (static_cast<UINT>(lp)) {
    case WM_RBUTTONUP: ShowPopupMenu(); break;
    case WM_LBUTTONUP:
        if (minimized_) SendMessageW(app_.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
        break;
    case WM_LBUTTONDBLCLK: DoubleClickAction(); break;
    default: break;
    }
}

void TfrmVistrel::UpdateAnchor() {
    anchored_on_ = MonitorOfRect(Bounds()).bounds;
    anchor_ = vistrel::UpdateAnchor(Bounds(), anchored_on_, anchor_);
}

void TfrmVistrel::OnDpiChanged(int dpi) {
    const Rect b = Bounds();
    const int pixels = Scale(window_.Size, dpi);
    PlaceWindow(Rect::Sized(b.left + (b.width() - pixels) / 2, b.top + (b.height() - pixels) / 2,
                            pixels, pixels));
    UpdateAnchor();
    Redraw();
}

void TfrmVistrel::OnDisplayChange(int width, int height) {
    std::vector<Monitor> monitors = CurrentMonitors();
    // The message carries the primary monitor's new size; the list may not show it yet.
    Rect& primary = monitors.front().bounds;
    primary = Rect::Sized(primary.left, primary.top, width, height);
    const ScreenChange change = AfterScreensChanged(Bounds(), anchor_, anchored_on_, monitors);
    PlaceWindow(change.clock);
    anchored_on_ = change.screen;
    anchor_ = vistrel::UpdateAnchor(change.clock, anchored_on_, anchor_);
}

} // namespace vistrel
