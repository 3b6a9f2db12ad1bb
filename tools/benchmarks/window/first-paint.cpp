// Measures X programs from the outside, the same way for every program whatever its toolkit:
//  - how long from its start to its first painted frame, and its peak resident memory;
//  - how much CPU it uses and how often it wakes while idle;
//  - how long from a key press to the repaint of the area that shows the answer.
// Painting is seen through the X server's DAMAGE extension, input is sent through XTEST, CPU and
// memory are read from /proc. Figures go to standard output as "name value" lines, problems to
// standard error with status 1. Run it on a private X server (scripts/with-xvfb --wm): the
// figures are only comparable side by side on the same server, window manager and machine.
#include "tools/benchmarks/window/BenchArguments.hpp"
#include "tools/benchmarks/window/CChildProcess.hpp"
#include "tools/benchmarks/window/CFirstFrameJudge.hpp"
#include "tools/benchmarks/window/CRepaintWatches.hpp"
#include "tools/benchmarks/window/CXInput.hpp"
#include "tools/benchmarks/window/CXSession.hpp"
#include "tools/benchmarks/window/ProcessFigures.hpp"

#include <algorithm>
#include <cstdio>
#include <thread>

using namespace Corvane::WindowBench;
using namespace std::chrono_literals;

namespace
{
constexpr auto START_LIMIT = 10s;
constexpr auto WINDOW_LIMIT = 10s;
constexpr auto REPAINT_LIMIT = 5s;
/** How often a loop that waits for X events also checks on the program. */
constexpr auto CHECK_INTERVAL = 50ms;
/** A program is idle once its CPU ticks stay still for IDLE_SAMPLES samples in a row (or after IDLE_LIMIT). */
constexpr auto IDLE_SAMPLE = 100ms;
constexpr int IDLE_SAMPLES = 5;
constexpr auto IDLE_LIMIT = 5s;
/** Input is given time to settle: until a window has not repainted for QUIET_PERIOD (or QUIET_LIMIT passed). */
constexpr auto QUIET_PERIOD = 100ms;
constexpr auto QUIET_LIMIT = 3s;

int fail(const std::string &problem)
{
    std::fprintf(stderr, "first-paint: %s\n", problem.c_str());
    return 1;
}

/** The window that @p event takes off the root, destroyed or reparented; 0 for any other event. */
Window leavingRoot(const XEvent &event, Window root)
{
    if (event.type == DestroyNotify && event.xdestroywindow.event == root)
        return event.xdestroywindow.window;
    if (event.type == ReparentNotify && event.xreparent.event == root && event.xreparent.parent != root)
        return event.xreparent.window;
    return 0;
}

/**
 * Watches every window made on the root after @p start until a window of the program gets its
 * first painted frame; sets @p painted to when that was, and @p painter to the process that drew it.
 */
bool waitForFirstFrame(CXSession &session, CWindowMatcher &matcher, CChildProcess &child, TTime start,
                       TTime &painted, pid_t &painter, std::string &problem)
{
    CRepaintWatches watches(session);
    CFirstFrameJudge judge(session, matcher, child.getPid());
    const TTime deadline = start + START_LIMIT;
    for (std::string how;;)
    {
        if (child.hasEnded(how))
        {
            problem = "the program " + how + " before it painted a window";
            return false;
        }
        XEvent event;
        TTime receivedAt;
        SRepaint repaint;
        if (!session.nextEvent(event, std::min(deadline, TClock::now() + CHECK_INTERVAL), receivedAt))
        {
            if (TClock::now() < deadline)
                continue;
            problem = "the program painted no window within 10 s";
            return false;
        }
        if (event.type == CreateNotify && event.xcreatewindow.parent == session.getRoot())
            watches.add(event.xcreatewindow.window);
        else if (Window gone = leavingRoot(event, session.getRoot()))
            matcher.forget(gone);
        else if (session.isRepaint(event, receivedAt, repaint) && judge.isFirstFrame(repaint, painted, painter))
            return true;
    }
}

/** Waits until the program's CPU ticks stand still for a moment (start-up work done), at most IDLE_LIMIT. */
bool waitUntilIdle(pid_t pid)
{
    SCpuUse use;
    if (!readCpuUse(pid, use))
        return false;
    const TTime limit = TClock::now() + IDLE_LIMIT;
    for (int stillSamples = 0; stillSamples < IDLE_SAMPLES && TClock::now() < limit;)
    {
        std::this_thread::sleep_for(IDLE_SAMPLE);
        const long long before = use.ticks;
        if (!readCpuUse(pid, use))
            return false;
        stillSamples = use.ticks == before ? stillSamples + 1 : 0;
    }
    return true;
}

/** Prints the CPU ticks and context switches of process @p pid over @p seconds. */
bool printIdleUse(pid_t pid, double seconds)
{
    SCpuUse before;
    SCpuUse after;
    if (!readCpuUse(pid, before))
        return false;
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    if (!readCpuUse(pid, after))
        return false;
    const SCpuUseOver over = cpuUseBetween(before, after);
    std::printf("idle-seconds %g\nidle-cpu-ticks %lld\nidle-voluntary-switches %lld\nidle-involuntary-switches %lld\n",
                seconds, over.ticks, over.switches.voluntary, over.switches.involuntary);
    return true;
}

/**
 * Prints the figures of process @p pid, the one that painted, once it is idle; false, with
 * @p problem, when it went away.
 */
bool printSettledFigures(const SCommand &command, pid_t pid, std::string &problem)
{
    long long peakKiB = 0;
    if (!waitUntilIdle(pid) || !readPeakResidentKiB(pid, peakKiB))
    {
        problem = "the program ended before it was idle";
        return false;
    }
    std::printf("peak-rss-kib %lld\n", peakKiB);
    std::fflush(stdout);
    if (command.idleSeconds > 0 && !printIdleUse(pid, command.idleSeconds))
    {
        problem = "the program ended while it was watched idling";
        return false;
    }
    return true;
}

int failWithOutput(CChildProcess &child, const SCommand &command, const std::string &problem)
{
    child.stop();
    child.showOutput("first-paint: what " + command.program[0] + " wrote:");
    return fail(command.program[0] + ": " + problem);
}

int firstPaint(const SCommand &command)
{
    CXSession session;
    std::string problem;
    if (!session.open(problem))
        return fail(problem);
    CWindowMatcher matcher = session.watchNewWindows();
    CChildProcess child;
    const TTime start = TClock::now();
    if (!child.start(command.program, problem))
        return fail(problem);
    TTime painted;
    pid_t painter = 0;
    if (!waitForFirstFrame(session, matcher, child, start, painted, painter, problem))
        return failWithOutput(child, command, problem);
    std::printf("first-paint-ms %.2f\n", millisecondsBetween(start, painted));
    std::fflush(stdout);
    if (!printSettledFigures(command, painter, problem))
        return failWithOutput(child, command, problem);
    return 0;
}

/** Sends pending input, then reads repaints of @p window until it has been still for QUIET_PERIOD. */
void sendAndSettle(CXSession &session, const CXInput &input, Window window)
{
    input.flush();
    const TTime limit = TClock::now() + QUIET_LIMIT;
    TTime quietUntil = TClock::now() + QUIET_PERIOD;
    XEvent event;
    TTime receivedAt;
    SRepaint repaint;
    while (session.nextEvent(event, std::min(quietUntil, limit), receivedAt))
        if (session.isRepaint(event, receivedAt, repaint) && repaint.window == window)
            quietUntil = receivedAt + QUIET_PERIOD;
}

/** Sends the measured input and returns the moment it left for the server. */
TTime sendMeasured(const CXInput &input, const std::vector<SKeyCodes> &keys)
{
    if (keys.empty())
        input.setButton(false);
    else
        input.setKey(keys.back(), true);
    const TTime sent = TClock::now();
    input.flush();
    return sent;
}

/**
 * Clicks and types all keys but the last, giving the program time to settle after each step, as
 * a person would: the measured input then meets a calm program.
 */
void prepareInput(CXSession &session, const CXInput &input, Window window, const SCommand &command,
                  const std::vector<SKeyCodes> &keys)
{
    if (command.clicks)
    {
        input.movePointer(window, command.click);
        sendAndSettle(session, input, window);
        input.setButton(true);
        sendAndSettle(session, input, window);
        if (keys.empty())
            return; // the release is the measured input
        input.setButton(false);
        sendAndSettle(session, input, window);
    }
    for (std::size_t index = 0; index + 1 < keys.size(); index++)
        for (bool pressed : {true, false})
        {
            input.setKey(keys[index], pressed);
            sendAndSettle(session, input, window);
        }
}

/** Waits for the first repaint of @p window that meets @p area; false after REPAINT_LIMIT. */
bool waitForRepaint(CXSession &session, Window window, const SArea &area, TTime &repainted)
{
    const TTime deadline = TClock::now() + REPAINT_LIMIT;
    XEvent event;
    TTime receivedAt;
    SRepaint repaint;
    while (session.nextEvent(event, deadline, receivedAt))
        if (session.isRepaint(event, receivedAt, repaint) && repaint.window == window && repaint.area.meets(area))
        {
            repainted = receivedAt;
            return true;
        }
    return false;
}

bool resolveKeys(const CXInput &input, const SCommand &command, std::vector<SKeyCodes> &keys, std::string &problem)
{
    for (const SKeyStroke &stroke : command.keys)
    {
        keys.emplace_back();
        if (!input.resolve(stroke, keys.back(), problem))
            return false;
    }
    return true;
}

int keyToDamage(const SCommand &command)
{
    CXSession session;
    std::string problem;
    std::vector<SKeyCodes> keys;
    if (!session.open(problem))
        return fail(problem);
    const CXInput input(session.getDisplay());
    if (!resolveKeys(input, command, keys, problem))
        return fail(problem);
    const Window window = session.findWindowNamed(command.windowName, TClock::now() + WINDOW_LIMIT);
    if (window == None)
        return fail("no window titled \"" + command.windowName + "\" appeared within 10 s");
    CRepaintWatches watches(session);
    watches.add(window);
    prepareInput(session, input, window, command, keys);
    const TTime sent = sendMeasured(input, keys);
    TTime repainted;
    const bool seen = waitForRepaint(session, window, command.area, repainted);
    if (!keys.empty())
        input.setKey(keys.back(), false);
    input.flush();
    if (!seen)
        return fail("nothing was repainted in the area within 5 s of the last input");
    std::printf("%s %.2f\n", keys.empty() ? "click-to-damage-ms" : "key-to-damage-ms",
                millisecondsBetween(sent, repainted));
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    const SCommand command = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.mode)
    {
    case EMode::HELP:
        std::fputs(usageText(), stdout);
        return 0;
    case EMode::USAGE_ERROR:
        std::fprintf(stderr, "first-paint: %s\n%s", command.problem.c_str(), usageText());
        return 2;
    case EMode::FIRST_PAINT:
        return firstPaint(command);
    case EMode::KEY_TO_DAMAGE:
        return keyToDamage(command);
    case EMode::IDLE_CPU:
        if (!printIdleUse(command.pid, command.seconds))
            return fail("process " + std::to_string(command.pid) + " is gone");
        return 0;
    }
    return 1;
}
