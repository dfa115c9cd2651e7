// What the clock window does in its tick, its drawing, the notification-area icon, and the move
// onto a monitor of another DPI.
#include "clock/app/main_window_win.h"

#include "clock/common/clock_source.h"
#include "clock/common/date_format.h"
#include "clock/common/fpu.h"
#include "clock/common/handles_win.h"
#include "clock/common/vocabulary.h"
#include "resources/resource.h"

namespace vistrel {

void TfrmVistrel::Timer1Timer() {
    const SecondsShown shown{option_.SNeedle, option_.ColorChange,
                             option_.TimeChar && option_.TimeCharForm <= 2};
    const TickResult r = tick_.Run(shown, minimized_);
    if (!r.new_second) return;
    ResetFpu();
    // A notification area that was not ready at the start (or took too long) gets the icon now.
    if (tray_) tray_->Retry();
    if (r.catch_up) alarms_.CatchUp(tick_.Display().value);
    if (r.redraw) Redraw();
    const DateTextForm date_form{option_.DateCharForm, option_.WeekType, WeekdayAfterDate};
    app_.SetTitle(minimized_ ? MinimizedTitle(tick_.Display().value, date_form)
                             : std::string("Vistrel"));
    // Queued during a time adjustment: what is due fires at the first tick after its window
    // has closed, as a late tick's alarms do.
    if (Windows().Runs(Entry::AlarmDue)) alarms_.RunDue(tick_.Display().value);
}

void TfrmVistrel::Redraw() {
    if (minimized_ || !hwnd()) return;
    // The face shows the time of the tick; before the first tick, the time now.
    if (effects_.Flashed())
        drawing_.Draw(FlashedColours(option_), tick_.DealtWith(), alarms_.List(),
                      lock_.HoleActive());
    else drawing_.Draw(option_, tick_.DealtWith(), alarms_.List(), lock_.HoleActive());
}

void TfrmVistrel::OnPaint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd(), &ps);
    drawing_.PaintTo(dc);
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

void TfrmVistrel::UpdateAnchor() { anchor_.UpdateAnchor(); }

void TfrmVistrel::OnDpiChanged(int dpi) {
    const Rect b = Bounds();
    const int pixels = Scale(window_.Size, dpi);
    PlaceWindow(Rect::Sized(b.left + (b.width() - pixels) / 2, b.top + (b.height() - pixels) / 2,
                            pixels, pixels));
    UpdateAnchor();
    Redraw();
}

} // namespace vistrel
