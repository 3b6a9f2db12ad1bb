#include "tools/benchmarks/window/CChildProcess.hpp"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace Corvane::WindowBench
{
namespace
{
constexpr int GRACE_MILLISECONDS = 2000;
constexpr int CHECK_MILLISECONDS = 10;

void sleepMilliseconds(int milliseconds)
{
    const timespec pause = {0, milliseconds * 1000000L};
    nanosleep(&pause, nullptr);
}

/**
 * Runs in the forked child: only calls that are safe between fork and exec. The program gets a
 * process group of its own, so that whatever it starts in turn is stopped with it, and no
 * terminal input.
 */
[[noreturn]] void execute(char *const *argv, int outputFd, int errorPipe)
{
    setpgid(0, 0);
    const int nothing = open("/dev/null", O_RDONLY);
    if (nothing >= 0)
        dup2(nothing, STDIN_FILENO);
    if (outputFd >= 0)
    {
        dup2(outputFd, STDOUT_FILENO);
        dup2(outputFd, STDERR_FILENO);
    }
    execvp(argv[0], argv);
    const int error = errno;
    // The pipe closes on a successful exec, so the parent reads either nothing or the reason.
    [[maybe_unused]] const ssize_t written = write(errorPipe, &error, sizeof error);
    _exit(127);
}

/** The reason the child wrote into @p errorPipe, or 0 once the pipe closed without one (exec worked). */
int readExecError(int errorPipe)
{
    int error = 0;
    ssize_t got;
    do
        got = read(errorPipe, &error, sizeof error);
    while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

std::string describeEnd(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("was killed by signal ") + strsignal(WTERMSIG(status));
    return "ended";
}
} // namespace

CChildProcess::CChildProcess() : m_output(std::tmpfile())
{
}

CChildProcess::~CChildProcess()
{
    stop();
    if (m_output != nullptr)
        std::fclose(m_output);
}

bool CChildProcess::start(const std::vector<std::string> &command, std::string &problem)
{
    std::vector<char *> argv;
    for (const std::string &argument : command)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    int errorPipe[2];
    if (command.empty() || pipe2(errorPipe, O_CLOEXEC) != 0)
    {
        problem = command.empty() ? "no program given" : std::string("cannot make a pipe: ") + std::strerror(errno);
        return false;
    }
    m_pid = fork();
    if (m_pid == 0)
        execute(argv.data(), m_output != nullptr ? fileno(m_output) : -1, errorPipe[1]);
    const int forkError = errno;
    if (m_pid > 0)
        setpgid(m_pid, m_pid); // also here, so that the group exists whichever side runs first
    close(errorPipe[1]);
    const int execError = m_pid > 0 ? readExecError(errorPipe[0]) : forkError;
    close(errorPipe[0]);
    if (execError == 0)
        return true;
    if (m_pid > 0)
        waitpid(m_pid, nullptr, 0);
    m_pid = -1;
    problem = "cannot run " + command[0] + ": " + std::strerror(execError);
    return false;
}

bool CChildProcess::hasEnded(std::string &how)
{
    int status = 0;
    if (m_pid <= 0 || waitpid(m_pid, &status, WNOHANG) != m_pid)
        return false;
    how = describeEnd(status);
    m_pid = -1;
    return true;
}

void CChildProcess::stop()
{
    if (m_pid <= 0)
        return;
    kill(-m_pid, SIGTERM);
    int status = 0;
    bool ended = false;
    for (int waited = 0; waited < GRACE_MILLISECONDS && !ended; waited += CHECK_MILLISECONDS)
    {
        ended = waitpid(m_pid, &status, WNOHANG) == m_pid;
        if (!ended)
            sleepMilliseconds(CHECK_MILLISECONDS);
    }
    // Whatever is left of the group (the program itself, or what it started and left behind) goes now.
    kill(-m_pid, SIGKILL);
    if (!ended)
        waitpid(m_pid, &status, 0);
    m_pid = -1;
}

void CChildProcess::showOutput(const std::string &heading) const
{
    if (m_output == nullptr)
        return;
    std::rewind(m_output);
    char buffer[4096];
    for (std::size_t got, total = 0; (got = std::fread(buffer, 1, sizeof buffer, m_output)) > 0; total += got)
    {
        if (total == 0)
            std::fprintf(stderr, "%s\n", heading.c_str());
        std::fwrite(buffer, 1, got, stderr);
    }
}
} // namespace Corvane::WindowBench
