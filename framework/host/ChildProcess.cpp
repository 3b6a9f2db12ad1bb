#include "framework/host/ChildProcess.hpp"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace Corvane::Host
{
namespace
{
bool isExecutableFile(const std::string &path)
{
    struct stat status
    {
    };
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(path.c_str(), X_OK) == 0;
}

/** Reads everything from @p descriptor until the writer closes it. */
void readAll(int descriptor, std::string &output)
{
    char buffer[4096];
    for (;;)
    {
        const ssize_t count = read(descriptor, buffer, sizeof buffer);
        if (count > 0)
            output.append(buffer, static_cast<std::size_t>(count));
        else if (count == 0 || errno != EINTR)
            return;
    }
}

int waitForChild(pid_t child)
{
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return status;
}
} // namespace

std::string findProgramOnPath(const std::string &program)
{
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos)
        return isExecutableFile(program) ? program : std::string();
    const char *path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size())
    {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + program;
        if (isExecutableFile(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

bool runProgram(const std::vector<std::string> &arguments, std::string &output)
{
    if (arguments.empty())
        return false;
    const std::string program = findProgramOnPath(arguments.front());
    if (program.empty())
        return false;
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    const pid_t child = fork();
    if (child < 0)
    {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return false;
    }
    if (child == 0)
    {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    readAll(pipeEnds[0], output);
    close(pipeEnds[0]);
    const int status = waitForChild(child);
    return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace Corvane::Host
