// The options dialog's behaviour without its window: the working and original records, the
// loading flag, the change cycle and the three endings. The dialog forwards its notifications
// here; the clock window is the host.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "clock/options/option_bindings.h"
#include "clock/options/options_host.h"

namespace vistrel {

class OptionsSession {
public:
    OptionsSession(OptionsHost& host, ControlSurface& surface, const Platform& platform,
                   const TOptionItem& live, int page);

    // The dialog is shown: remembers the record for Cancel and fills every page.
    void Show();
    // The handler of every editing control.
    void Change();

    // The layer names by code, as the list shows them: an entry without a name (a language
    // library can blank one) cannot be moved. Every layer has a name until this is called.
    void SetLayerNames(std::vector<std::string> names) { layer_names_ = std::move(names); }
    // The layer list's buttons.
    void SelectLayer(int index);
    void MoveLayer(bool up);
    // A click on pointer panel n.
    void ChoosePointer(int n);
    void PreviewAlarm(const std::string& message);
    // The buttons of the shared commands: runs one, and follows their enabled state (the host
    // calls RefreshCommands whenever a command's state may have changed).
    void RunCommand(SharedCommand command);
    void RefreshCommands();
    // The lock was changed from outside (the menu's lock command): the check box shows it, and
    // the page's enabling follows as if the box had been clicked. The clock has it already.
    void LockChanged(bool locked);

    void SelectPage(int page) { page_ = page; }
    int Page() const { return page_; }
    // Opens the active page's help; the time page has none.
    void Help() const;

    void Ok();
    void Cancel();
    void CloseBox();

    bool Open() const { return open_; }
    const TOptionItem& Working() const { return working_; }
    const TOptionItem& Original() const { return original_; }

private:
    void ReadControls();
    void UpdateControlStates();
    void Close();

    OptionsHost& host_;
    ControlSurface& surface_;
    Platform platform_;
    TOptionItem working_;
    TOptionItem original_;
    int page_;
    int selected_layer_ = 0;
    std::vector<std::string> layer_names_;
    bool loading_ = false;
    bool open_ = true;
};

} // namespace vistrel
