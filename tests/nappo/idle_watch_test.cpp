#include "nappo/idle_watch.h"

#include <gtest/gtest.h>

#include "nappo/input_poll.h"

namespace nappo {
namespace {

TEST(IdleSince, CountsAcrossTheWrapAndNeverGoesNegative) {
    struct Case {
        std::uint32_t now, last, idle;
    } cases[] = {
        {5000, 1000, 4000},
        {1000, 1000, 0},
        {500, 0xFFFFFF00u, 500 + 0x100}, // the tick count wrapped after the input
        {1000, 1200, 0},                 // input stamped after our reading
    };
    for (const Case& c : cases)
        EXPECT_EQ(IdleSince(c.now, c.last), c.idle) << c.now << " " << c.last;
}

TEST(IdleWatch, StartsTheSaverOncePerIdlePeriod) {
    IdleWatch watch;
    watch.ApplySettings({true, 60});
    const std::uint32_t input = 10'000;
    int starts = 0;
    // One step a second, no input for 61 s: started once, at the first second beyond 60.
    for (std::uint32_t s = 1; s <= 90; ++s) {
        const IdleStep step = watch.Step(input + s * 1000, input);
        if (step.start_saver) {
            ++starts;
            EXPECT_EQ(s, 61u);
            EXPECT_EQ(step.state, SaverState::Started);
        }
        if (s <= 60) {
            EXPECT_EQ(step.state, SaverState::Stopped);
        }
    }
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(watch.SaverRunning());

    // Input again: the period ends, and the next one starts the saver again.
    const std::uint32_t later = input + 100'000;
    EXPECT_EQ(watch.Step(later + 500, later).state, SaverState::Stopped);
    EXPECT_FALSE(watch.SaverRunning());
    EXPECT_TRUE(watch.Step(later + 60'001, later).start_saver);
}

TEST(IdleWatch, DisabledSaverShowsIdleTimeButNeverStarts) {
    IdleWatch watch;
    watch.ApplySettings({true, 120});
    watch.ApplySettings({false, 0});
    EXPECT_FALSE(watch.SaverActive());
    EXPECT_EQ(watch.WaitingMs(), 120'000); // the last known waiting time stays
    for (std::uint32_t idle : {0u, 200'000u, 3'000'000u}) {
        const IdleStep step = watch.Step(5'000'000, 5'000'000 - idle);
        EXPECT_EQ(step.idle_ms, idle);
        EXPECT_FALSE(step.start_saver);
        EXPECT_EQ(step.state, SaverState::Unknown);
    }
}

TEST(InputPoll, CursorMovesAndKeyChangesAreInput) {
    KeyboardState keys{};
    InputPoll poll(1000, {10, 10}, keys);
    EXPECT_EQ(poll.Observe(2000, {10, 10}, keys), 1000u); // nothing changed: not input
    EXPECT_EQ(poll.Observe(3000, {11, 10}, keys), 3000u); // cursor moved
    keys['A'] = 0x80;
    EXPECT_EQ(poll.Observe(4000, {11, 10}, keys), 4000u); // key went down
    EXPECT_EQ(poll.Observe(9000, {11, 10}, keys), 4000u); // held: no new input
    keys['A'] = 0;
    EXPECT_EQ(poll.Observe(9500, {11, 10}, keys), 9500u); // released
    EXPECT_EQ(poll.Observe(20'000, {11, 10}, keys), 9500u);
}

TEST(InputPoll, TheLaterInputWinsAcrossTheWrap) {
    KeyboardState keys{};
    InputPoll poll(0xFFFFF000u, {0, 0}, keys);
    keys[0x10] = 1;
    poll.Observe(0xFFFFFF00u, {0, 0}, keys);              // key before the wrap
    EXPECT_EQ(poll.Observe(0x200, {5, 5}, keys), 0x200u); // move after it
    EXPECT_EQ(poll.LastInput(0x300), 0x200u);
}

} // namespace
} // namespace nappo
