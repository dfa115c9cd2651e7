// The host build has no shell: every dialog counts as cancelled and nothing opens.
#include "clock/common/shell_services.h"

namespace vistrel::detail {

namespace {
class NoShell final : public ShellServices {
public:
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&, void*) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest&, void*) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&,
                                            void*) override {
        return std::nullopt;
    }
    bool OpenFolder(const std::string&) override { return false; }
    bool OpenDateTimeSettings() override { return false; }
    bool OpenTimeZoneSettings(void*) override { return false; }
};
} // namespace

ShellServices& PlatformShellServices() {
    static NoShell shell;
    return shell;
}

} // namespace vistrel::detail
