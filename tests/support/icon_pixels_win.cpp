#include "support/icon_pixels_win.h"

#include <string>

#include "clock/common/handles_win.h"

namespace vistrel::test_support {

namespace {

void AppendBitmap(HBITMAP bitmap, std::vector<std::uint32_t>& out) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) *
                                      static_cast<std::size_t>(info.bmHeight));
    const WindowDc screen(nullptr);
    GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &format,
              DIB_RGB_COLORS);
    out.insert(out.end(), pixels.begin(), pixels.end());
}

} // namespace

std::vector<std::uint32_t> IconPixels(HICON icon) {
    std::vector<std::uint32_t> out;
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return out;
    const UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    AppendBitmap(colour.get(), out);
    AppendBitmap(mask.get(), out);
    return out;
}

std::vector<std::uint32_t> ProgramIconPixels(const wchar_t* program, int id, int size) {
    wchar_t own[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    std::wstring path = own;
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + program;
    const UniqueModule file(LoadLibraryExW(
        path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!file) return {};
    const UniqueIcon icon(static_cast<HICON>(
        LoadImageW(file.get(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
    return IconPixels(icon.get());
}

} // namespace vistrel::test_support
