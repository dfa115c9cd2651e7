// Files that no version of the program wrote: the reader must refuse them with its own error
// or read them, never crash or hang, and what it reads must survive a write and a read.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "clock/alarm/alarm_file.h"
#include "clock/alarm/scheduler.h"
#include "clock/common/text_encoding.h"

using namespace vistrel;

namespace {

const std::string kGood =
    "0,2,0,1,-16777211,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",\"a b\",9,,,0";

// Reads bytes as the given version would; when they read, they must write and read back alike.
void CheckSurvives(const std::string& bytes, int ver) {
    AlarmList first;
    try {
        ReadAlarmText(bytes, "hostile.CSV", {ver, "(なし)", "(なし)"}, first);
    } catch (const AlarmFileError&) {
        return; // refused with a message of its own
    }
    const std::string text = FormatAlarmText(first);
    AlarmList again;
    ASSERT_NO_THROW(
        ReadAlarmText(EncodeTextFile(text), "again.CSV", {202, "(なし)", "(なし)"}, again))
        << text;
    // The second read ran the current format without the older kind numbers.
    ASSERT_EQ(again, first) << text;
    // Whatever the fields hold, the scheduler fires each record at most once in a second.
    const TDateTime now = EncodeDateTime(2026, 12, 8, 7, 0, 0, 0);
    CatchUpAlarms(again, now);
    for (AlarmList* list : {&first, &again}) {
        const std::size_t most = list->size();
        std::size_t fired = 0;
        while (AlarmProc(*list, now, {}).fired) ASSERT_LE(++fired, most) << text;
    }
}

std::string RandomBytes(std::mt19937& rng, std::size_t n, const std::string& alphabet) {
    std::string s(n, '\0');
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (char& c : s) c = alphabet[pick(rng)];
    return s;
}

} // namespace

TEST(AlarmFileHostile, RandomBytesAndMutatedLines) {
    std::mt19937 rng(20261208);
    std::string any(256, '\0');
    for (int i = 0; i < 256; ++i) any[static_cast<std::size_t>(i)] = static_cast<char>(i);
    const std::string near = "0123456789,\" /:\r\n-+\t\x82\xa0";
    std::uniform_int_distribution<std::size_t> length(0, 300);
    for (int round = 0; round < 1500; ++round) {
        const int ver = round % 3 == 0 ? 60 : (round % 3 == 1 ? 70 : 202);
        CheckSurvives(RandomBytes(rng, length(rng), any), ver);
        CheckSurvives(RandomBytes(rng, length(rng), near), ver);
        // A good line with a few bytes changed.
        std::string line = kGood;
        std::uniform_int_distribution<std::size_t> at(0, line.size() - 1);
        for (int k = 0; k < 3; ++k) line[at(rng)] = any[at(rng) % 256];
        CheckSurvives(line + "\r\n" + kGood, ver);
    }
}

TEST(AlarmFileHostile, VeryLongLinesUnbalancedQuotesAndManyFields) {
    std::string many = kGood;
    for (int i = 0; i < 1000; ++i) many += ",\"f" + std::to_string(i) + "\"";
    std::string huge_message = kGood;
    huge_message.replace(huge_message.find("\"a b\""), 5, "\"" + std::string(1 << 20, 'x') + "\"");
    for (int ver : {60, 202}) {
        CheckSurvives(many, ver);
        CheckSurvives(huge_message, ver);
        CheckSurvives(std::string(1 << 20, ','), ver);
        CheckSurvives(std::string(1 << 20, '"'), ver);
        CheckSurvives("\"" + kGood, ver);
        CheckSurvives(kGood.substr(0, kGood.size() - 12) + "\"unclosed, 9, , , 0", ver);
        CheckSurvives(std::string(100000, '\n'), ver);
        CheckSurvives(std::string("\xEF\xBB\xBF") + kGood + "\xff\xfe\x80", ver);
    }
    // The long message reads cut to the record's limit.
    AlarmList list;
    ReadAlarmText(huge_message, "long.CSV", {}, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].message.size(), kAlarmTextBytes);
    // So do 1,000 fields, the extra ones unread.
    list.clear();
    ReadAlarmText(many, "many.CSV", {}, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].message, "a b");
}
