// Every message box of the program goes through ShowMessageBox, so that tests can install an
// answerer that records the box and picks a button instead of blocking on a real modal box.
#pragma once

#include <functional>
#include <string>

namespace vistrel {

enum class MsgType { Plain, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MessageBoxCall {
    std::string text;
    MsgType type = MsgType::Plain;
    MsgButtons buttons = MsgButtons::Ok;
};

MsgResult ShowMessageBox(const std::string& text, MsgType type,
                         MsgButtons buttons = MsgButtons::Ok);

// The application's default error box, for errors no command expected.
void ShowErrorBox(const std::string& text);

using MessageBoxAnswerer = std::function<MsgResult(const MessageBoxCall&)>;
// Installs a test answerer; an empty function restores the real boxes.
void SetMessageBoxAnswererForTests(MessageBoxAnswerer answerer);

namespace detail {
MsgResult ShowPlatformMessageBox(const MessageBoxCall& call); // platform twin
}

} // namespace vistrel
