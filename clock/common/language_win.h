// "Lang.dll" on Windows, and the small helpers that put its texts into controls and menus.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "clock/common/handles_win.h"
#include "clock/common/language.h"
#include "clock/common/texts.h"

namespace vistrel {

inline constexpr wchar_t kLanguageLibraryName[] = L"Lang.dll";

// A loaded language library; freed when the object goes.
class LanguageLibrary final : public StringSource {
public:
    // The program's folder first, then the system's ordinary search; nothing when not found.
    static std::unique_ptr<LanguageLibrary> Open();
    // One exact file; nothing when it cannot be loaded.
    static std::unique_ptr<LanguageLibrary> OpenFile(const std::wstring& path);

    std::string Text(int number) const override;

private:
    explicit LanguageLibrary(UniqueModule module) : module_(std::move(module)) {}
    UniqueModule module_;
};

// Replacements for a dialog control's text, a window's caption and a menu entry's caption.
TextReplacement ControlText(int number, HWND dialog, int control_id);
TextReplacement WindowCaption(int number, HWND window);
TextReplacement MenuCaption(int number, HMENU menu, UINT item_id);
TextReplacement ControlText(Tx text, HWND dialog, int control_id);
TextReplacement WindowCaption(Tx text, HWND window);
TextReplacement MenuCaption(Tx text, HMENU menu, UINT item_id);

} // namespace vistrel
