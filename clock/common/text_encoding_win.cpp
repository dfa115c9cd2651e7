#include <windows.h>

#include "clock/common/text_encoding.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) return std::nullopt;
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return std::string();
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(),
                                      static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
    if (lossy || n <= 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        out.data(), n, nullptr, &lossy);
    if (lossy) return std::nullopt;
    // Guard against a table that maps without saying so: the text must come back the same.
    if (SjisToUtf8(out) != utf8) return std::nullopt;
    return out;
}

std::string SjisToUtf8(std::string_view sjis) {
    if (sjis.empty()) return {};
    const int n =
        MultiByteToWideChar(kShiftJis, 0, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(kShiftJis, 0, sjis.data(), static_cast<int>(sjis.size()), wide.data(), n);
    return Narrow(wide);
}

} // namespace vistrel
