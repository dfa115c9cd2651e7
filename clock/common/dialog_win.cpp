#include "clock/common/dialog_win.h"

#include "clock/common/error.h"
#include "clock/common/message_loop_win.h"
#include "clock/common/monitors_win.h"
#include "clock/common/placement.h"
#include "clock/common/program_icon_win.h"
#include "clock/common/window_win.h"
#include "clock/widgets/colour_button_win.h"

namespace vistrel {

namespace {
ModalDriver& Driver() {
    static ModalDriver driver;
    return driver;
}
// Far above the IDs the dialogs give their own timers.
constexpr UINT_PTR kDriverTimer = 0x7D01;
constexpr UINT_PTR kDriverTimeout = 0x7D02;
} // namespace

void SetModalDriverForTests(ModalDriver driver) { Driver() = std::move(driver); }

Dialog::~Dialog() {
    if (hwnd_) {
        // Detach first: the object is going away, the messages of the destruction are not ours.
        const HWND h = hwnd_;
        Detach();
        DestroyWindow(h);
    }
}

Dialog* Dialog::FromHandle(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    // Only a dialog has a dialog procedure to ask for (the class "#32770").
    constexpr ULONG_PTR kDialogClassAtom = 32770;
    if (GetClassLongPtrW(hwnd, GCW_ATOM) != kDialogClassAtom) return nullptr;
    if (reinterpret_cast<DLGPROC>(GetWindowLongPtrW(hwnd, DWLP_DLGPROC)) != &Dialog::Proc) {
        return nullptr;
    }
    return reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
}

INT_PTR Dialog::RunModal(HWND owner) {
    modal_ = true;
    ended_ = false;
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(template_id_), owner,
                        &Dialog::Proc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    // Closing the program ends a modal run on the way: that is a Cancel, not a failure.
    if (RenewQuitRequest()) return IDCANCEL;
    if (result == -1) throw Error("dialog " + std::to_string(template_id_) + " cannot be created");
    return result;
}

void Dialog::CreateModeless(HWND owner) {
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(template_id_), owner,
                       &Dialog::Proc, reinterpret_cast<LPARAM>(this));
    if (!hwnd_) throw Error("dialog " + std::to_string(template_id_) + " cannot be created");
    RegisterModelessDialog(hwnd_);
}

void Dialog::CreateChild(HWND parent) {
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(template_id_), parent,
                       &Dialog::Proc, reinterpret_cast<LPARAM>(this));
    if (!hwnd_) throw Error("page " + std::to_string(template_id_) + " cannot be created");
}

void Dialog::End(INT_PTR result) {
    if (!hwnd_) return;
    if (modal_) {
        ended_ = true;
        EndDialog(hwnd_, result);
    } else {
        DestroyWindow(hwnd_);
    }
}

void Dialog::PlaceNearClockWindow(HWND clock) {
    RECT c{}, d{};
    if (!clock || !GetWindowRect(clock, &c) || !GetWindowRect(hwnd_, &d)) return;
    const Point p =
        PlaceNearClock({c.left, c.top, c.right, c.bottom}, {d.right - d.left, d.bottom - d.top},
                       MonitorOfWindow(clock).bounds);
    SetWindowPos(hwnd_, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::Detach() {
    UnregisterModelessDialog(hwnd_);
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    hwnd_ = nullptr;
}

INT_PTR Dialog::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: {
        // A timer fires once the modal loop has shown the dialog and gone idle.
        if (modal_ && Driver()) SetTimer(hwnd_, kDriverTimer, 1, nullptr);
        // A dialog of its own on the screen (not a page) shows the clock's icon in the task
        // switcher; a page's parent has it already.
        if (!(GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD)) GiveProgramIcon(hwnd_);
        return OnInit() ? TRUE : FALSE;
    }
    case WM_TIMER:
        if (wp == kDriverTimer) {
            RunDriver();
            return TRUE;
        }
        if (wp == kDriverTimeout) {
            End(IDABORT);
            return TRUE;
        }
        break;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        if (id == IDOK) {
            OnOK();
        } else if (id == IDCANCEL) {
            OnCancel();
        } else {
            const HWND control = reinterpret_cast<HWND>(lp);
            // A colour button's click opens its picker; the dialog hears of it only when the
            // colour changed.
            if (HIWORD(wp) == BN_CLICKED && IsColourButton(control) && !PickButtonColour(control)) {
                return TRUE;
            }
            OnCommand(id, HIWORD(wp), control);
        }
        return TRUE;
    }
    case WM_DRAWITEM:
        if (DrawColourButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
        break;
    case WM_CLOSE: OnClose(); return TRUE;
    case WM_NOTIFY: {
        const std::optional<LRESULT> result = OnNotify(*reinterpret_cast<const NMHDR*>(lp));
        if (!result) return FALSE;
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, *result);
        return TRUE;
    }
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wp)); return FALSE;
    default: break;
    }
    const std::optional<INT_PTR> result = OnMessage(msg, wp, lp);
    return result ? *result : FALSE;
}

void Dialog::RunDriver() {
    if (!IsWindowVisible(hwnd_)) return; // shown once its loop is idle
    KillTimer(hwnd_, kDriverTimer);
    const ModalDriver driver = Driver();
    if (driver) driver(*this);
    if (hwnd_ && !ended_) SetTimer(hwnd_, kDriverTimeout, 3000, nullptr);
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    Dialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lp);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    const INT_PTR result = GuardedCall([&] { return self->Handle(msg, wp, lp); }, INT_PTR{FALSE});
    if (msg == WM_NCDESTROY) {
        self->Detach();
        GuardedCall(
            [&] {
                self->OnFinalMessage();
                return 0;
            },
            0);
    }
    return result;
}

} // namespace vistrel
