#include "framework/platform/CErrorOutputCapture.hpp"
#include "framework/platform/LostDisplay.hpp"
#include "framework/platform/VideoSubsystem.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace Corvane::Platform;
using testing::AllOf;
using testing::HasSubstr;
using testing::Not;

namespace
{
void writeRaw(const char *text)
{
    ASSERT_GT(::write(2, text, std::char_traits<char>::length(text)), 0);
}
} // namespace

TEST(ErrorOutputCapture, HoldsBackWhatIsWrittenAndWritesOutWhatNobodyTook)
{
    CErrorOutputCapture outer;
    {
        CErrorOutputCapture taken;
        std::fprintf(stderr, "through stdio\n");
        writeRaw("straight to the descriptor\n");
        EXPECT_EQ(taken.take(), "through stdio\nstraight to the descriptor\n");
        std::fputs("after the take\n", stderr); // reaches the output the capture found
        EXPECT_EQ(taken.take(), "");
    }
    {
        CErrorOutputCapture untaken;
        writeRaw("kept for the real output\n");
    }
    writeRaw("written last\n");
    EXPECT_EQ(outer.take(), "after the take\nkept for the real output\nwritten last\n");
}

TEST(VideoFailure, TheReasonIsOneLineWithTheDisplayAndWhatTheLibrarySaid)
{
    EXPECT_EQ(describeVideoFailure("x11 not available", nullptr, ""), "x11 not available");
    EXPECT_EQ(describeVideoFailure("x11 not available", "", "\n"), "x11 not available");
    EXPECT_EQ(describeVideoFailure("x11 not available", nullptr, "\n \t\n"), "x11 not available");
    EXPECT_EQ(describeVideoFailure("x11 not available", ":79", "Authorization required, but no authorization "
                                                                "protocol specified\n\n"),
              "x11 not available (DISPLAY=:79): Authorization required, but no authorization protocol specified");
    EXPECT_EQ(describeVideoFailure("failed", ":1", "first\r\n  \nsecond"), "failed (DISPLAY=:1): first; second");
}

TEST(LostDisplayDeathTest, EndsAtOnceWithOneLineAndWithoutTheExitWork)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Exit handlers would close windows through the broken connection: they must not run.
    EXPECT_EXIT(
        {
            std::atexit([] { std::fputs("exit handlers ran\n", stderr); });
            endForLostDisplay(":42");
        },
        testing::ExitedWithCode(LOST_DISPLAY_STATUS),
        AllOf(testing::ContainsRegex("^[^\n]+: the connection to the display :42 was lost\n$"),
              Not(HasSubstr("exit handlers ran"))));
    EXPECT_EXIT(endForLostDisplay(nullptr), testing::ExitedWithCode(LOST_DISPLAY_STATUS),
                HasSubstr("the connection to the display (unnamed) was lost"));
}
