#include "tests/app/OrvoCalcRun.hpp"

#include "tests/support/TemporaryFolder.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace Corvane::Testing
{
namespace
{
int exitStatus(int waitStatus)
{
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}

std::string withProgram(std::string script)
{
    const std::string placeholder = "ORVO_CALC";
    for (std::size_t at = script.find(placeholder); at != std::string::npos; at = script.find(placeholder, at))
    {
        const std::string program = shellQuoted(ORVO_CALC_PATH);
        script.replace(at, placeholder.size(), program);
        at += program.size();
    }
    return script;
}
} // namespace

std::string shellQuoted(const std::string &argument)
{
    std::string quoted = "'";
    for (char character : argument)
        quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
    return quoted + "'";
}

OrvoCalcRun orvoCalcScript(const std::string &script)
{
    const TemporaryFolder folder;
    const std::string command = "{ " + withProgram(script) + "; } 2>" + shellQuoted(folder.file("errors"));
    OrvoCalcRun run{"", "", -1};
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, read);
    run.status = exitStatus(pclose(pipe));
    run.errors = TemporaryFolder::read(folder.file("errors"));
    return run;
}

OrvoCalcRun orvoCalc(const std::vector<std::string> &arguments, const std::string &redirection)
{
    std::string command = "ORVO_CALC";
    for (const std::string &argument : arguments)
        command += " " + shellQuoted(argument);
    return orvoCalcScript(command + " " + redirection);
}

OrvoCalcRun orvoCalcIntoClosedPipe(const std::vector<std::string> &arguments)
{
    const TemporaryFolder folder;
    const std::string errorsPath = folder.file("errors");
    int ends[2];
    if (pipe(ends) != 0)
        return {"", "", -1};
    close(ends[0]);
    std::vector<char *> argv = {const_cast<char *>(ORVO_CALC_PATH)};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0)
    {
        const int errors = open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(ends[1], STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        execv(ORVO_CALC_PATH, argv.data());
        _exit(127);
    }
    close(ends[1]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return {"", "", -1};
    return {"", TemporaryFolder::read(errorsPath), exitStatus(status)};
}
} // namespace Corvane::Testing
