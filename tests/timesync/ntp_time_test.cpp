#include "clock/timesync/ntp_time.h"

#include <gtest/gtest.h>

using namespace vistrel;

namespace {
constexpr std::uint32_t kUnixEpochNtp = 2208988800u; // 1970-01-01 in NTP seconds
constexpr int kJapan = -540;                         // UTC = local - 9 h
} // namespace

TEST(NtpTime, KnownInstantsInUtcAndJapan) {
    const TDateTime unix_epoch = EncodeDate(1970, 1, 1);
    EXPECT_EQ(LocalTimeToNtpStamp(unix_epoch, 0), (NtpStamp{kUnixEpochNtp, 0}));
    // 09:00 in Japan is midnight UTC.
    EXPECT_EQ(LocalTimeToNtpStamp(unix_epoch + 9.0 / 24, kJapan), (NtpStamp{kUnixEpochNtp, 0}));
    // A positive bias (west of Greenwich): 19:00 the day before in New York, bias 300.
    EXPECT_EQ(LocalTimeToNtpStamp(EncodeDateTime(1969, 12, 31, 19, 0, 0, 0), 300),
              (NtpStamp{kUnixEpochNtp, 0}));
    EXPECT_EQ(NtpStampToLocalTime({kUnixEpochNtp, 0}, kJapan),
              EncodeDateTime(1970, 1, 1, 9, 0, 0, 0));
    // Half a second is 2^31 units.
    EXPECT_EQ(LocalTimeToNtpStamp(EncodeDateTime(1970, 1, 1, 0, 0, 0, 500), 0).fraction,
              0x80000000u);
}

TEST(NtpTime, MillisecondsSurviveTheRoundTrip) {
    for (int ms : {0, 1, 7, 123, 499, 500, 998, 999}) {
        const TDateTime t = EncodeDateTime(2026, 12, 7, 20, 40, 10, ms);
        for (int bias : {0, kJapan, 300, -345}) {
            EXPECT_EQ(ToMilliseconds(NtpStampToLocalTime(LocalTimeToNtpStamp(t, bias), bias)),
                      ToMilliseconds(t))
                << "ms " << ms << " bias " << bias;
        }
    }
}

TEST(NtpTime, ReadingTruncatesToTheMillisecond) {
    // Just below 124 ms: 0.123999... s reads as 123 ms, never rounded up.
    const std::uint32_t below_124 = static_cast<std::uint32_t>((124ULL << 32) / 1000) - 1;
    const TDateTime t = NtpStampToLocalTime({kUnixEpochNtp, below_124}, 0);
    EXPECT_EQ(DecodeTime(t).ms, 123);
    EXPECT_EQ(DecodeTime(NtpStampToLocalTime({kUnixEpochNtp, 0xFFFFFFFFu}, 0)).ms, 999);
}

TEST(NtpTime, TimesAfterTheSecondsFieldWrapsIn2036) {
    // The field wraps at 2036-02-07 06:28:16 UTC.
    const TDateTime wrap = EncodeDateTime(2036, 2, 7, 6, 28, 16, 0);
    EXPECT_EQ(LocalTimeToNtpStamp(wrap, 0), (NtpStamp{0, 0}));
    EXPECT_EQ(LocalTimeToNtpStamp(wrap - 1.0 / 86400, 0).seconds, 0xFFFFFFFFu);
    for (const TDateTime t :
         {wrap, wrap - 0.001 / 86400, EncodeDateTime(2036, 2, 7, 6, 28, 17, 250),
          EncodeDateTime(2040, 6, 1, 12, 0, 0, 42), EncodeDateTime(2100, 12, 31, 23, 59, 59, 999),
          EncodeDateTime(1970, 1, 1, 0, 0, 0, 0)}) {
        EXPECT_EQ(ToMilliseconds(NtpStampToLocalTime(LocalTimeToNtpStamp(t, kJapan), kJapan)),
                  ToMilliseconds(t))
            << DateTimeToText(t);
    }
    // Local time in Japan that is still before the wrap in UTC.
    const TDateTime tokyo = EncodeDateTime(2036, 2, 7, 15, 28, 15, 0);
    EXPECT_EQ(LocalTimeToNtpStamp(tokyo, kJapan).seconds, 0xFFFFFFFFu);
}

TEST(NtpTime, RandomLowBitsKeepTheMillisecond) {
    for (int ms : {0, 1, 500, 999}) {
        const NtpStamp exact = LocalTimeToNtpStamp(EncodeDateTime(2030, 3, 3, 3, 3, 3, ms), 0);
        bool moved = false;
        for (std::uint32_t r : {0u, 1u, 12345u, 4294966u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
            const NtpStamp noisy = WithRandomSubMillisecond(exact, r);
            EXPECT_EQ(noisy.seconds, exact.seconds);
            EXPECT_EQ(DecodeTime(NtpStampToLocalTime(noisy, 0)).ms, ms) << "random " << r;
            moved = moved || noisy.fraction != exact.fraction;
        }
        EXPECT_TRUE(moved) << ms;
    }
}
