// A stand-in for the shell services: the file dialogs answer from a script, and everything
// asked of it is recorded. Every test program also runs under a guard that fails any test that
// reaches the real dialogs or the shell without a stand-in of its own.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "clock/common/shell_services.h"
#include "support/scoped_stand_in.h"

namespace vistrel::test {

class ScriptedShell : public ShellServices {
public:
    // The answers of the next dialogs, in order; a dialog without an answer is cancelled.
    std::deque<std::optional<std::string>> answers;
    // "open <folder> <ext> <filter>", "save ...", "folder <title> <current>",
    // "explore <folder>", "datetime", "timezone".
    std::vector<std::string> calls;
    std::vector<FileDialogRequest> requests;

    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& r, void*) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& r, void*) override;
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& current,
                                            void*) override;
    bool OpenFolder(const std::string& folder) override;
    bool OpenDateTimeSettings() override;
    bool OpenTimeZoneSettings(void* owner) override;

private:
    std::optional<std::string> Next();
};

using ScopedShellServices = ScopedStandIn<ShellServices, &SetShellServicesForTests>;

} // namespace vistrel::test
