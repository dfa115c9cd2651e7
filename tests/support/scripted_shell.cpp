#include "support/scripted_shell.h"

#include <gtest/gtest.h>

namespace vistrel::test {

std::optional<std::string> ScriptedShell::Next() {
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedShell::ChooseFileToOpen(const FileDialogRequest& r, void*) {
    calls.push_back("open " + r.folder + " " + r.default_extension + " " + r.filter);
    requests.push_back(r);
    return Next();
}

std::optional<std::string> ScriptedShell::ChooseFileToSave(const FileDialogRequest& r, void*) {
    calls.push_back("save " + r.folder + " " + r.default_extension + " " + r.filter);
    requests.push_back(r);
    return Next();
}

std::optional<std::string> ScriptedShell::ChooseFolder(const std::string& title,
                                                       const std::string& current, void*) {
    calls.push_back("folder " + title + " " + current);
    return Next();
}

bool ScriptedShell::OpenFolder(const std::string& folder) {
    calls.push_back("explore " + folder);
    return true;
}

bool ScriptedShell::OpenDateTimeSettings() {
    calls.push_back("datetime");
    return true;
}

bool ScriptedShell::OpenTimeZoneSettings(void*) {
    calls.push_back("timezone");
    return true;
}

namespace {
// In force for the whole test program from its start: a real file dialog would block the test,
// and the shell would open windows on the machine.
class GuardShell final : public ShellServices {
public:
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&, void*) override {
        return Refuse("ChooseFileToOpen");
    }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest&, void*) override {
        return Refuse("ChooseFileToSave");
    }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&,
                                            void*) override {
        return Refuse("ChooseFolder");
    }
    bool OpenFolder(const std::string&) override { return Refuse("OpenFolder").has_value(); }
    bool OpenDateTimeSettings() override { return Refuse("OpenDateTimeSettings").has_value(); }
    bool OpenTimeZoneSettings(void*) override { return Refuse("OpenTimeZoneSettings").has_value(); }

private:
    static std::optional<std::string> Refuse(const char* what) {
        ADD_FAILURE() << "a test reached the real shell service " << what
                      << " without installing a stand-in";
        return std::nullopt;
    }
};

GuardShell g_guard;
[[maybe_unused]] const bool g_guard_installed = (SetShellServicesForTests(&g_guard), true);
} // namespace

} // namespace vistrel::test
