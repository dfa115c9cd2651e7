#include "clock/alarm/alarm_notice_win.h"

#include <algorithm>
#include <cstdint>

#include "clock/alarm/alarm_notice_layout.h"
#include "clock/common/colour.h"
#include "clock/common/colour_win.h"
#include "clock/common/error.h"
#include "clock/common/language.h"
#include "clock/common/message_loop_win.h"
#include "clock/common/monitors_win.h"
#include "clock/common/placement.h"
#include "clock/common/program_icon_win.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace {
constexpr unsigned kMinuteMs = 60000;
unsigned g_minute_ms = kMinuteMs;
// All kinds together: the application window stays topmost until the last one has closed.
int g_open_notices = 0;
} // namespace

void SetAlarmMinuteForTests(unsigned ms) { g_minute_ms = ms ? ms : kMinuteMs; }
int OpenAlarmNotices() { return g_open_notices; }

UniqueFont CreateAlarmFont(int points, bool bold, int dpi) {
    const int height = -MulDiv(points, dpi > 0 ? dpi : ClockMonitor().dpi, 72);
    return UniqueFont(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  L"ＭＳ Ｐゴシック"));
}

SIZE MeasureText(HFONT font, const std::wstring& text) {
    const WindowDc screen(nullptr);
    const SelectGuard select(screen.get(), font);
    SIZE size{};
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

POINT ScreenCentre(int width, int height) {
    const Point p = CentreOn(ClockMonitor().bounds, {width, height});
    return {p.x, p.y};
}

AlarmNotice* AlarmNotice::FromHandle(HWND hwnd) {
    return dynamic_cast<AlarmNotice*>(Window::FromHandle(hwnd));
}

AlarmNotice::AlarmNotice(const TAlarmItem& item, std::weak_ptr<const AlarmHost> host)
    : item_(item), host_(std::move(host)), dpi_(ClockMonitor().dpi), back_(ToColorRef(item.colour)),
      text_(
          ToColorRef(static_cast<std::uint32_t>(ContrastColour(static_cast<TColor>(item.colour))))),
      back_brush_(CreateSolidBrush(back_)),
      memo_font_(CreateAlarmFont(AlarmFontPoints(item.font_size), true, dpi_)),
      window_font_(CreateAlarmFont(9, false, dpi_)), button_font_(CreateAlarmFont(9, false, dpi_)) {
}

HWND AlarmNotice::OpenOwned(std::unique_ptr<AlarmNotice> form, const std::function<void()>& create,
                            const std::function<void()>& show) {
    create();
    const HWND hwnd = form.release()->hwnd(); // the window owns the object now
    try {
        show();
    } catch (...) {
        DestroyWindow(hwnd);
        throw;
    }
    return hwnd;
}

HWND AlarmNotice::Owner() const {
    const auto host = host_.lock();
    return host ? host->app_window : nullptr;
}

std::wstring AlarmNotice::SnoozeCaption() {
    std::string text = "あとで(&S)";
    const TextReplacement texts[] = {ReplaceInto(kSnoozeTextNumber, text)};
    ApplyLanguage(texts);
    return Widen(text);
}

std::wstring AlarmNotice::CloseCaption() {
    std::string text = "閉じる(&C)";
    const TextReplacement texts[] = {ReplaceInto(kCloseTextNumber, text)};
    ApplyLanguage(texts);
    return Widen(text);
}

UniqueMenu AlarmNotice::NoticeMenu() {
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING, kSnoozeCommand, SnoozeCaption().c_str());
    AppendMenuW(menu.get(), MF_STRING, kCloseCommand, CloseCaption().c_str());
    return menu;
}

void AlarmNotice::UseDialogKeys() {
    if (dialog_keys_) return;
    RegisterModelessDialog(hwnd());
    dialog_keys_ = true;
}

void AlarmNotice::Snooze() {
    const auto host = host_.lock();
    const TAlarmItem item = item_;
    // The window and this object end here; the host's snooze runs on the copy afterwards, so
    // that the sound it stops and the list it changes see the notice gone.
    DestroyWindow(hwnd());
    if (host && host->snooze) host->snooze(item);
}

void AlarmNotice::CreateNotice(const wchar_t* class_name, DWORD ex_style, const wchar_t* title,
                               DWORD style, int x, int y, int width, int height) {
    CreateOf(class_name, ex_style, title, style, x, y, width, height, Owner());
    self_owned_ = true;
    GiveProgramIcon(hwnd());
}

void AlarmNotice::OnFinalMessage() {
    if (self_owned_) delete this;
}

void AlarmNotice::CreateMemo(DWORD style, DWORD ex_style, const RECT& r) {
    memo_ = CreateWindowExW(ex_style, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | style,
                            r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd(), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!memo_) throw Error("the alarm message cannot be shown");
    SendMessageW(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(memo_font_.get()), FALSE);
    SetWindowTextW(memo_, Widen(AlarmMemoText(item_)).c_str());
}

void AlarmNotice::UseWindowFont(int points, bool bold) {
    window_font_ = CreateAlarmFont(points, bold, dpi_);
}

void AlarmNotice::StartCloseTimer(int minutes) {
    if (minutes <= 0) return;
    const std::uint64_t ms = static_cast<std::uint64_t>(minutes) * g_minute_ms;
    const auto capped = std::min<std::uint64_t>(ms, USER_TIMER_MAXIMUM);
    SetTimer(hwnd(), kCloseTimer, static_cast<UINT>(capped), nullptr);
}

void AlarmNotice::ShowNotice(int show_command) {
    ShowWindow(hwnd(), show_command);
    if (!shown_) {
        shown_ = true;
        ++g_open_notices;
    }
    const auto host = host_.lock();
    if (host && host->set_topmost) host->set_topmost(true);
}

void AlarmNotice::OnDestroy() {
    KillTimer(hwnd(), kCloseTimer);
    if (dialog_keys_) UnregisterModelessDialog(hwnd());
    dialog_keys_ = false;
    if (!shown_) return;
    shown_ = false;
    if (--g_open_notices > 0) return;
    const auto host = host_.lock();
    if (!host) return; // the program is ending
    const bool stay = host->stay_on_top && host->stay_on_top();
    if (!stay && host->set_topmost) host->set_topmost(false);
}

LRESULT AlarmNotice::OnMemoColour(HDC dc) {
    SetTextColor(dc, text_);
    SetBkColor(dc, back_);
    return reinterpret_cast<LRESULT>(back_brush_.get());
}

LRESULT AlarmNotice::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp != kCloseTimer) return 0;
        // The window and this object end here: nothing of it is touched afterwards.
        DestroyWindow(hwnd());
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (memo_ && reinterpret_cast<HWND>(lp) == memo_) {
            return OnMemoColour(reinterpret_cast<HDC>(wp));
        }
        return Default(msg, wp, lp);
    case WM_COMMAND:
        // Buttons and menu entries alike; IDOK and IDCANCEL are Enter and Escape.
        if (HIWORD(wp) == BN_CLICKED || HIWORD(wp) == 0) {
            const UINT id = LOWORD(wp);
            if (id == kSnoozeCommand) {
                Snooze();
                return 0;
            }
            if (id == kCloseCommand || id == IDCANCEL) {
                DestroyWindow(hwnd()); // the window and this object end here
                return 0;
            }
        }
        return Default(msg, wp, lp);
    case WM_DESTROY: OnDestroy(); return 0;
    default: return Default(msg, wp, lp);
    }
}

} // namespace vistrel
