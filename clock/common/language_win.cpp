#include "clock/common/language_win.h"

#include "clock/common/file_io.h"
#include "clock/common/text_encoding.h"
#include "clock/common/wide_win.h"

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(MENUITEMINFOW) == 80);

namespace {
// The library only holds strings: it is mapped as a resource image, so no code of it runs in
// this process (a stray "Lang.dll" in the search path cannot take over the clock).
constexpr DWORD kResourceOnly = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;

// The library's texts were made for a 256-byte Shift-JIS buffer.
constexpr std::size_t kMaxTextBytes = 255;
} // namespace

std::unique_ptr<LanguageLibrary> LanguageLibrary::OpenFile(const std::wstring& path) {
    UniqueModule module(LoadLibraryExW(path.c_str(), nullptr, kResourceOnly));
    if (!module) return nullptr;
    return std::unique_ptr<LanguageLibrary>(new LanguageLibrary(std::move(module)));
}

std::unique_ptr<LanguageLibrary> LanguageLibrary::Open() {
    if (auto beside = OpenFile(Widen(ProgramFolder()) + kLanguageLibraryName)) return beside;
    return OpenFile(kLanguageLibraryName);
}

std::string LanguageLibrary::Text(int number) const {
    if (number < 0 || number > 0xFFFF) return {};
    // With a buffer size of 0 LoadStringW hands out the resource text itself, whatever its
    // length; the cut below then never splits a character.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(module_.get(), static_cast<UINT>(number), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    return CutToSjisBytes(Narrow(std::wstring_view(text, static_cast<std::size_t>(length))),
                          kMaxTextBytes);
}

TextReplacement ControlText(int number, HWND dialog, int control_id) {
    return {number, [dialog, control_id](const std::string& text) {
                SetDlgItemTextW(dialog, control_id, Widen(text).c_str());
            }};
}

TextReplacement WindowCaption(int number, HWND window) {
    return {number,
            [window](const std::string& text) { SetWindowTextW(window, Widen(text).c_str()); }};
}

TextReplacement MenuCaption(int number, HMENU menu, UINT item_id) {
    return {number, [menu, item_id](const std::string& text) {
                std::wstring caption = Widen(text);
                MENUITEMINFOW info{};
                info.cbSize = sizeof info;
                info.fMask = MIIM_STRING;
                info.dwTypeData = caption.data();
                SetMenuItemInfoW(menu, item_id, FALSE, &info);
            }};
}

namespace detail {
std::unique_ptr<StringSource> OpenPlatformLanguageLibrary() { return LanguageLibrary::Open(); }
} // namespace detail

} // namespace vistrel
