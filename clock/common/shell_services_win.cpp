#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "clock/common/shell_services.h"
#include "clock/common/wide_win.h"

namespace vistrel::detail {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(OPENFILENAMEW) == 152);

namespace {

// "Description|pattern" as the system wants it: NUL-separated, ended by two NULs.
std::wstring SystemFilter(const std::string& filter) {
    std::wstring out = Widen(filter);
    for (wchar_t& c : out) {
        if (c == L'|') c = L'\0';
    }
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, void* owner, bool save) {
    const std::wstring filter = SystemFilter(request.filter);
    const std::wstring folder = Widen(request.folder);
    const std::wstring extension = Widen(request.default_extension);
    std::vector<wchar_t> file(32768, L'\0'); // the dialog starts with an empty name
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = static_cast<HWND>(owner);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // The overwrite question is the program's own.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                (save ? 0 : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    return Narrow(file.data());
}

int CALLBACK SelectCurrent(HWND browser, UINT msg, LPARAM, LPARAM data) {
    if (msg == BFFM_INITIALIZED) SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

class WindowsShell final : public ShellServices {
public:
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request,
                                                void* owner) override {
        return RunFileDialog(request, owner, false);
    }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request,
                                                void* owner) override {
        return RunFileDialog(request, owner, true);
    }
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& current,
                                            void* owner) override {
        PIDLIST_ABSOLUTE root = nullptr;
        if (FAILED(SHGetSpecialFolderLocation(static_cast<HWND>(owner), CSIDL_DRIVES, &root))) {
            return std::nullopt;
        }
        const std::wstring caption = Widen(title);
        const std::wstring selected = Widen(current);
        BROWSEINFOW info{};
        info.hwndOwner = static_cast<HWND>(owner);
        info.pidlRoot = root;
        info.lpszTitle = caption.c_str();
        info.lpfn = SelectCurrent;
        info.lParam = reinterpret_cast<LPARAM>(selected.c_str());
        PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
        CoTaskMemFree(root);
        if (!chosen) return std::nullopt;
        std::vector<wchar_t> path(MAX_PATH + 1, L'\0');
        const bool has_path = SHGetPathFromIDListW(chosen, path.data()) != FALSE;
        CoTaskMemFree(chosen);
        if (!has_path || path[0] == L'\0') return std::nullopt;
        return Narrow(path.data());
    }
    bool OpenFolder(const std::string& folder) override {
        return Executed(ShellExecuteW(nullptr, L"open", Widen(folder).c_str(), nullptr, nullptr,
                                      SW_SHOWNORMAL));
    }
    bool OpenDateTimeSettings() override {
        return Executed(ShellExecuteW(nullptr, L"OPEN", L"rundll32.exe",
                                      L"shell32.dll,Control_RunDLL Timedate.cpl", L"",
                                      SW_SHOWNORMAL));
    }
    bool OpenTimeZoneSettings(void* owner) override {
        return Executed(ShellExecuteW(static_cast<HWND>(owner), L"OPEN", L"rundll32.exe",
                                      L"shell32.dll,Control_RunDLL Timedate.cpl,@0,1", L"",
                                      SW_SHOW));
    }

private:
    static bool Executed(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }
};

} // namespace

ShellServices& PlatformShellServices() {
    static WindowsShell shell;
    return shell;
}

} // namespace vistrel::detail
