// The host build has no screen: a box nobody answers counts as dismissed.
#include <cstdio>

#include "clock/common/message_box.h"

namespace vistrel::detail {

MsgResult ShowPlatformMessageBox(const MessageBoxCall& call) {
    std::fprintf(stderr, "[message box] %s\n", call.text.c_str());
    return call.buttons == MsgButtons::YesNo      ? MsgResult::No
           : call.buttons == MsgButtons::OkCancel ? MsgResult::Cancel
                                                  : MsgResult::Ok;
}

} // namespace vistrel::detail
