// Measures the style picker: listing a folder of 1,000 style files into its list box, and one
// click's preview (read the style, render the face, hand it to a shown window) at 133 and 1000
// pixels. Usage: load_style_bench_win [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "clock/common/message_box.h"
#include "clock/face/colour_key_win.h"
#include "clock/face/face_painter_win.h"
#include "clock/face/gdi_paint_win.h"
#include "clock/face/load_style_win.h"
#include "clock/settings/style_file.h"

using namespace vistrel;

namespace {

template <class Step> double MedianMillis(int rounds, Step step) {
    std::vector<double> times;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        step(i);
        QueryPerformanceCounter(&b);
        times.push_back(1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[static_cast<std::size_t>(rounds / 2)];
}

HWND Shown(const wchar_t* cls, DWORD ex_style, DWORD style, int size) {
    const HWND w = CreateWindowExW(ex_style, cls, L"", style, 0, 0, size, size, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    return w;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    SetMessageBoxAnswererForTests([](const MessageBoxCall&) { return MsgResult::Ok; });
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("vistrel-style-bench-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(dir);
    const std::string folder = dir.string() + "\\";
    for (int i = 0; i < 1000; ++i) {
        TOptionItem style;
        style.HNeedleW = 20 + i % 30;
        style.ColorH = static_cast<TColor>(0x10000 * (i % 256));
        WriteStyle(folder + "style" + std::to_string(1000 + i) + ".vsy", style);
    }

    const HWND list = Shown(L"LISTBOX", WS_EX_TOOLWINDOW, WS_POPUP | LBS_NOINTEGRALHEIGHT, 300);
    const double listing = MedianMillis(rounds, [&](int) {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const std::wstring& name : StyleFileNames(folder)) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    });
    std::printf("listing 1000 style files: %.1f ms (median of %d)\n", listing, rounds);

    for (const int size : {133, 1000}) {
        const HWND window = Shown(L"STATIC", WS_EX_TOOLWINDOW | WS_EX_LAYERED, WS_POPUP, size);
        SetLayeredWindowAttributes(window, kFaceShapeKey, 255, LWA_COLORKEY);
        FacePainter painter;
        painter.SetShapeKey(kFaceShapeKey);
        TOptionItem live;
        FaceRequest request;
        request.size = size;
        request.screen = QueryScreenTraits();
        request.time = FaceTimeAt(EncodeDateTime(2024, 3, 5, 10, 8, 37, 0));
        painter.RenderClock(window, live, request); // images and fonts are made once
        const double preview = MedianMillis(rounds, [&](int i) {
            ReadStyle(folder + "style" + std::to_string(1000 + i % 1000) + ".vsy", live);
            painter.RenderClock(window, live, request);
        });
        std::printf("one click's preview at %d px: %.2f ms (median of %d)\n", size, preview,
                    rounds);
        DestroyWindow(window);
    }
    DestroyWindow(list);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
