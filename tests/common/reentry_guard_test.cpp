#include "clock/common/reentry_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace vistrel;

TEST(ReentryGuard, RefusesReentryUntilTheOutermostScopeEndsHoweverItEnds) {
    ReentryGuard guard;
    {
        const auto first = guard.Enter();
        ASSERT_TRUE(first);
        EXPECT_FALSE(guard.Enter()); // the re-entrant call
        {
            const ReentryGuard::Scope nested(guard); // a place that allows itself nested
        }
        EXPECT_TRUE(guard.Busy());
    }
    EXPECT_FALSE(guard.Busy());
    try {
        const ReentryGuard::Scope busy(guard);
        throw std::runtime_error("out");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(guard.Enter());
}
