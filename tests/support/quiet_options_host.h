// An options host that hears everything and does nothing; tests override what they look at.
#pragma once

#include <string>

#include "clock/options/options_host.h"

namespace vistrel::test {

class QuietOptionsHost : public OptionsHost {
public:
    void ApplyOptions(const TOptionItem&) override {}
    void WriteSettings() override {}
    void OptionsClosed(int) override {}
    bool CommandEnabled(SharedCommand) const override { return true; }
    void EnableCommand(SharedCommand, bool) override {}
    void RunCommand(SharedCommand) override {}
    void PreviewAlarm(const std::string&) override {}
};

} // namespace vistrel::test
