#include "clock/options/options_session.h"

#include "clock/common/help.h"
#include "clock/options/option_ids.h"
#include "clock/options/option_pages.h"

namespace vistrel {

namespace {

constexpr int kPointerChoices = 6;

// Clears the loading flag however the filling ends.
class LoadingScope {
public:
    explicit LoadingScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~LoadingScope() { flag_ = false; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& flag_;
};

} // namespace

OptionsSession::OptionsSession(OptionsHost& host, ControlSurface& surface, const Platform& platform,
                               const TOptionItem& live, int page)
    : host_(host), surface_(surface), platform_(platform), working_(live), original_(live),
      page_(page >= 0 && page < kOptionPageCount ? page : 0) {}

void OptionsSession::Show() {
    LoadingScope loading(loading_);
    original_ = working_;
    for (int page = 0; page < kOptionPageCount; ++page)
        Fill(PageBindings(page), working_, surface_);
    SelectLayer(selected_layer_);
    UpdateControlStates();
}

void OptionsSession::Change() {
    if (loading_ || !open_) return;
    ReadControls();
    UpdateControlStates();
    host_.ApplyOptions(working_);
}

void OptionsSession::ReadControls() {
    for (int page = 0; page < kOptionPageCount; ++page)
        Read(PageBindings(page), surface_, working_);
}

void OptionsSession::UpdateControlStates() {
    for (int page = 0; page < kOptionPageCount; ++page)
        ApplyRules(PageRules(page), working_, platform_, surface_);
    host_.EnableCommand(SharedCommand::AlarmView, working_.AlarmUse);
    RefreshCommands();
}

void OptionsSession::RefreshCommands() {
    if (!open_) return;
    surface_.Enable(oid::BitBtn1, host_.CommandEnabled(SharedCommand::AlarmView));
    surface_.Enable(oid::btnSetTime, host_.CommandEnabled(SharedCommand::SetTime));
}

void OptionsSession::LockChanged(bool locked) {
    if (!open_) return;
    {
        LoadingScope loading(loading_);
        surface_.SetCheck(oid::chkLockUse, locked);
    }
    working_.Locked = locked;
    UpdateControlStates();
}

void OptionsSession::RunCommand(SharedCommand command) {
    if (!open_ || !host_.CommandEnabled(command)) return;
    host_.RunCommand(command);
    RefreshCommands();
}

void OptionsSession::SelectLayer(int index) {
    selected_layer_ = index;
    surface_.SetSelection(oid::lstDspOrder, index);
    const std::vector<int> order = surface_.GetOrder(oid::lstDspOrder);
    bool named = false;
    if (index >= 0 && index < static_cast<int>(order.size())) {
        const int code = order[static_cast<std::size_t>(index)];
        named =
            layer_names_.empty() || (code >= 0 && code < static_cast<int>(layer_names_.size()) &&
                                     !layer_names_[static_cast<std::size_t>(code)].empty());
    }
    surface_.Enable(oid::btnDSPOrderUp, named);
    surface_.Enable(oid::btnDSPOrderDown, named);
}

void OptionsSession::MoveLayer(bool up) {
    int selected = surface_.GetSelection(oid::lstDspOrder);
    const std::vector<int> before = surface_.GetOrder(oid::lstDspOrder);
    const std::vector<int> after = vistrel::MoveLayer(before, selected, up);
    if (after == before) return;
    surface_.SetOrder(oid::lstDspOrder, after);
    SelectLayer(selected);
    Change();
}

void OptionsSession::ChoosePointer(int n) {
    if (n < 0 || n >= kPointerChoices) return;
    for (int k = 0; k < kPointerChoices; ++k) surface_.SetCheck(oid::Panel(k), k == n);
    Change();
}

void OptionsSession::PreviewAlarm(const std::string& message) {
    // OK and Cancel come back however the preview ends.
    struct Endings {
        ControlSurface& surface;
        explicit Endings(ControlSurface& s) : surface(s) { Set(false); }
        ~Endings() { Set(true); }
        Endings(const Endings&) = delete;
        Endings& operator=(const Endings&) = delete;
        void Set(bool on) {
            surface.Enable(oid::btnOK, on);
            surface.Enable(oid::btnCancel, on);
        }
    } endings(surface_);
    host_.PreviewAlarm(message);
}

void OptionsSession::Help() const {
    if (const auto context = PageHelpContext(page_)) ShowHelp(*context);
}

void OptionsSession::Ok() {
    if (!open_) return;
    host_.WriteSettings();
    Close();
}

void OptionsSession::Cancel() {
    if (!open_) return;
    working_ = original_;
    host_.ApplyOptions(working_);
    // Everything as it was when the dialog was shown, the commands the dialog enables included.
    host_.EnableCommand(SharedCommand::AlarmView, working_.AlarmUse);
    Close();
}

void OptionsSession::CloseBox() {
    if (open_) Close();
}

void OptionsSession::Close() {
    open_ = false;
    host_.OptionsClosed(page_);
}

} // namespace vistrel
