#include "clock/timesync/sntp_info_win.h"

#include <commctrl.h>

#include "clock/common/error.h"
#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"
#include "clock/common/window_win.h"
#include "clock/common/monitors_win.h"
#include "clock/common/placement.h"

namespace vistrel {

namespace {

constexpr wchar_t kClassName[] = L"TfrmSNTPInfo";
constexpr int kClientWidth = 189; // at 96 DPI, as the font's height
constexpr int kClientHeight = 160;
constexpr int kFontPixels = 12;
constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT_PTR kMemoSubclass = 1;

class TfrmSNTPInfo final : public Window {
public:
    TfrmSNTPInfo(HWND clock_window, UINT close_after_ms)
        : clock_window_(clock_window), close_after_ms_(close_after_ms),
          dpi_(clock_window ? MonitorOfWindow(clock_window).dpi : ClockMonitor().dpi) {}

    static TfrmSNTPInfo* Create(HWND owner, HWND clock_window, UINT close_after_ms);

    std::weak_ptr<bool> AliveToken() const { return alive_; }
    HWND Handle() const { return hwnd(); }

    void Show();
    void AddInfoLine(const std::string& line);
    void FinishInfo();
    void Close() { DestroyWindow(hwnd()); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // The window owns the object: it goes with the window.
    void OnFinalMessage() override { delete this; }

private:
    static LRESULT CALLBACK MemoProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;

    void FormCreate();
    void FormShow();
    void OnPaint();
    void tmrCloseTimer() { Close(); }
    void mmoInfoDblClick() { ShowWindow(hwnd(), SW_HIDE); }
    int Scaled(int px) const { return Scale(px, dpi_); }

    HWND mmoInfo_ = nullptr;
    HWND clock_window_;
    UINT close_after_ms_;
    int dpi_; // the clock's monitor's, where the log opens
    UniqueFont font_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

TfrmSNTPInfo* TfrmSNTPInfo::Create(HWND owner, HWND clock_window, UINT close_after_ms) {
    RegisterClassOnce(kClassName, 0, nullptr, nullptr, COLOR_BTNFACE + 1);
    // From WM_NCCREATE on the window owns the object and frees it at WM_NCDESTROY.
    auto* form = new TfrmSNTPInfo(clock_window, close_after_ms);
    const std::weak_ptr<bool> alive = form->alive_;
    try {
        form->CreateOf(kClassName, WS_EX_TOOLWINDOW, L"", WS_POPUP, 0, 0,
                       form->Scaled(kClientWidth), form->Scaled(kClientHeight), owner);
    } catch (...) {
        if (!alive.expired()) delete form; // never owned by a window
        throw;
    }
    return form;
}

LRESULT CALLBACK TfrmSNTPInfo::MemoProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR data) noexcept {
    if (msg == WM_LBUTTONDBLCLK) {
        reinterpret_cast<TfrmSNTPInfo*>(data)->mmoInfoDblClick();
        return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, MemoProc, kMemoSubclass);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT TfrmSNTPInfo::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: FormCreate(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_TIMER:
        if (wp == kCloseTimer) tmrCloseTimer();
        return 0;
    default: return Default(msg, wp, lp);
    }
}

void TfrmSNTPInfo::FormCreate() {
    font_.reset(CreateFontW(-Scaled(kFontPixels), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック"));
    // Inside a one-pixel lowered bevel.
    mmoInfo_ = CreateWindowExW(0, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                               1, 1, Scaled(kClientWidth) - 2, Scaled(kClientHeight) - 2, hwnd(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    if (font_) SendMessageW(mmoInfo_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SetWindowSubclass(mmoInfo_, MemoProc, kMemoSubclass, reinterpret_cast<DWORD_PTR>(this));
}

void TfrmSNTPInfo::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT r{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
    DrawEdge(dc, &r, BDR_SUNKENINNER, BF_RECT);
    EndPaint(hwnd(), &ps);
}

void TfrmSNTPInfo::FormShow() {
    Rect clock;
    RECT r;
    if (clock_window_ && GetWindowRect(clock_window_, &r))
        clock = {r.left, r.top, r.right, r.bottom};
    const Point p = PlaceInfoWindow(clock, {Scaled(kClientWidth), Scaled(kClientHeight)},
                                    clock_window_ ? MonitorOfWindow(clock_window_).bounds
                                                  : ClockMonitor().bounds);
    SetWindowPos(hwnd(), nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void TfrmSNTPInfo::Show() {
    if (!IsWindowVisible(hwnd())) FormShow();
}

void TfrmSNTPInfo::AddInfoLine(const std::string& line) {
    const int end = GetWindowTextLengthW(mmoInfo_);
    const std::wstring text = (end > 0 ? L"\r\n" : L"") + Widen(line);
    SendMessageW(mmoInfo_, EM_SETSEL, end, end);
    SendMessageW(mmoInfo_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TfrmSNTPInfo::FinishInfo() {
    SetTimer(hwnd(), kCloseTimer, close_after_ms_, nullptr);
    Show();
}

// One run's view of its window; it never reaches a window that has closed.
class SntpInfoLog : public AdjustLog {
public:
    explicit SntpInfoLog(TfrmSNTPInfo* form) : form_(form), alive_(form->AliveToken()) {}
    void Show() override {
        if (Form()) form_->Show();
    }
    void AddInfoLine(const std::string& line) override {
        if (Form()) form_->AddInfoLine(line);
    }
    void FinishInfo() override {
        if (Form()) form_->FinishInfo();
    }
    void Close() override {
        if (Form()) form_->Close();
    }
    HWND Window() const { return Form() ? form_->Handle() : nullptr; }

private:
    TfrmSNTPInfo* Form() const { return alive_.expired() ? nullptr : form_; }
    TfrmSNTPInfo* form_;
    std::weak_ptr<bool> alive_;
};

} // namespace

std::unique_ptr<AdjustLog> CreateSntpInfo(HWND owner, HWND clock_window, UINT close_after_ms) {
    return std::make_unique<SntpInfoLog>(TfrmSNTPInfo::Create(owner, clock_window, close_after_ms));
}

HWND SntpInfoWindowOf(const AdjustLog& log) {
    const auto* info = dynamic_cast<const SntpInfoLog*>(&log);
    return info ? info->Window() : nullptr;
}

} // namespace vistrel
