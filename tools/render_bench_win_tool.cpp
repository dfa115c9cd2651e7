// Measures the clock face render: the median time of a whole render (every layer, the scan
// of the shape image and the outline region) at sizes 133, 400 and 1000, for the default
// style and a busy one; and the same with the hand-over to a shown window, once as a window
// region and once as the colour key of a layered window (the clock's own way).
// Usage: render_bench_win [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "clock/common/message_box.h"
#include "clock/face/colour_key_win.h"
#include "clock/face/face_painter_win.h"
#include "clock/face/gdi_paint_win.h"

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

TOptionItem BusyStyle() {
    TOptionItem o;
    o.SNeedle = true;
    o.MojiBanAll = true;
    o.DateChar = true;
    o.TimeChar = true;
    o.TimeCharForm = 0;
    o.FrameShow = true;
    o.MinorThick = true;
    o.ColorChange = true;
    return o;
}

// Median microseconds of `rounds` renders, one second apart.
template <class Render> double MedianMicros(int rounds, Render render) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(rounds));
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        render(i);
        QueryPerformanceCounter(&b);
        times.push_back(Seconds(a, b) * 1e6);
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[static_cast<std::size_t>(rounds / 2)];
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 301;
    SetMessageBoxAnswererForTests([](const MessageBoxCall& call) {
        std::fprintf(stderr, "message: %s\n", call.text.c_str());
        return MsgResult::Ok;
    });
    const TDateTime start = EncodeDateTime(2024, 3, 5, 10, 8, 37, 0);
    const std::vector<AlarmMarkSource> alarms{{1, 0x0000FF00, start + 20.0 / 1440}};
    const auto makeWindow = [](bool keyed) {
        const HWND w = CreateWindowExW(WS_EX_TOOLWINDOW | (keyed ? WS_EX_LAYERED : 0), L"STATIC",
                                       L"", WS_POPUP, 0, 0, 1000, 1000, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        if (w && keyed) SetLayeredWindowAttributes(w, kFaceShapeKey, 255, LWA_COLORKEY);
        if (w) ShowWindow(w, SW_SHOWNOACTIVATE);
        return w;
    };
    const HWND regionWindow = makeWindow(false);
    const HWND keyedWindow = makeWindow(true);
    std::printf("median of %d renders, microseconds\n", rounds);
    std::printf("%-8s %6s %10s %16s %16s\n", "style", "size", "render", "+ region hand-over",
                "+ keyed hand-over");
    for (const bool busy : {false, true}) {
        const TOptionItem o = busy ? BusyStyle() : TOptionItem{};
        for (const int size : {133, 400, 1000}) {
            FaceRequest req;
            req.size = size;
            req.alarms = alarms;
            req.screen = QueryScreenTraits();
            const auto at = [&](int i) {
                req.time = FaceTimeAt(start + i / 86400.0);
                return req;
            };
            const auto handOver = [&](HWND window, bool keyed) {
                if (!window) return 0.0;
                FacePainter painter;
                if (keyed) painter.SetShapeKey(kFaceShapeKey);
                painter.Render(o, at(0)); // images and fonts are made once
                return MedianMicros(rounds, [&](int i) { painter.RenderClock(window, o, at(i)); });
            };
            FacePainter painter;
            painter.Render(o, at(0));
            const double render = MedianMicros(rounds, [&](int i) { painter.Render(o, at(i)); });
            std::printf("%-8s %6d %10.1f %18.1f %17.1f\n", busy ? "busy" : "default", size, render,
                        handOver(regionWindow, false), handOver(keyedWindow, true));
        }
    }
    for (const HWND w : {regionWindow, keyedWindow})
        if (w) DestroyWindow(w);
    return 0;
}
