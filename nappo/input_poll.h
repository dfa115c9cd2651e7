// Polling mode: input is seen as a change of the cursor position or of the keyboard state
// between two looks a second apart.
#pragma once

#include <array>
#include <cstdint>

namespace nappo {

using KeyboardState = std::array<std::uint8_t, 256>;

struct CursorPoint {
    long x = 0, y = 0;
    bool operator==(const CursorPoint&) const = default;
};

class InputPoll {
public:
    // The first look, at start-up: what is there now is not input.
    InputPoll(std::uint32_t now, CursorPoint cursor, const KeyboardState& keys);

    // A later look; returns the tick count of the last input seen.
    std::uint32_t Observe(std::uint32_t now, CursorPoint cursor, const KeyboardState& keys);

    std::uint32_t LastInput(std::uint32_t now) const;

private:
    CursorPoint cursor_;
    KeyboardState keys_;
    std::uint32_t last_move_;
    std::uint32_t last_key_;
};

} // namespace nappo
