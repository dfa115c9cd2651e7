#include "nappo/idle_watch.h"

namespace nappo {

std::uint32_t IdleSince(std::uint32_t now, std::uint32_t last_input) {
    const std::uint32_t idle = now - last_input; // modular: right across the wrap
    return idle > 0x80000000u ? 0 : idle;
}

void IdleWatch::ApplySettings(const SaverSettings& settings) {
    active_ = settings.active;
    if (settings.active) waiting_ms_ = static_cast<std::int64_t>(settings.timeout_seconds) * 1000;
}

IdleStep IdleWatch::Step(std::uint32_t now, std::uint32_t last_input) {
    IdleStep step;
    step.idle_ms = IdleSince(now, last_input);
    if (!active_) return step;
    if (step.idle_ms > waiting_ms_) {
        if (!saver_running_) {
            saver_running_ = true;
            step.start_saver = true;
            step.state = SaverState::Started;
        }
    } else {
        saver_running_ = false;
        step.state = SaverState::Stopped;
    }
    return step;
}

} // namespace nappo
