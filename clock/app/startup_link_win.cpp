#include "clock/app/startup_link_win.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "clock/common/file_io.h"
#include "clock/common/message_box.h"
#include "clock/common/texts.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace {

std::string& FolderForTests() {
    static std::string folder;
    return folder;
}

// COM for the span of one shell-link operation on this thread.
class ComScope {
public:
    ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (ok_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool ok_;
};

// An owning COM interface pointer.
template <class T> class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T** Out() { return &p_; }
    explicit operator bool() const { return p_ != nullptr; }
    template <class U> bool As(ComPtr<U>& other) const {
        return SUCCEEDED(p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(other.Out())));
    }

private:
    T* p_ = nullptr;
};

bool NewShellLink(ComPtr<IShellLinkW>& link) {
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, reinterpret_cast<void**>(link.Out())));
}

std::string RunningProgram() {
    std::vector<wchar_t> path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return Narrow(std::wstring_view(path.data(), n));
}

std::string WithoutTrailingSeparator(std::string folder) {
    // A drive root keeps its separator ("C:\").
    if (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

} // namespace

std::string StartupFolder() {
    if (!FolderForTests().empty()) return FolderForTests();
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_STARTUP, &list))) return {};
    std::vector<wchar_t> path(MAX_PATH + 1, L'\0');
    const bool found = SHGetPathFromIDListW(list, path.data()) != FALSE;
    CoTaskMemFree(list);
    return found ? Narrow(path.data()) : std::string();
}

void SetStartupFolderForTests(const std::string& folder) { FolderForTests() = folder; }

std::string StartupLinkPath() {
    const std::string folder = StartupFolder();
    return folder.empty() ? std::string() : folder + "\\Vistrel.lnk";
}

bool StartupLinkExists() {
    const std::string link = StartupLinkPath();
    return !link.empty() && FileExists(link);
}

bool WriteShellLink(const std::string& path, const ShellLinkInfo& info) {
    const ComScope com;
    ComPtr<IShellLinkW> link;
    if (!NewShellLink(link)) return false;
    if (FAILED(link->SetPath(Widen(info.target).c_str())) ||
        FAILED(link->SetDescription(Widen(info.description).c_str())) ||
        FAILED(link->SetWorkingDirectory(Widen(info.working_folder).c_str()))) {
        return false;
    }
    ComPtr<IPersistFile> file;
    return link.As(file) && SUCCEEDED(file->Save(Widen(path).c_str(), TRUE));
}

std::optional<ShellLinkInfo> ReadShellLink(const std::string& path) {
    const ComScope com;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (!NewShellLink(link) || !link.As(file) ||
        FAILED(file->Load(Widen(path).c_str(), STGM_READ))) {
        return std::nullopt;
    }
    std::vector<wchar_t> text(32768, L'\0');
    const int size = static_cast<int>(text.size());
    ShellLinkInfo info;
    if (FAILED(link->GetPath(text.data(), size, nullptr, 0))) return std::nullopt;
    info.target = Narrow(text.data());
    text[0] = L'\0';
    if (SUCCEEDED(link->GetDescription(text.data(), size))) info.description = Narrow(text.data());
    text[0] = L'\0';
    if (SUCCEEDED(link->GetWorkingDirectory(text.data(), size))) {
        info.working_folder = Narrow(text.data());
    }
    return info;
}

void StartUpRegCmd() {
    if (ShowMessageBox(Tr(Tx::MsgStartupAsk), MsgType::Information, MsgButtons::OkCancel) !=
        MsgResult::Ok) {
        return;
    }
    const std::string link = StartupLinkPath();
    const ShellLinkInfo info{RunningProgram(), "Vistrel",
                             WithoutTrailingSeparator(ProgramFolder())};
    if (!link.empty() && WriteShellLink(link, info)) {
        ShowMessageBox(Tr(Tx::MsgStartupDone), MsgType::Information);
    } else {
        ShowMessageBox(Tr(Tx::MsgStartupFailed), MsgType::Error);
    }
}

void StartUpRelCmd() {
    if (ShowMessageBox(Tr(Tx::MsgUnregisterAsk), MsgType::Information, MsgButtons::OkCancel) !=
        MsgResult::Ok) {
        return;
    }
    const std::string link = StartupLinkPath();
    if (!link.empty() && DeleteFileW(Widen(link).c_str())) {
        ShowMessageBox(Tr(Tx::MsgUnregisterDone), MsgType::Information);
    } else {
        ShowMessageBox(Tr(Tx::MsgUnregisterFailed), MsgType::Error);
    }
}

} // namespace vistrel
