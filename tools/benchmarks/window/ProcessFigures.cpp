#include "tools/benchmarks/window/ProcessFigures.hpp"

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>

namespace Corvane::WindowBench
{
namespace
{
/** utime is the 14th field of a stat line, stime the 15th; after the ')' the 3rd field comes first. */
constexpr int USER_TICKS_AFTER_NAME = 11;
/** How far up a family is followed: far beyond any real chain of wrappers. */
constexpr int FAMILY_DEPTH = 64;

bool readFile(const std::string &path, std::string &text)
{
    std::ifstream file(path);
    if (!file)
        return false;
    std::ostringstream contents;
    contents << file.rdbuf();
    text = contents.str();
    return !text.empty();
}

std::string procPath(pid_t pid, const std::string &file)
{
    return "/proc/" + std::to_string(pid) + "/" + file;
}

/** Positions @p fields at the field @p skipped places after the one that follows the program's name. */
bool fieldsAfterName(const std::string &stat, int skipped, std::istringstream &fields)
{
    // The name may hold blanks and parentheses: the fields start after the last ')'.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        return false;
    fields.str(stat.substr(nameEnd + 1));
    std::string field;
    for (int index = 0; index < skipped; index++)
        fields >> field;
    return static_cast<bool>(fields);
}

/** The switches of every thread of @p pid, from /proc/PID/task/TID/status. */
bool readThreadSwitches(pid_t pid, TThreadSwitches &switches)
{
    DIR *tasks = opendir(procPath(pid, "task").c_str());
    if (tasks == nullptr)
        return false;
    while (const dirent *entry = readdir(tasks))
    {
        const pid_t tid = static_cast<pid_t>(std::atol(entry->d_name));
        std::string status;
        SSwitches thread;
        // A thread may end between the listing and the reading: then it is simply left out.
        if (tid > 0 && readFile(procPath(pid, "task/" + std::string(entry->d_name) + "/status"), status) &&
            statusValue(status, "voluntary_ctxt_switches", thread.voluntary) &&
            statusValue(status, "nonvoluntary_ctxt_switches", thread.involuntary))
            switches[tid] = thread;
    }
    closedir(tasks);
    return !switches.empty();
}
} // namespace

bool ticksFromStat(const std::string &stat, long long &ticks)
{
    std::istringstream fields;
    if (!fieldsAfterName(stat, USER_TICKS_AFTER_NAME, fields))
        return false;
    long long user = 0;
    long long system = 0;
    if (!(fields >> user >> system) || user < 0 || system < 0)
        return false;
    ticks = user + system;
    return true;
}

bool parentFromStat(const std::string &stat, pid_t &parent)
{
    std::istringstream fields;
    long long read = 0;
    if (!fieldsAfterName(stat, 1, fields) || !(fields >> read) || read < 0)
        return false;
    parent = static_cast<pid_t>(read);
    return true;
}

bool statusValue(const std::string &status, const std::string &name, long long &value)
{
    const std::string label = name + ":";
    for (std::size_t line = 0; line < status.size();)
    {
        const std::size_t end = status.find('\n', line);
        if (status.compare(line, label.size(), label) == 0)
        {
            std::istringstream rest(status.substr(line + label.size(), end - line - label.size()));
            return static_cast<bool>(rest >> value);
        }
        if (end == std::string::npos)
            break;
        line = end + 1;
    }
    return false;
}

SSwitches switchesBetween(const TThreadSwitches &before, const TThreadSwitches &after)
{
    SSwitches total;
    for (const auto &[tid, now] : after)
    {
        const auto earlier = before.find(tid);
        const SSwitches start = earlier == before.end() ? SSwitches() : earlier->second;
        total.voluntary += now.voluntary - start.voluntary;
        total.involuntary += now.involuntary - start.involuntary;
    }
    return total;
}

bool isInFamilyOf(pid_t pid, pid_t ancestor)
{
    std::string stat;
    for (int depth = 0; depth < FAMILY_DEPTH && pid > 1; depth++)
    {
        if (pid == ancestor)
            return true;
        if (!readFile(procPath(pid, "stat"), stat) || !parentFromStat(stat, pid))
            return false;
    }
    return false;
}

bool readPeakResidentKiB(pid_t pid, long long &kib)
{
    std::string status;
    return readFile(procPath(pid, "status"), status) && statusValue(status, "VmHWM", kib);
}

bool readCpuUse(pid_t pid, SCpuUse &use)
{
    // The process's own stat line already sums the ticks of all its threads, ended ones included,
    // which adding up the task folder's lines would miss.
    std::string stat;
    SCpuUse read;
    if (!readFile(procPath(pid, "stat"), stat) || !ticksFromStat(stat, read.ticks) ||
        !readThreadSwitches(pid, read.switches))
        return false;
    use = read;
    return true;
}

SCpuUseOver cpuUseBetween(const SCpuUse &before, const SCpuUse &after)
{
    SCpuUseOver over;
    over.ticks = after.ticks - before.ticks;
    over.switches = switchesBetween(before.switches, after.switches);
    return over;
}
} // namespace Corvane::WindowBench
