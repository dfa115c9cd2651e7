#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <cwchar>
#include <future>
#include <memory>
#include <thread>

#include "clock/common/wide_win.h"
#include "clock/widgets/tray_icon_win.h"

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(NOTIFYICONDATAW) == 976);

TrayIcon::TrayIcon(HWND owner, UINT id, UINT callback_message)
    : owner_(owner), id_(id), callback_(callback_message) {}

TrayIcon::~TrayIcon() { Hide(); }

NOTIFYICONDATAW TrayIcon::Data() const {
    NOTIFYICONDATAW d{};
    d.cbSize = sizeof d;
    d.hWnd = owner_;
    d.uID = id_;
    d.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    d.uCallbackMessage = callback_;
    d.hIcon = icon_;
    std::wcsncpy(d.szTip, tip_.c_str(), std::size(d.szTip) - 1);
    return d;
}

bool TrayIcon::Add() {
    NOTIFYICONDATAW d = Data();
    return Shell_NotifyIconW(NIM_ADD, &d) != FALSE;
}

void TrayIcon::Show(HICON icon, const std::string& tip) {
    icon_ = icon;
    tip_ = Widen(tip);
    NOTIFYICONDATAW d = Data();
    if (visible_) {
        Shell_NotifyIconW(NIM_MODIFY, &d);
        return;
    }
    visible_ = Add();
}

void TrayIcon::Hide() {
    if (!visible_) return;
    NOTIFYICONDATAW d = Data();
    Shell_NotifyIconW(NIM_DELETE, &d);
    visible_ = false;
}

void TrayIcon::HideAtExit(unsigned wait_ms) {
    if (!visible_) return;
    visible_ = false;
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> removed = done->get_future();
    std::thread([d = Data(), done]() mutable {
        Shell_NotifyIconW(NIM_DELETE, &d);
        done->set_value();
    }).detach();
    removed.wait_for(std::chrono::milliseconds(wait_ms));
}

void TrayIcon::OnTaskbarCreated() {
    if (visible_) visible_ = Add();
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

void TrayIcon::TrackMenu(HWND owner, HMENU menu) {
    POINT p;
    GetCursorPos(&p);
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, p.x, p.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

} // namespace vistrel
