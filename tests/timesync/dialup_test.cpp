#include "clock/timesync/dialup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/timesync_fakes.h"

using namespace vistrel;

TEST(DialUp, ExistingConnectionIsNeitherDialledNorHungUp) {
    FakeDialUp ras;
    ras.connections = 1;
    for (bool hang_up : {false, true}) {
        for (bool error_hang_up : {false, true}) {
            const DialUpSettings s{true, hang_up, error_hang_up};
            const ConnectOutcome c = ConnectStep(ras, s);
            EXPECT_TRUE(c.ok);
            EXPECT_FALSE(c.connected_by_this_run);
            HangUpStep(ras, s, c.connected_by_this_run, false);
            HangUpStep(ras, s, c.connected_by_this_run, true);
        }
    }
    EXPECT_EQ(ras.Calls(), (std::vector<std::string>{}));
}

TEST(DialUp, NoRemoteAccessMeansGoAhead) {
    FakeDialUp ras;
    ras.available = false; // as under Wine: the library has no connections to offer
    const ConnectOutcome c = ConnectStep(ras, {});
    EXPECT_TRUE(c.ok);
    EXPECT_FALSE(c.connected_by_this_run);
    EXPECT_TRUE(ras.Calls().empty());
}

TEST(DialUp, DialsOrAttemptsAndOwnsTheConnection) {
    FakeDialUp ras;
    ConnectOutcome c = ConnectStep(ras, {true, true, false});
    EXPECT_TRUE(c.ok && c.connected_by_this_run);
    EXPECT_EQ(ras.Calls(), (std::vector<std::string>{"dial"}));

    FakeDialUp attempt;
    c = ConnectStep(attempt, {false, true, false});
    EXPECT_TRUE(c.ok && c.connected_by_this_run);
    HangUpStep(attempt, {false, true, false}, true, false);
    EXPECT_EQ(attempt.Calls(), (std::vector<std::string>{"attempt", "hang up"}));

    FakeDialUp refused;
    refused.connect_succeeds = false;
    c = ConnectStep(refused, {true, true, true});
    EXPECT_FALSE(c.ok);
    EXPECT_FALSE(c.connected_by_this_run);
}

TEST(DialUp, HangUpRules) {
    struct Case {
        bool auto_hang_up, error_hang_up, failed, hangs_up;
    };
    for (const Case& k : {Case{true, false, false, true}, Case{true, false, true, false},
                          Case{true, true, true, true}, Case{false, true, true, false},
                          Case{false, true, false, false}, Case{false, false, false, false}}) {
        FakeDialUp ras;
        HangUpStep(ras, {true, k.auto_hang_up, k.error_hang_up}, true, k.failed);
        EXPECT_EQ(ras.hang_ups, k.hangs_up ? 1 : 0)
            << k.auto_hang_up << k.error_hang_up << k.failed;
    }
    FakeDialUp gone; // remote access vanished since the dial: nothing to hang up with
    gone.available = false;
    HangUpStep(gone, {true, true, true}, true, false);
    EXPECT_EQ(gone.hang_ups, 0);
}
