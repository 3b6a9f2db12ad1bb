// What the window benchmark reads from /proc, and how it tells the measured program's windows apart.
#include "tools/benchmarks/window/CWindowMatcher.hpp"
#include "tools/benchmarks/window/ProcessFigures.hpp"

#include <gtest/gtest.h>

#include <condition_variable>
#include <csignal>
#include <mutex>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Corvane::WindowBench;

TEST(ProcessFigures, ReadsTicksAfterTheProgramName)
{
    // A name with blanks and parentheses must not shift the fields; utime is 14th, stime 15th.
    const std::string stat =
        "4242 (a) (b c)) S 1 4242 4242 0 -1 4194560 1500 0 3 0 17 5 0 0 20 0 3 0 123 456 789 18446744073709551615";
    long long ticks = 0;
    ASSERT_TRUE(ticksFromStat(stat, ticks));
    EXPECT_EQ(ticks, 22);

    for (const char *wrong :
         {"", "4242 no-parentheses S 1", "4242 (x) S 1 2 3", "4242 (x) S 1 2 3 4 5 6 7 8 9 10 -1 2"})
    {
        ticks = 99;
        EXPECT_FALSE(ticksFromStat(wrong, ticks)) << wrong;
    }
}

TEST(ProcessFigures, FollowsAProcessFamilyUpwards)
{
    pid_t parent = 0;
    ASSERT_TRUE(parentFromStat("77 (sh) -c) S 12 77 77 0", parent));
    EXPECT_EQ(parent, 12);
    EXPECT_FALSE(parentFromStat("77 (sh) S", parent));

    const pid_t self = getpid();
    EXPECT_TRUE(isInFamilyOf(self, self));
    EXPECT_TRUE(isInFamilyOf(self, getppid()));
    EXPECT_FALSE(isInFamilyOf(getppid(), self)) << "a parent is not in its child's family";

    // A grandchild, as a program started through a wrapper would be.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        const pid_t grandchild = fork();
        if (grandchild == 0)
        {
            const pid_t own = getpid();
            [[maybe_unused]] const ssize_t written = write(ready[1], &own, sizeof own);
            pause();
        }
        waitpid(grandchild, nullptr, 0);
        _exit(0);
    }
    pid_t grandchild = 0;
    ASSERT_EQ(read(ready[0], &grandchild, sizeof grandchild), static_cast<ssize_t>(sizeof grandchild));
    EXPECT_TRUE(isInFamilyOf(grandchild, child));
    EXPECT_TRUE(isInFamilyOf(grandchild, self));
    EXPECT_FALSE(isInFamilyOf(child, grandchild));
    kill(grandchild, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
}

TEST(ProcessFigures, ReadsStatusLinesByTheirWholeName)
{
    const std::string status = "Name:\tfirst-paint\nVmPeak:\t  20000 kB\nVmHWM:\t    5324 kB\n"
                               "voluntary_ctxt_switches:\t12\nnonvoluntary_ctxt_switches:\t3";
    long long value = 0;
    ASSERT_TRUE(statusValue(status, "VmHWM", value));
    EXPECT_EQ(value, 5324);
    ASSERT_TRUE(statusValue(status, "voluntary_ctxt_switches", value));
    EXPECT_EQ(value, 12);
    ASSERT_TRUE(statusValue(status, "nonvoluntary_ctxt_switches", value)) << "the last line has no line end";
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(statusValue(status, "VmRSS", value));
    EXPECT_FALSE(statusValue(status, "Vm", value)) << "a name is matched with its colon";
    EXPECT_FALSE(statusValue(status, "Name", value)) << "a line without a number";
}

TEST(ProcessFigures, CountsSwitchesOfThreadsThatStartedInBetween)
{
    const TThreadSwitches before = {{100, {10, 2}}, {101, {5, 5}}, {102, {7, 0}}};
    // 101 ended, 103 started.
    const TThreadSwitches after = {{100, {14, 3}}, {102, {7, 0}}, {103, {2, 1}}};
    const SSwitches switches = switchesBetween(before, after);
    EXPECT_EQ(switches.voluntary, 4 + 0 + 2);
    EXPECT_EQ(switches.involuntary, 1 + 0 + 1);

    SCpuUse first;
    first.ticks = 40;
    first.switches = before;
    SCpuUse second;
    second.ticks = 41;
    second.switches = after;
    const SCpuUseOver over = cpuUseBetween(first, second);
    EXPECT_EQ(over.ticks, 1);
    EXPECT_EQ(over.switches.voluntary, 6);
}

TEST(ProcessFigures, ReadsALiveProcessWithEveryThread)
{
    long long peak = 0;
    ASSERT_TRUE(readPeakResidentKiB(getpid(), peak));
    EXPECT_GT(peak, 0);

    std::mutex mutex;
    std::condition_variable finish;
    bool done = false;
    pid_t helperId = 0;
    std::thread helper([&] {
        std::unique_lock<std::mutex> lock(mutex);
        helperId = static_cast<pid_t>(syscall(SYS_gettid));
        finish.notify_all();
        finish.wait(lock, [&] { return done; });
    });
    SCpuUse use;
    {
        std::unique_lock<std::mutex> lock(mutex);
        finish.wait(lock, [&] { return helperId != 0; });
        EXPECT_TRUE(readCpuUse(getpid(), use));
        done = true;
    }
    finish.notify_all();
    helper.join();
    EXPECT_EQ(use.switches.count(getpid()), 1u);
    EXPECT_EQ(use.switches.count(helperId), 1u);
    EXPECT_EQ(use.switches.size(), 2u);
    EXPECT_GE(use.ticks, 0);
}

TEST(ProcessFigures, AGoneProcessHasNoFigures)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    SCpuUse use;
    use.ticks = 7;
    long long peak = 3;
    EXPECT_FALSE(readCpuUse(child, use));
    EXPECT_FALSE(readPeakResidentKiB(child, peak));
    EXPECT_EQ(use.ticks, 7);
}

TEST(CWindowMatcher, KnowsTheProgramByItsProcessOrByANewIdBlock)
{
    constexpr unsigned long MASK = 0x1FFFFF;
    CWindowMatcher matcher(MASK);
    matcher.addForeign(0x200000); // the window manager's check window
    matcher.addForeign(0x800123); // a frame of another program
    matcher.addForeign(0xa00000); // this tool's own block

    EXPECT_TRUE(matcher.matches(0x600001, ENamedProcess::PROGRAM));
    EXPECT_FALSE(matcher.matches(0x600001, ENamedProcess::OTHER)) << "a window naming another process";
    EXPECT_TRUE(matcher.matches(0x200001, ENamedProcess::PROGRAM)) << "the named process wins over the block";

    EXPECT_TRUE(matcher.matches(0x600015, ENamedProcess::NONE)) << "an unnamed window of a new block";
    EXPECT_TRUE(matcher.matches(0xc00000, ENamedProcess::NONE));
    EXPECT_FALSE(matcher.matches(0x2002e3, ENamedProcess::NONE)) << "a frame the window manager made";
    EXPECT_FALSE(matcher.matches(0x9fffff, ENamedProcess::NONE)) << "same block as 0x800123";
    EXPECT_FALSE(matcher.matches(0xa00005, ENamedProcess::NONE));
    EXPECT_FALSE(matcher.matches(0x00050d, ENamedProcess::NONE)) << "the server's own root window";

    // Windows of a block that still holds a window from before are known without asking.
    EXPECT_TRUE(matcher.isOfAnEarlierConnection(0x2002e3)) << "a frame the window manager made";
    EXPECT_TRUE(matcher.isOfAnEarlierConnection(0x00050d)) << "the server's own root window";
    EXPECT_TRUE(matcher.isOfAnEarlierConnection(0xa00005)) << "this tool's block";
    EXPECT_FALSE(matcher.isOfAnEarlierConnection(0x600001)) << "a new block";
    // Once the other program's last window is gone, its block may be a new connection's.
    matcher.forget(0x800123);
    EXPECT_FALSE(matcher.isOfAnEarlierConnection(0x800200));
    matcher.forget(0x200001); // never recorded: changes nothing
    EXPECT_TRUE(matcher.isOfAnEarlierConnection(0x2002e3));

    CWindowMatcher narrow(0xFFFFF);
    narrow.addForeign(0x200000);
    EXPECT_TRUE(narrow.matches(0x300000, ENamedProcess::NONE)) << "with a smaller mask 0x300000 starts its own block";
    EXPECT_FALSE(matcher.matches(0x300000, ENamedProcess::NONE)) << "with 0x1FFFFF it lies in the window manager's";
}
