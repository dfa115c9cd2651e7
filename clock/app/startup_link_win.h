// Starting with Windows: a shell link "Vistrel.lnk" to the running program in the user's
// Startup folder, made and removed by the two commands of the "ﾂｰﾙ" menu.
#pragma once

#include <optional>
#include <string>

namespace vistrel {

// The user's Startup folder (no trailing separator); empty when the shell does not know it.
std::string StartupFolder();
// Tests may point the Startup folder elsewhere; an empty text restores the real one.
void SetStartupFolderForTests(const std::string& folder);

// The Startup folder followed by "\Vistrel.lnk"; empty without a Startup folder.
std::string StartupLinkPath();
bool StartupLinkExists();

struct ShellLinkInfo {
    std::string target;
    std::string description;
    std::string working_folder;
};

// Writes a shell link; false when any step fails.
bool WriteShellLink(const std::string& link, const ShellLinkInfo& info);
// Reads a shell link back; nothing when it cannot be read.
std::optional<ShellLinkInfo> ReadShellLink(const std::string& link);

// "ｽﾀｰﾄｱｯﾌﾟへ登録" and "ｽﾀｰﾄｱｯﾌﾟの登録解除", with their questions and messages.
void StartUpRegCmd();
void StartUpRelCmd();

} // namespace vistrel
