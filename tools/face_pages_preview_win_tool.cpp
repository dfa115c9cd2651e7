// Shows the options dialog's clock-face pages outside the dialog, set up and filled as the
// dialog does it, for a look at their layout (and a screenshot). Usage:
// face_pages_preview_win [page 1..6 | all] [seconds] [defaults]. Without "defaults" the record
// has the second hand, separate hand styles, the time and the frame on, so that most controls
// are enabled.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "clock/common/clock_source.h"
#include "clock/common/common_controls_win.h"
#include "clock/common/dialog_win.h"
#include "clock/common/system_info.h"
#include "clock/options/dialog_control_surface_win.h"
#include "clock/options/option_face_lists.h"
#include "clock/options/option_page_setup_win.h"
#include "clock/options/option_pages.h"
#include "clock/options/screen_fonts_win.h"
#include "resources/resource.h"

namespace {

using namespace vistrel;

class PreviewPage final : public Dialog {
public:
    explicit PreviewPage(int page) : Dialog(IDD_OPTION_PAGE0 + page) {}
    void Create(HWND parent) { CreateChild(parent); }
};

struct Shown {
    HWND holder = nullptr;
    std::unique_ptr<PreviewPage> page;
};

Shown ShowPage(int page, int x, int y, const TOptionItem& record, const OptionTexts& texts,
               const RuntimeLists& lists, const Platform& platform) {
    Shown shown;
    shown.holder = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, L"STATIC", L"",
                                   WS_POPUP | WS_BORDER, x, y, 10, 10, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    shown.page = std::make_unique<PreviewPage>(page);
    shown.page->Create(shown.holder);
    const HWND window = shown.page->hwnd();
    SetUpOptionPage(window, page, texts, lists);
    DialogControlSurface surface({window});
    Fill(PageBindings(page), record, surface);
    ApplyRules(PageRules(page), record, platform, surface);
    RECT r;
    GetWindowRect(window, &r);
    SetWindowPos(shown.holder, nullptr, 0, 0, r.right - r.left + 2, r.bottom - r.top + 2,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(window, SW_SHOW);
    ShowWindow(shown.holder, SW_SHOWNA);
    return shown;
}

} // namespace

int main(int argc, char** argv) {
    InitCommonControlsOnce();
    const std::string which = argc > 1 ? argv[1] : "all";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    const bool defaults = argc > 3 && std::string(argv[3]) == "defaults";

    TOptionItem record;
    if (!defaults) {
        record.SNeedle = true;
        record.SepStyle = true;
        record.MStyle = 9;
        record.TimeChar = true;
        record.FrameShow = true;
    }
    const OptionTexts texts = BuiltInOptionTexts(Now());
    const RuntimeLists lists = FontBoxEntries(ScreenFontList());
    const Platform platform{true, true, IsDeepColour(ScreenColourDepth())};

    std::vector<Shown> shown;
    for (int page = kPageNeedle; page <= kPageFrame; ++page) {
        if (which != "all" && std::atoi(which.c_str()) != page) continue;
        const int n = which == "all" ? page - kPageNeedle : 0;
        shown.push_back(
            ShowPage(page, 10 + (n % 2) * 450, 10 + (n / 2) * 205, record, texts, lists, platform));
    }

    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    for (Shown& s : shown) DestroyWindow(s.holder);
    return 0;
}
