#include "nappo/input_poll.h"

#include "nappo/idle_watch.h"

namespace nappo {

InputPoll::InputPoll(std::uint32_t now, CursorPoint cursor, const KeyboardState& keys)
    : cursor_(cursor), keys_(keys), last_move_(now), last_key_(now) {}

std::uint32_t InputPoll::Observe(std::uint32_t now, CursorPoint cursor, const KeyboardState& keys) {
    if (cursor != cursor_) {
        cursor_ = cursor;
        last_move_ = now;
    }
    if (keys != keys_) {
        keys_ = keys;
        last_key_ = now;
    }
    return LastInput(now);
}

std::uint32_t InputPoll::LastInput(std::uint32_t now) const {
    // "Later" on a clock that wraps: the one with the shorter time since.
    return IdleSince(now, last_move_) <= IdleSince(now, last_key_) ? last_move_ : last_key_;
}

} // namespace nappo
