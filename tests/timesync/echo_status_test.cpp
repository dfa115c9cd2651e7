#include "clock/timesync/echo_status.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(EchoStatus, RequestDataCarriesTheIdentification) {
    EXPECT_EQ(kEchoIdentification.size(), 45u);
    const EchoData d = EchoRequestData();
    EXPECT_EQ(std::string(d.begin(), d.begin() + 45), kEchoIdentification);
    for (std::size_t i = 45; i < d.size(); ++i) EXPECT_EQ(d[i], ' ') << i;
}

TEST(EchoStatus, StatusTexts) {
    EXPECT_EQ(IcmpStatusText(0), "No error");
    EXPECT_EQ(IcmpStatusText(11001), "Buffer too small");
    EXPECT_EQ(IcmpStatusText(11010), "Request timed out");
    EXPECT_EQ(IcmpStatusText(11018), "Bad Destination");
    EXPECT_EQ(IcmpStatusText(11021), "MTU change");
    EXPECT_EQ(IcmpStatusText(11050), "General failure");
    EXPECT_EQ(IcmpStatusText(11255), "Pending");
    EXPECT_EQ(IcmpStatusText(11022), "ICMP error #11022");
    EXPECT_EQ(IcmpStatusText(10060), "ICMP error #10060");
}

TEST(EchoStatus, TallyOfMixedReplies) {
    EchoTally tally;
    EXPECT_EQ(tally.Count({true, 40, 0}), "Reply 40 ms");
    EXPECT_EQ(tally.Count({true, 42, 0}), "Reply 42 ms");
    EXPECT_EQ(tally.Count({true, 0, 0}), "Reply 0 ms"); // below a millisecond: still a reply
    EXPECT_EQ(tally.Count({false, 0, 11010}), "Cannot ping : Request timed out. Status = 11010");
    EXPECT_EQ(tally.Count({true, 38, 0}), "Reply 38 ms");
    EXPECT_EQ(tally.Replies(), 4);
    EXPECT_EQ(tally.TotalMs(), 120);
    EXPECT_EQ(tally.AverageMs(), 30);
}

TEST(EchoStatus, OnlySuccessfulRepliesCount) {
    EchoTally tally;
    EXPECT_EQ(tally.AverageMs(), 0);
    // A router's "unreachable" answer has a round trip but measures nothing about the server.
    EXPECT_EQ(tally.Count({true, 25, 11003}),
              "Cannot ping : Destination host unreachable. Status = 11003");
    EXPECT_EQ(tally.Count({false, 0, 0}), "Cannot ping : No error. Status = 0");
    EXPECT_EQ(tally.Replies(), 0);
    EXPECT_EQ(tally.AverageMs(), 0);
    tally.Count({true, 10, 0});
    tally.Count({true, 11, 0});
    tally.Count({true, 11, 0});
    EXPECT_EQ(tally.AverageMs(), 10); // 32 / 3, integer division
}
