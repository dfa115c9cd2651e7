#include "clock/options/option_page_setup_win.h"

#include <commctrl.h>

#include <variant>

#include "clock/common/wide_win.h"
#include "clock/options/option_pages.h"
#include "clock/widgets/colour_button_win.h"
#include "clock/widgets/spin_edit_win.h"

namespace vistrel {

namespace {

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t found[64] = {};
    GetClassNameW(hwnd, found, static_cast<int>(std::size(found)));
    return _wcsicmp(found, name) == 0;
}

void AddEntries(HWND control, const std::vector<std::string>& entries) {
    const bool combo = IsClass(control, L"ComboBox");
    if (!combo && !IsClass(control, L"ListBox")) return;
    for (const std::string& entry : entries) {
        const std::wstring text = Widen(entry);
        if (combo) {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            continue;
        }
        const LRESULT at =
            SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (at >= 0) SendMessageW(control, LB_SETITEMDATA, static_cast<WPARAM>(at), at);
    }
}

void SetTrackRange(HWND track, int min, int max) {
    const LONG_PTR style = GetWindowLongPtrW(track, GWL_STYLE);
    if (style & TBS_ENABLESELRANGE)
        SetWindowLongPtrW(track, GWL_STYLE, style & ~TBS_ENABLESELRANGE);
    SendMessageW(track, TBM_SETRANGEMIN, FALSE, min);
    SendMessageW(track, TBM_SETRANGEMAX, TRUE, max);
}

template <class... F> struct Overloaded : F... { using F::operator()...; };

} // namespace

void SetControlTexts(HWND window, const OptionTexts& texts, const RuntimeLists& lists) {
    for (const auto& [id, caption] : texts.captions) {
        if (const HWND control = GetDlgItem(window, id))
            SetWindowTextW(control, Widen(caption).c_str());
    }
    const auto fill = [window](const RuntimeLists& from, bool reset) {
        for (const auto& [id, entries] : from) {
            const HWND control = GetDlgItem(window, id);
            if (!control) continue;
            if (reset) {
                SendMessageW(control,
                             IsClass(control, L"ComboBox") ? CB_RESETCONTENT : LB_RESETCONTENT, 0,
                             0);
            }
            AddEntries(control, entries);
        }
    };
    fill(texts.lists, true);
    fill(lists, false);
}

void SetUpBoundControls(HWND window, std::span<const Bound> bindings) {
    for (const Bound& b : bindings) {
        const HWND control = GetDlgItem(window, b.id);
        if (!control) continue;
        std::visit(Overloaded{
                       [&](const Track& t) { SetTrackRange(control, t.min, t.max); },
                       [&](const Spin& s) { SetupSpinEdit(window, b.id, s.min, s.max); },
                       [&](const ColourButton&) { MakeColourButton(control, 0, false); },
                       [](const auto&) {},
                   },
                   b.how);
    }
}

void SetUpOptionPage(HWND page_window, int page, const OptionTexts& texts,
                     const RuntimeLists& lists) {
    SetControlTexts(page_window, texts, lists);
    SetUpBoundControls(page_window, PageBindings(page));
}

} // namespace vistrel
