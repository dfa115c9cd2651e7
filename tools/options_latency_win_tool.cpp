// Measures the options dialog's live preview: from a track bar step in the dialog (the
// translucency bar, the numerals' size, the ticks' position, as a drag sends them) to the clock
// window repainted with the new settings, through the dialog's change cycle (every page read
// back, the rules applied) and a host that does what the clock's ApplyOptions does (the layered
// alpha, a render, the repaint). Median and worst of the rounds at 133 and 1000 pixels.
// Usage: options_latency_win [rounds]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "clock/common/clock_source.h"
#include "clock/common/common_controls_win.h"
#include "clock/common/message_box.h"
#include "clock/face/colour_key_win.h"
#include "clock/face/face_painter_win.h"
#include "clock/face/gdi_paint_win.h"
#include "clock/options/option_dialog_win.h"
#include "clock/options/option_ids.h"

using namespace vistrel;

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency;
}

LRESULT CALLBACK ClockProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// A stand-in clock: a layered window that the painter draws, taking every change live.
class BenchClock final : public OptionsHost {
public:
    explicit BenchClock(int size) : size_(size) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ClockProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OptionsBenchClock";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_LAYERED, wc.lpszClassName, L"", WS_POPUP,
                                0, 0, size, size, nullptr, nullptr, wc.hInstance, this);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        painter_.SetShapeKey(kFaceShapeKey);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        ApplyOptions(options_);
    }
    ~BenchClock() override { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }
    void Paint(HDC dc) const { painter_.PaintTo(dc); }

    bool render = true; // false: the dialog's change cycle alone
    void ApplyOptions(const TOptionItem& options) override {
        options_ = options;
        if (!render) return;
        SetLayeredWindowAttributes(hwnd_, kFaceShapeKey, static_cast<BYTE>(options.Trans),
                                   LWA_COLORKEY | (options.UseTrans ? LWA_ALPHA : 0));
        FaceRequest request;
        request.size = size_;
        request.time = FaceTimeAt(Now());
        request.screen = QueryScreenTraits();
        painter_.RenderClock(hwnd_, options_, request);
        UpdateWindow(hwnd_);
    }
    void WriteSettings() override {}
    void OptionsClosed(int) override {}
    bool CommandEnabled(SharedCommand) const override { return true; }
    void EnableCommand(SharedCommand, bool) override {}
    void RunCommand(SharedCommand) override {}
    void PreviewAlarm(const std::string&) override {}

private:
    int size_;
    HWND hwnd_ = nullptr;
    FacePainter painter_;
    TOptionItem options_;
};

LRESULT CALLBACK ClockProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd, &ps);
        if (auto* clock = reinterpret_cast<BenchClock*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            clock->Paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

struct Figures {
    double median_ms, worst_ms;
};

// A track bar that a user drags, and the positions it passes through.
struct Bar {
    const char* name;
    int page, id, min, span;
};
const Bar kBars[] = {
    {"translucency", 0, oid::trbTrans, 40, 200},
    {"numeral size", 2, oid::trbMojiBanSize, 0, 11},
    {"tick position", 5, oid::trbThickPos, 0, 101},
};

Figures Measure(const Bar& which, int size, int rounds, bool render) {
    BenchClock clock(size);
    clock.render = render;
    TOptionItem live;
    live.UseTrans = true;
    OptionsDialogSetup setup;
    setup.clock = clock.hwnd();
    TfrmOption* dialog = TfrmOption::Open(clock, setup, live, which.page);
    const HWND page = dialog->PageWindow(which.page);
    const HWND bar = GetDlgItem(page, which.id);
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const int position = which.min + (i * 7) % which.span;
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        SendMessageW(bar, TBM_SETPOS, TRUE, position);
        SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                     reinterpret_cast<LPARAM>(bar));
        QueryPerformanceCounter(&b);
        times.push_back(Seconds(a, b) * 1e3);
    }
    SendMessageW(dialog->hwnd(), WM_COMMAND, IDCANCEL, 0);
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
    InitCommonControlsOnce();
    SetMessageBoxAnswererForTests([](const MessageBoxCall& call) {
        std::fprintf(stderr, "message: %s\n", call.text.c_str());
        return MsgResult::Ok;
    });
    std::printf("options live preview, %d track bar steps: control change to clock repainted, ms\n",
                rounds);
    std::printf("%-14s %6s %8s %8s %14s\n", "bar", "size", "median", "worst", "cycle alone");
    for (const Bar& bar : kBars) {
        for (const int size : {133, 1000}) {
            const Figures f = Measure(bar, size, rounds, true);
            const Figures cycle = Measure(bar, size, rounds, false);
            std::printf("%-14s %6d %8.2f %8.2f %14.2f\n", bar.name, size, f.median_ms, f.worst_ms,
                        cycle.median_ms);
        }
    }
    return 0;
}
