// Owning wrappers for Windows handles: move-only, released exactly once. The GDI wrappers count
// the objects they own, so that a test can prove that drawing leaks nothing (Wine's
// GetGuiResources does not answer).
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <utility>

namespace vistrel {

// Number of GDI objects (pens, brushes, fonts, bitmaps, regions, memory DCs) owned right now.
long LiveGdiObjects();

namespace detail {
std::atomic<long>& GdiCounter();

template <class T, class Traits> class UniqueResource {
public:
    UniqueResource() = default;
    explicit UniqueResource(T h) : h_(h) {
        if (Traits::Valid(h_) && Traits::kCounted) ++GdiCounter();
    }
    ~UniqueResource() { reset(); }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
    UniqueResource& operator=(UniqueResource&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, Traits::Invalid());
        }
        return *this;
    }

    T get() const { return h_; }
    explicit operator bool() const { return Traits::Valid(h_); }

    void reset(T h = Traits::Invalid()) {
        if (Traits::Valid(h_)) {
            Traits::Close(h_);
            if (Traits::kCounted) --GdiCounter();
        }
        h_ = h;
        if (Traits::Valid(h_) && Traits::kCounted) ++GdiCounter();
    }
    // Gives up ownership, e.g. when a region is handed to SetWindowRgn (the system owns it then).
    T release() {
        if (Traits::Valid(h_) && Traits::kCounted) --GdiCounter();
        return std::exchange(h_, Traits::Invalid());
    }

private:
    T h_ = Traits::Invalid();
};

struct KernelTraits {
    static constexpr bool kCounted = false;
    static HANDLE Invalid() { return nullptr; }
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FileTraits : KernelTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
};
template <class T> struct GdiTraits {
    static constexpr bool kCounted = true;
    static T Invalid() { return nullptr; }
    static bool Valid(T h) { return h != nullptr; }
    static void Close(T h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    static constexpr bool kCounted = true;
    static HDC Invalid() { return nullptr; }
    static bool Valid(HDC h) { return h != nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
struct ModuleTraits {
    static constexpr bool kCounted = false;
    static HMODULE Invalid() { return nullptr; }
    // A handle below 32 counts as missing, as the old loaders reported failures.
    static bool Valid(HMODULE h) { return reinterpret_cast<ULONG_PTR>(h) >= 32; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
struct MenuTraits {
    static constexpr bool kCounted = false;
    static HMENU Invalid() { return nullptr; }
    static bool Valid(HMENU h) { return h != nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct SocketTraits {
    static constexpr bool kCounted = false;
    static SOCKET Invalid() { return INVALID_SOCKET; }
    static bool Valid(SOCKET s) { return s != INVALID_SOCKET; }
    static void Close(SOCKET s) { closesocket(s); }
};
struct IconTraits {
    static constexpr bool kCounted = false;
    static HICON Invalid() { return nullptr; }
    static bool Valid(HICON h) { return h != nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct MciDeviceTraits {
    static constexpr bool kCounted = false;
    static MCIDEVICEID Invalid() { return 0; }
    static bool Valid(MCIDEVICEID d) { return d != 0; }
    // Closing the device ends any playback on it.
    static void Close(MCIDEVICEID d) { mciSendCommandW(d, MCI_CLOSE, MCI_WAIT, 0); }
};
} // namespace detail

using UniqueHandle = detail::UniqueResource<HANDLE, detail::KernelTraits>;
using UniqueFile = detail::UniqueResource<HANDLE, detail::FileTraits>;
using UniquePen = detail::UniqueResource<HPEN, detail::GdiTraits<HPEN>>;
using UniqueBrush = detail::UniqueResource<HBRUSH, detail::GdiTraits<HBRUSH>>;
using UniqueFont = detail::UniqueResource<HFONT, detail::GdiTraits<HFONT>>;
using UniqueBitmap = detail::UniqueResource<HBITMAP, detail::GdiTraits<HBITMAP>>;
using UniqueRegion = detail::UniqueResource<HRGN, detail::GdiTraits<HRGN>>;
using UniqueMemoryDc = detail::UniqueResource<HDC, detail::MemoryDcTraits>;
using UniqueModule = detail::UniqueResource<HMODULE, detail::ModuleTraits>;
using UniqueMenu = detail::UniqueResource<HMENU, detail::MenuTraits>;
using UniqueIcon = detail::UniqueResource<HICON, detail::IconTraits>;
using UniqueSocket = detail::UniqueResource<SOCKET, detail::SocketTraits>;
using UniqueMciDevice = detail::UniqueResource<MCIDEVICEID, detail::MciDeviceTraits>;

// A window's device context, released on scope exit.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back on scope exit.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace vistrel
