#include "framework/platform/ScreenMetrics.hpp"
#include "framework/platform/VideoSubsystem.hpp"

#include "framework/io/Log.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace Corvane::Platform;
using Corvane::Testing::TemporaryFolder;

namespace
{
/** Restarts the video subsystem on the named driver at the next need. */
void useVideoDriver(const char *name)
{
    stopVideo();
    setenv("SDL_VIDEODRIVER", name, 1);
}
} // namespace

TEST(ScreenMetrics, DummyDisplayHasAPrimaryScreen)
{
    useVideoDriver("dummy");
    EXPECT_FALSE(isVideoRunning());
    EXPECT_EQ(getNumberOfDisplays(), 1);
    EXPECT_TRUE(isVideoRunning());
    int width = 0, height = 0;
    EXPECT_TRUE(getPrimaryDisplaySize(width, height));
    EXPECT_EQ(width, 1024); // the size SDL's dummy driver reports
    EXPECT_EQ(height, 768);
}

TEST(ScreenMetrics, WithoutADisplayEverythingIsZeroAndTheLogSaysWhy)
{
    TemporaryFolder folder;
    const std::string log = folder.file("log.txt");
    ASSERT_TRUE(Corvane::IO::openLog(log.c_str()));
    useVideoDriver("no-such-driver");
    EXPECT_EQ(getNumberOfDisplays(), 0);
    int width = 5, height = 5;
    EXPECT_FALSE(getPrimaryDisplaySize(width, height));
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    EXPECT_FALSE(isVideoRunning());
    Corvane::IO::closeLog();
    // Logged once, with SDL's reason, however often the metrics are asked for.
    const std::string logged = TemporaryFolder::read(log);
    EXPECT_EQ(logged.rfind("No display: the video subsystem cannot start: ", 0), 0U) << logged;
    EXPECT_NE(logged.find("no-such-driver"), std::string::npos) << logged;
    EXPECT_EQ(logged.find('\n'), logged.size() - 1) << logged;

    useVideoDriver("dummy");
    EXPECT_EQ(getNumberOfDisplays(), 1);
}
