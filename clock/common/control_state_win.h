// Controls of ours made from a dialog template (a colour button, a pointer panel) keep their
// state with the control and draw and click themselves. ControlState<State> is the one owner of
// such state: it hangs the state on the control (a window property finds it, a subclass of
// State's own answers for it) and frees it when the control goes. The dialog that holds the
// control hands its WM_DRAWITEM and WM_COMMAND back to the control (reflection), so that the
// dialog knows no control of ours.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <utility>

#include "clock/common/window_win.h"

namespace vistrel {

// The reflected messages a dialog sends to a control about itself. Any other control answers 0.
// kReflectedDrawItem: lParam the DRAWITEMSTRUCT; TRUE when the control has drawn itself.
inline constexpr UINT kReflectedDrawItem = WM_APP + 0x3000 + WM_DRAWITEM;
// kReflectedCommand: wParam and lParam of the WM_COMMAND; TRUE when the dialog is to hear no more
// of it.
inline constexpr UINT kReflectedCommand = WM_APP + 0x3000 + WM_COMMAND;

// State has `static constexpr wchar_t kProperty[]`, the name of the window property that finds
// it, and `std::optional<LRESULT> OnMessage(HWND, UINT, WPARAM, LPARAM)`: an answer for a
// message it handles, nothing to pass it on.
template <class State> class ControlState {
public:
    // The control's state; nothing for a control without one.
    static State* Of(HWND control) {
        return control ? static_cast<State*>(GetPropW(control, State::kProperty)) : nullptr;
    }

    // Gives the control this state (replacing one it has); nothing when the control cannot take
    // it.
    static State* Attach(HWND control, State state) {
        if (State* present = Of(control)) {
            *present = std::move(state);
            return present;
        }
        auto owned = std::make_unique<State>(std::move(state));
        if (!SetPropW(control, State::kProperty, owned.get())) return nullptr;
        if (!SetWindowSubclass(control, &Proc, kSubclassId,
                               reinterpret_cast<DWORD_PTR>(owned.get()))) {
            RemovePropW(control, State::kProperty);
            return nullptr;
        }
        return owned.release(); // the subclass owns it until WM_NCDESTROY
    }

private:
    // The subclass is told apart by its procedure, one per State.
    static constexpr UINT_PTR kSubclassId = 1;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                 DWORD_PTR data) noexcept {
        if (msg == WM_NCDESTROY) {
            const std::unique_ptr<State> gone(reinterpret_cast<State*>(data));
            RemovePropW(hwnd, State::kProperty);
            RemoveWindowSubclass(hwnd, &Proc, id);
            return DefSubclassProc(hwnd, msg, wp, lp);
        }
        // A failure (the colour dialog's, say) is reported here; the dialog then hears no more.
        State& state = *reinterpret_cast<State*>(data);
        const std::optional<LRESULT> answer = GuardedCall(
            [&] { return state.OnMessage(hwnd, msg, wp, lp); }, std::optional<LRESULT>(TRUE));
        return answer ? *answer : DefSubclassProc(hwnd, msg, wp, lp);
    }
};

} // namespace vistrel
