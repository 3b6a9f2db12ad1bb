// How the window benchmark runs the programs it measures: without a shell, telling apart a
// program that cannot run, one that ends by itself and one it has to stop.
#include "tools/benchmarks/window/CChildProcess.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <sched.h>
#include <unistd.h>

using Corvane::WindowBench::CChildProcess;

namespace
{
/** Waits, however long it takes, for @p child to end by itself; its description of the end. */
std::string endOf(CChildProcess &child)
{
    std::string how;
    while (!child.hasEnded(how))
        sched_yield();
    return how;
}

/** Whether process @p pid runs (it is neither gone nor a zombie waiting for its parent). */
bool isRunning(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    return std::getline(stat, line) && line.substr(line.rfind(')') + 2, 1) != "Z";
}

/** Whether process @p pid ends, given a while (the one who reaps it may be slow). */
bool ends(pid_t pid)
{
    for (int check = 0; check < 2000 && isRunning(pid); check++)
        usleep(5000);
    return !isRunning(pid);
}

/** What @p child wrote so far (without the heading). */
std::string outputOf(const CChildProcess &child)
{
    testing::internal::CaptureStderr();
    child.showOutput("output:");
    const std::string output = testing::internal::GetCapturedStderr();
    return output.empty() ? output : output.substr(output.find('\n') + 1);
}

/** Whether process @p pid ignores SIGTERM, from the ignored-signal mask in its status. */
bool ignoresTerm(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, 7, "SigIgn:") == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
    return false;
}
} // namespace

TEST(CChildProcess, ReportsWhyAProgramCannotRun)
{
    CChildProcess child;
    std::string problem;
    EXPECT_FALSE(child.start({"/nonexistent/program"}, problem));
    EXPECT_EQ(problem, "cannot run /nonexistent/program: No such file or directory");
    EXPECT_EQ(child.getPid(), -1);
    EXPECT_FALSE(child.start({}, problem));
    EXPECT_EQ(problem, "no program given");
}

TEST(CChildProcess, RunsWithoutAShellAndKeepsTheOutputAside)
{
    CChildProcess child;
    std::string problem;
    // Through a shell, the quotes would vanish and "$HOME" would be expanded.
    ASSERT_TRUE(child.start({"echo", "'quoted'", "$HOME"}, problem)) << problem;
    EXPECT_GT(child.getPid(), 0);
    EXPECT_EQ(endOf(child), "exited with status 0");
    EXPECT_EQ(child.getPid(), -1);
    testing::internal::CaptureStderr();
    child.showOutput("what echo wrote:");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "what echo wrote:\n'quoted' $HOME\n");

    CChildProcess silent;
    ASSERT_TRUE(silent.start({"false"}, problem));
    EXPECT_EQ(endOf(silent), "exited with status 1");
    testing::internal::CaptureStderr();
    silent.showOutput("what false wrote:");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no heading without output";
}

TEST(CChildProcess, StopsAndReapsAProgramThatWouldRunOn)
{
    std::string problem;
    pid_t pid = 0;
    {
        CChildProcess child;
        ASSERT_TRUE(child.start({"sleep", "1000"}, problem)) << problem;
        pid = child.getPid();
        std::string how;
        EXPECT_FALSE(child.hasEnded(how));
        child.stop();
        EXPECT_EQ(child.getPid(), -1);
        EXPECT_EQ(kill(pid, 0), -1);
        EXPECT_EQ(errno, ESRCH) << "stopped and reaped, not left a zombie";
    }
    {
        // One that ignores SIGTERM is killed after the grace period, also when the object just goes.
        CChildProcess stubborn;
        ASSERT_TRUE(stubborn.start({"sh", "-c", "trap '' TERM; exec sleep 1000"}, problem));
        pid = stubborn.getPid();
        while (!ignoresTerm(pid))
            sched_yield();
    }
    EXPECT_EQ(kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

TEST(CChildProcess, StopsWhatTheProgramStartedToo)
{
    CChildProcess wrapper;
    std::string problem;
    ASSERT_TRUE(wrapper.start({"sh", "-c", "sleep 1000 & echo $!; wait"}, problem)) << problem;
    std::string output;
    while ((output = outputOf(wrapper)).find('\n') == std::string::npos)
        sched_yield();
    const pid_t sleeper = static_cast<pid_t>(std::stol(output));
    ASSERT_TRUE(isRunning(sleeper));
    wrapper.stop();
    EXPECT_TRUE(ends(sleeper)) << "the program's own child is stopped with it";
}
