#include "clock/common/message_box.h"

#include <utility>

namespace vistrel {

namespace {
MessageBoxAnswerer& Answerer() {
    static MessageBoxAnswerer answerer;
    return answerer;
}
} // namespace

MsgResult ShowMessageBox(const std::string& text, MsgType type, MsgButtons buttons) {
    const MessageBoxCall call{text, type, buttons};
    if (Answerer()) return Answerer()(call);
    return detail::ShowPlatformMessageBox(call);
}

void ShowErrorBox(const std::string& text) { ShowMessageBox(text, MsgType::Error); }

void SetMessageBoxAnswererForTests(MessageBoxAnswerer answerer) {
    Answerer() = std::move(answerer);
}

} // namespace vistrel
