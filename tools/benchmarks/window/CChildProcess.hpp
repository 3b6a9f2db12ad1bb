#pragma once

#include <cstdio>
#include <string>
#include <sys/types.h>
#include <vector>

namespace Corvane::WindowBench
{
/**
 * A program the tool runs and watches, in a process group of its own. It is started with fork
 * and exec, never through a shell; its standard output and error go to a scratch file that is
 * shown only when something went wrong, so that a program's chatter does not break up the
 * tool's figures. Whatever happens, the program is stopped and reaped when the object goes.
 */
class CChildProcess
{
public:
    CChildProcess();
    ~CChildProcess();
    CChildProcess(const CChildProcess &) = delete;
    CChildProcess &operator=(const CChildProcess &) = delete;

    /**
     * Runs @p command (program and arguments; the program is looked up in PATH). False when it
     * could not be run, with the reason in @p problem.
     */
    bool start(const std::vector<std::string> &command, std::string &problem);

    pid_t getPid() const
    {
        return m_pid;
    }

    /** Whether the program has ended by itself; then @p how says how ("exited with status 1"). */
    bool hasEnded(std::string &how);

    /**
     * Asks the program and all it started to end (SIGTERM), forces them after a grace period
     * (SIGKILL), and reaps the program.
     */
    void stop();

    /** Copies what the program wrote so far, if anything, to standard error under @p heading. */
    void showOutput(const std::string &heading) const;

private:
    pid_t m_pid = -1;
    std::FILE *m_output = nullptr;
};
} // namespace Corvane::WindowBench
