#pragma once

#include <map>
#include <string>
#include <sys/types.h>

namespace Corvane::WindowBench
{
/** A thread's context switches so far: the ones it asked for by waiting, and the ones forced on it. */
struct SSwitches
{
    long long voluntary = 0;
    long long involuntary = 0;
};

/** Context switches of each thread of a process, by thread id. */
using TThreadSwitches = std::map<pid_t, SSwitches>;

/** What a process used so far: CPU time in clock ticks (user and system, every thread) and its threads' switches. */
struct SCpuUse
{
    long long ticks = 0;
    TThreadSwitches switches;
};

/** What a process used over a period. */
struct SCpuUseOver
{
    long long ticks = 0;
    SSwitches switches;
};

/**
 * The user plus system clock ticks in the text of a /proc/PID/stat file. The fields are counted
 * after the last ')', since the program name before it may hold blanks and parentheses.
 */
bool ticksFromStat(const std::string &stat, long long &ticks);

/** The parent process id in the text of a /proc/PID/stat file (the 4th field). */
bool parentFromStat(const std::string &stat, pid_t &parent);

/** The number after "NAME:" in the text of a /proc status file ("VmHWM:\t 5324 kB" gives 5324). */
bool statusValue(const std::string &status, const std::string &name, long long &value);

/**
 * The switches between two readings. A thread that started in between counts from zero; one
 * that ended in between is not seen in the second reading and its last switches are lost.
 */
SSwitches switchesBetween(const TThreadSwitches &before, const TThreadSwitches &after);

/** Whether process @p pid is @p ancestor or was started by it, directly or further down. */
bool isInFamilyOf(pid_t pid, pid_t ancestor);

/** The peak resident memory (VmHWM) of process @p pid in KiB; false when it cannot be read. */
bool readPeakResidentKiB(pid_t pid, long long &kib);

/** The CPU use of process @p pid so far; false when the process is gone. */
bool readCpuUse(pid_t pid, SCpuUse &use);

/** The difference of two readings of the same process. */
SCpuUseOver cpuUseBetween(const SCpuUse &before, const SCpuUse &after);
} // namespace Corvane::WindowBench
