// What the options dialog asks of the clock. The clock window implements it; tests fake it.
#pragma once

#include <string>

#include "clock/settings/option_item.h"

namespace vistrel {

// The main-window commands that the dialog's buttons follow.
enum class SharedCommand { SetTime, AlarmView };

class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // Takes the record as the live settings and refreshes the clock.
    virtual void ApplyOptions(const TOptionItem& options) = 0;
    virtual void WriteSettings() = 0;
    // The dialog has ended; `page` is the page to open with next time.
    virtual void OptionsClosed(int page) = 0;
    virtual bool CommandEnabled(SharedCommand command) const = 0;
    virtual void EnableCommand(SharedCommand command, bool enabled) = 0;
    // Runs the command as the menu would (returns when it has ended).
    virtual void RunCommand(SharedCommand command) = 0;
    // Shows a sample alarm with this message and the live settings; returns when it is done.
    virtual void PreviewAlarm(const std::string& message) = 0;
};

} // namespace vistrel
