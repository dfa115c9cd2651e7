#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <cwchar>
#include <future>
#include <memory>
#include <thread>
#include <utility>

#include "clock/common/wide_win.h"
#include "clock/widgets/tray_icon_win.h"

namespace vistrel {

TrayIcon::TrayIcon(HWND owner, UINT id, UINT callback_message, Notify notify)
    : owner_(owner), id_(id), callback_(callback_message), notify_(std::move(notify)) {}

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
    return notify_(NIM_ADD, &d) != FALSE;
}

void TrayIcon::Show(HICON icon, const std::string& tip) {
    icon_ = icon;
    tip_ = Widen(tip);
    wanted_ = true;
    if (added_) {
        NOTIFYICONDATAW d = Data();
        // A shell that lost the icon (it ended without telling) refuses the change: add it anew.
        if (notify_(NIM_MODIFY, &d)) return;
    }
    added_ = Add();
}

void TrayIcon::Hide() {
    wanted_ = false;
    if (!added_) return;
    NOTIFYICONDATAW d = Data();
    notify_(NIM_DELETE, &d);
    added_ = false;
}

void TrayIcon::HideAtExit(unsigned wait_ms) {
    wanted_ = false;
    if (!added_) return;
    added_ = false;
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> removed = done->get_future();
    std::thread([d = Data(), notify = notify_, done]() mutable {
        notify(NIM_DELETE, &d);
        done->set_value();
    }).detach();
    removed.wait_for(std::chrono::milliseconds(wait_ms));
}

void TrayIcon::Retry() {
    if (wanted_ && !added_) added_ = Add();
}

void TrayIcon::OnTaskbarCreated() {
    if (!wanted_) return;
    // A new shell holds none of ours; a new notification area behind the same shell may hold a
    // stale one: either way the icon is put anew.
    NOTIFYICONDATAW d = Data();
    notify_(NIM_DELETE, &d);
    added_ = Add();
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
