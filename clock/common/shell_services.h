// The system's own modal windows and the shell: the open and save dialogs, the folder browser,
// opening a folder and the date and time settings. Every caller goes through this one
// interface, so that tests put a scripted stand-in in place (a test never blocks on a real
// modal window, nor starts anything on the machine it runs on).
#pragma once

#include <optional>
#include <string>

namespace vistrel {

// What a file dialog shows. The filter is written as designed, "Description (*.ext)|*.ext".
struct FileDialogRequest {
    std::string folder;            // where the dialog starts
    std::string default_extension; // added when the user types a name without one
    std::string filter;
    friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // The chosen file's full path; nothing when the user cancelled. `owner` is an HWND.
    virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request,
                                                        void* owner) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request,
                                                        void* owner) = 0;
    // The folder browser rooted at the computer folder with `current` selected; the chosen
    // folder's path (no trailing separator added), nothing when cancelled or not a file folder.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    const std::string& current, void* owner) = 0;
    // Opens a folder in the shell's file manager; false when the shell refused.
    virtual bool OpenFolder(const std::string& folder) = 0;
    // Opens the system's date and time settings; false when the shell refused.
    virtual bool OpenDateTimeSettings() = 0;
    // Opens the date and time settings on their time-zone page, owned by `owner` (an HWND).
    virtual bool OpenTimeZoneSettings(void* owner) = 0;
};

// The services in force: the system's own, or the stand-in a test installed.
ShellServices& CurrentShellServices();
// Installs a stand-in (nullptr restores the system's own) and returns the one it replaced.
ShellServices* SetShellServicesForTests(ShellServices* services);

namespace detail {
ShellServices& PlatformShellServices(); // platform twin
}

} // namespace vistrel
