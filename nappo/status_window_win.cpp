#include "nappo/status_window_win.h"

#include "clock/common/wide_win.h"
#include "nappo/status_texts.h"
#include "resources/resource.h"

namespace nappo {

namespace {
constexpr int kClientWidth = 344;
constexpr int kClientHeight = 204;
constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
constexpr DWORD kFrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// One row of a label, its value and the value's unit.
struct Row {
    const char* label;
    int value_id;
    const char* unit;
};
constexpr Row kRows[] = {
    {kIdleLabel, StatusWindow::kIdIdle, kIdleUnit},
    {kSaverLabel, StatusWindow::kIdSaver, ""},
    {kWaitLabel, StatusWindow::kIdWait, kWaitUnit},
    {kModeLabel, StatusWindow::kIdMode, ""},
};

// The manager's own icon at a size; shared icons belong to the system, nothing frees them.
HICON NappoIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NAPPO),
                                         IMAGE_ICON, size, size, LR_SHARED));
}
} // namespace

void StatusWindow::Create(HWND owner) {
    RegisterClassOnce(kStatusClass);
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle);
    CreateOf(kStatusClass, kFrameExStyle, vistrel::Widen(kStatusCaption).c_str(), kFrameStyle, 0, 0,
             frame.right - frame.left, frame.bottom - frame.top, owner);
    CreateControls();
    // The manager's own icon, in the title bar and wherever the system lists the window.
    const auto set_icon = [this](WPARAM kind, int metric) {
        SendMessageW(hwnd(), WM_SETICON, kind,
                     reinterpret_cast<LPARAM>(NappoIcon(GetSystemMetrics(metric))));
    };
    set_icon(ICON_BIG, SM_CXICON);
    set_icon(ICON_SMALL, SM_CXSMICON);
}

void StatusWindow::CreateControls() {
    font_.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                            L"MS UI Gothic"));
    const HWND icon = AddControl(L"STATIC", "", SS_ICON, kIdIcon, 14, 8, 32, 32);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(NappoIcon(32)), 0);
    AddControl(L"STATIC", kTitleLine, SS_LEFT, -1, 54, 16, 276, 16);
    int y = 48;
    for (const Row& row : kRows) {
        AddControl(L"STATIC", row.label, SS_LEFT, -1, 24, y, 150, 16);
        AddControl(L"STATIC", "", SS_RIGHT, row.value_id, 188, y, 76, 16);
        AddControl(L"STATIC", row.unit, SS_LEFT, -1, 270, y, 50, 16);
        y += 22;
    }
    AddControl(L"STATIC", "", SS_CENTER, kIdState, 14, y + 4, 316, 16);
    AddControl(L"BUTTON", kOkButton, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, kIdOk, 83, 166, 84,
               26);
    AddControl(L"BUTTON", kCloseButton, BS_PUSHBUTTON | WS_TABSTOP, kIdClose, 177, 166, 84, 26);
}

HWND StatusWindow::AddControl(const wchar_t* kind, const std::string& text, DWORD style, int id,
                              int x, int y, int width, int height) {
    HWND control =
        CreateWindowExW(0, kind, vistrel::Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y,
                        width, height, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (control && font_)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), 0);
    return control;
}

void StatusWindow::SetText(int id, const std::string& text) {
    // Set only on a change: the idle time is shown every second, and an unchanged label need
    // not be repainted.
    if (Text(id) != text) SetDlgItemTextW(hwnd(), id, vistrel::Widen(text).c_str());
}

std::string StatusWindow::Text(int id) const {
    wchar_t buffer[128] = {};
    GetDlgItemTextW(hwnd(), id, buffer, static_cast<int>(std::size(buffer)));
    return vistrel::Narrow(buffer);
}

void StatusWindow::ShowIdle(std::uint32_t idle_ms) { SetText(kIdIdle, std::to_string(idle_ms)); }

void StatusWindow::ShowSettings(bool active, std::int64_t waiting_ms) {
    SetText(kIdSaver, OnOffText(active));
    SetText(kIdWait, WaitMinutesText(waiting_ms));
}

void StatusWindow::ShowMode(bool hook_mode) { SetText(kIdMode, ModeText(hook_mode)); }

void StatusWindow::ShowState(SaverState state) {
    if (state != SaverState::Unknown) SetText(kIdState, StateText(state));
}

void StatusWindow::CentreOnScreen() {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StatusWindow::ShowInFront() {
    if (!IsWindowVisible(hwnd())) CentreOnScreen();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(GetDlgItem(hwnd(), kIdOk));
}

void StatusWindow::Hide() { ShowWindow(hwnd(), SW_HIDE); }

LRESULT StatusWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wp) == kIdOk || LOWORD(wp) == IDCANCEL) Hide();
        if (LOWORD(wp) == kIdClose && on_end_) on_end_();
        return 0;
    case WM_CLOSE: Hide(); return 0; // the window only hides; the manager goes on
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hwnd(), &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default: return Default(msg, wp, lp);
    }
}

} // namespace nappo
