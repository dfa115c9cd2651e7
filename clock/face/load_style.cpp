#include "clock/face/load_style.h"

#include "clock/common/texts.h"

namespace vistrel {

std::string StyleVersionText(int style_ver) {
    const bool negative = style_ver < 0;
    const long long v = negative ? -static_cast<long long>(style_ver) : style_ver;
    std::string text = std::to_string(v / 100);
    const int hundredths = static_cast<int>(v % 100);
    if (hundredths != 0) {
        text += '.';
        text += static_cast<char>('0' + hundredths / 10);
        if (hundredths % 10 != 0) text += static_cast<char>('0' + hundredths % 10);
    }
    return negative ? "-" + text : text;
}

std::string NewerStyleMessage(int style_ver) {
    return TrFill(Tx::MsgNewerStyle, {StyleVersionText(style_ver)});
}

std::string FolderWithSeparator(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder;
    return folder + "\\";
}

std::string BrowserSelection(const std::string& folder) {
    if (folder.size() > 3 && folder.back() == '\\') return folder.substr(0, folder.size() - 1);
    return folder;
}

} // namespace vistrel
