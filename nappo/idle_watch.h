// The manager's decisions, free of the system: how long the user has been idle, and when the
// screen saver is due. The screen saver is started once per idle period; input (idle back within
// the waiting time) opens the next period.
#pragma once

#include <cstdint>

namespace nappo {

// The system's screen saver settings as SystemParametersInfo reports them.
struct SaverSettings {
    bool active = false;
    int timeout_seconds = 0;
};

// What the status window shows in its state line.
enum class SaverState { Unknown, Started, Stopped };

struct IdleStep {
    std::uint32_t idle_ms = 0;
    bool start_saver = false;               // start the screen saver now
    SaverState state = SaverState::Unknown; // Unknown: the state line stays as it was
};

// Milliseconds between two readings of the system's 32-bit tick count, across its wrap after
// 49.7 days. A last input stamped after now (the hook may run between our two readings) counts
// as no idle time rather than as 49 days of it.
std::uint32_t IdleSince(std::uint32_t now, std::uint32_t last_input);

class IdleWatch {
public:
    // Takes the system's settings; while the screen saver is off the waiting time stays as it
    // was, so the status window keeps showing the last one known.
    void ApplySettings(const SaverSettings& settings);

    bool SaverActive() const { return active_; }
    std::int64_t WaitingMs() const { return waiting_ms_; }
    bool SaverRunning() const { return saver_running_; }

    // One timer step: the idle time and whether the screen saver is due.
    IdleStep Step(std::uint32_t now, std::uint32_t last_input);

private:
    bool active_ = false;
    std::int64_t waiting_ms_ = 0;
    bool saver_running_ = false;
};

} // namespace nappo
