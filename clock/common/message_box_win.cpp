#include "clock/common/message_box_win.h"

#include "clock/common/dialog_win.h"
#include "clock/common/message_box.h"
#include "clock/common/wide_win.h"
#include "clock/common/window_win.h"

namespace vistrel {

namespace {
HWND g_owner = nullptr;
const wchar_t* g_title = L"Vistrel";

UINT StyleOf(const MessageBoxCall& call) {
    UINT style = MB_SETFOREGROUND;
    switch (call.type) {
    case MsgType::Plain: break;
    case MsgType::Information: style |= MB_ICONINFORMATION; break;
    case MsgType::Warning: style |= MB_ICONWARNING; break;
    case MsgType::Error: style |= MB_ICONERROR; break;
    case MsgType::Question: style |= MB_ICONQUESTION; break;
    }
    switch (call.buttons) {
    case MsgButtons::Ok: style |= MB_OK; break;
    case MsgButtons::OkCancel: style |= MB_OKCANCEL; break;
    case MsgButtons::YesNo: style |= MB_YESNO; break;
    }
    return style;
}
} // namespace

void SetMessageBoxOwner(HWND owner) { g_owner = owner; }

void SetMessageBoxTitle(const wchar_t* title) { g_title = title ? title : L"Vistrel"; }

HWND MessageBoxOwner() {
    // A box raised from a dialog belongs to that dialog, so that the dialog cannot be clicked
    // while the box waits for its answer.
    const HWND active = GetActiveWindow();
    if (active && IsWindowVisible(active) &&
        (Dialog::FromHandle(active) || Window::FromHandle(active))) {
        return active;
    }
    return g_owner && IsWindow(g_owner) ? g_owner : nullptr;
}

namespace detail {
MsgResult ShowPlatformMessageBox(const MessageBoxCall& call) {
    switch (MessageBoxW(MessageBoxOwner(), Widen(call.text).c_str(), g_title, StyleOf(call))) {
    case IDYES: return MsgResult::Yes;
    case IDNO: return MsgResult::No;
    case IDCANCEL: return MsgResult::Cancel;
    default: return MsgResult::Ok;
    }
}
} // namespace detail

} // namespace vistrel
