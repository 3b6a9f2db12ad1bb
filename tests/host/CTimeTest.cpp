#include "framework/host/CTime.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using namespace Corvane::Host;

namespace
{
/** Every test here holds in any zone; the ones that need a particular zone set their own. */
void useTimeZone(const char *rule)
{
    setenv("TZ", rule, 1);
    tzset();
}

const SystemTime FRIDAY{2007, 4, 5, 27, 13, 5, 9, 7};
// 2007-04-27 11:05:09.007 UTC, which is 13:05:09.007 in central European summer time.
constexpr FileTime FRIDAY_FILE_TIME = (1177671909ULL + 11644473600ULL) * 10000000ULL + 70000ULL;
} // namespace

TEST(CTime, FormatsDateAndTime)
{
    CTime time;
    time.setFromSystemTime(FRIDAY);
    EXPECT_STREQ(time.getDateAsString(true).getString(), "Friday 27 April 2007");
    EXPECT_STREQ(time.getDateAsString(false).getString(), "27/04/2007");
    EXPECT_STREQ(time.getTimeAsString().getString(), "13:05:09:07");
    char description[6];
    time.getObjectDescription(description, sizeof description);
    EXPECT_STREQ(description, "13:05");

    const CTime copy(time);
    EXPECT_EQ(copy.getSystemTime().year, 2007);
    CTime assigned;
    assigned = time;
    EXPECT_STREQ(assigned.getTimeAsString().getString(), "13:05:09:07");

    // Fields outside the name tables must not read past them.
    time.setFromSystemTime(SystemTime{2007, 13, 9, 1, 0, 0, 0, 123});
    EXPECT_STREQ(time.getDateAsString(true).getString(), " 1  2007");
    EXPECT_STREQ(time.getTimeAsString().getString(), "00:00:00:123");
}

TEST(CTime, ConvertsFileTimesThroughLocalCalendarTime)
{
    useTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    CTime time(FRIDAY_FILE_TIME);
    EXPECT_STREQ(time.getDateAsString(true).getString(), "Friday 27 April 2007");
    EXPECT_STREQ(time.getTimeAsString().getString(), "13:05:09:07");
    EXPECT_EQ(time.getAsFileTime(), FRIDAY_FILE_TIME);

    // A moment with no calendar time leaves the time as it was.
    EXPECT_FALSE(time.setFromFileTime(~FileTime{0}));
    EXPECT_STREQ(time.getTimeAsString().getString(), "13:05:09:07");

    time.setFromSystemTime(SystemTime{1601, 1, 1, 1, 1, 0, 0, 0});
    EXPECT_EQ(time.getAsFileTime(), FileTime{0});
    time.setFromSystemTime(SystemTime{2008, 2, 0, 29, 0, 0, 0, 0});
    EXPECT_TRUE(time.getAsFileTime().has_value());
    for (const SystemTime &invalid : {SystemTime{2007, 2, 0, 29, 0, 0, 0, 0}, SystemTime{1600, 12, 0, 31, 0, 0, 0, 0},
                                      SystemTime{2007, 0, 0, 1, 0, 0, 0, 0}, SystemTime{2007, 1, 0, 1, 24, 0, 0, 0},
                                      SystemTime{2007, 1, 0, 1, 0, 0, 0, 1000}, SystemTime{65535, 1, 0, 1, 0, 0, 0, 0}})
    {
        time.setFromSystemTime(invalid);
        EXPECT_FALSE(time.getAsFileTime().has_value()) << time.getDateAsString(false).getString();
    }
}

TEST(CTime, StartsAtTheCurrentLocalTime)
{
    useTimeZone("XYZ-5"); // five hours ahead of UTC all year
    const FileTime before = CTime::getCurrentFileTime();
    const std::time_t seconds = std::time(nullptr);
    const CTime now;
    std::tm universal{};
    gmtime_r(&seconds, &universal);
    EXPECT_EQ(now.getSystemTime().hour, (universal.tm_hour + 5) % 24);
    const std::optional<FileTime> then = now.getAsFileTime();
    ASSERT_TRUE(then.has_value());
    EXPECT_LE(before / 10000, *then / 10000);
    EXPECT_LT(*then / 10000 - before / 10000, 2000U); // milliseconds

    EXPECT_EQ(CTime::fileTimeFromPosix(-11644473601LL, 0), 0U);
    EXPECT_EQ(CTime::fileTimeFromPosix(0, 100), 116444736000000001ULL);
    EXPECT_LE(CTime::fileTimeFromPosix(INT64_MAX, 999999999), static_cast<FileTime>(INT64_MAX));
}
