#include "nappo/entry_plan.h"

#include <gtest/gtest.h>

#include <cstring>

namespace nappo {
namespace {

TEST(PlanEntry, FirstArgumentSystemAndRunningManagerDecide) {
    using Args = std::vector<std::string>;
    struct Case {
        Args args;
        bool running, win95;
        EntryKind kind;
        std::string forwarded;
    } cases[] = {
        {{}, false, true, EntryKind::Run, ""},
        {{}, false, false, EntryKind::WarnOnly, ""},
        {{"/d"}, false, false, EntryKind::Run, ""},
        {{"/D"}, false, false, EntryKind::Run, ""},
        {{"/e"}, false, true, EntryKind::End, ""},
        {{"/e"}, false, false, EntryKind::WarnOnly, ""},
        {{"/x"}, false, true, EntryKind::Run, ""},
        {{"/x", "/d"}, false, false, EntryKind::WarnOnly, ""}, // only the first counts
        // A manager runs: a start without arguments changes nothing; any argument is passed on
        // as given, whatever the system.
        {{}, true, true, EntryKind::End, ""},
        {{"/E"}, true, false, EntryKind::Forward, "/E"},
        {{"/d", "/e"}, true, true, EntryKind::Forward, "/d"},
    };
    for (const Case& c : cases) {
        const EntryPlan plan = PlanEntry(c.args, c.running, c.win95);
        const std::string what = (c.args.empty() ? "-" : c.args.front()) +
                                 (c.running ? " running" : "") + (c.win95 ? " 95" : "");
        EXPECT_EQ(plan.kind, c.kind) << what;
        EXPECT_EQ(plan.argument, c.forwarded) << what;
    }
}

TEST(CopyData, ElevenBytesTextCutAtTenWithoutSplittingACharacter) {
    struct Case {
        std::string argument, carried;
    } cases[] = {
        {"/e", "/e"},
        {"", ""},
        {"0123456789", "0123456789"},
        {"0123456789abc", "0123456789"},
        {"/abcd\xE3\x81\x82\xE3\x81\x84", "/abcd\xE3\x81\x82"}, // the second kana would end at 11
    };
    for (const Case& c : cases) {
        const CopyDataPayload payload = MakeCopyData(c.argument);
        static_assert(sizeof payload == 11);
        EXPECT_EQ(payload.back(), '\0');
        EXPECT_EQ(std::string(payload.data()), c.carried);
        EXPECT_EQ(ReadCopyData(payload.data(), payload.size()), c.carried);
    }
}

TEST(CopyData, ReceivedDataIsReadOnlyWithinItsSize) {
    const char unterminated[4] = {'/', 'e', 'x', 'y'};
    EXPECT_EQ(ReadCopyData(unterminated, 2), "/e");
    EXPECT_EQ(ReadCopyData(unterminated, 0), "");
    EXPECT_EQ(ReadCopyData(nullptr, 11), "");
    const std::string long_text(64, 'a');
    EXPECT_EQ(ReadCopyData(long_text.data(), long_text.size()), std::string(10, 'a'));
}

} // namespace
} // namespace nappo
