#include "clock/app/options_link_win.h"

#include "clock/options/option_dialog_win.h"

namespace vistrel {

bool OptionsLink::Open(OptionsHost& host, const OptionsDialogSetup& setup,
                       const TOptionItem& live) {
    if (dialog_) {
        dialog_->PlaceNearClock();
        return false;
    }
    dialog_ = TfrmOption::Open(host, setup, live, page_);
    return dialog_ != nullptr;
}

void OptionsLink::Close() {
    if (dialog_) DestroyWindow(dialog_->hwnd());
    dialog_ = nullptr;
}

bool OptionsLink::Closed(int page) {
    page_ = page;
    const bool was_open = dialog_ != nullptr;
    dialog_ = nullptr;
    return was_open;
}

HWND OptionsLink::Window() const { return dialog_ ? dialog_->hwnd() : nullptr; }

void OptionsLink::ShowLock(bool locked) {
    if (dialog_) dialog_->SetLockCheck(locked);
}

void OptionsLink::RefreshCommands() {
    if (dialog_) dialog_->RefreshCommands();
}

} // namespace vistrel
