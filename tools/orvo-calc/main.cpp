// orvo-calc: Orvo's ten calculations from a shell, through the procedures the window's panels
// run, so that scripts and users without a display get the same numbers and the same checks.

#include "tools/orvo-calc/CCalculationRun.hpp"
#include "tools/orvo-calc/CCommandLine.hpp"
#include "tools/orvo-calc/COrvoCalcHelp.hpp"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace Corvane::Orvo::Calc;

namespace
{
int usageError(const std::string &problem)
{
    std::fprintf(stderr, "orvo-calc: %s\nTry 'orvo-calc --help'.\n", problem.c_str());
    return EXIT_USAGE;
}

/**
 * Writes all of @p text to standard output and answers @p status, or reports why it could not
 * and answers EXIT_WRITE_ERROR: a full disk or a closed pipe must not pass for success.
 */
int writeOutput(const std::string &text, int status)
{
    errno = 0;
    const bool isWritten = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (isWritten && std::fflush(stdout) == 0)
        return status;
    std::fprintf(stderr, "orvo-calc: cannot write the output: %s\n", errno != 0 ? std::strerror(errno) : "write error");
    return EXIT_WRITE_ERROR;
}

int calculate(const SRequest &request)
{
    const CCalculationRun run(request);
    std::fputs(run.getDiagnostics().c_str(), stderr);
    return writeOutput(request.isJson ? run.getJson() : run.getText(), run.getStatus());
}

int perform(const CCommandLine &line)
{
    switch (line.getAction())
    {
    case CCommandLine::CALCULATE:
        return calculate(line.getRequest());
    case CCommandLine::PROGRAM_HELP:
        return writeOutput(COrvoCalcHelp::forProgram().toText(), EXIT_RESULT);
    case CCommandLine::COMMAND_HELP:
        return writeOutput(COrvoCalcHelp::forCommand(*line.getRequest().command).toText(), EXIT_RESULT);
    case CCommandLine::VERSION:
        return writeOutput(std::string("orvo-calc ") + ORVO_VERSION + "\n", EXIT_RESULT);
    case CCommandLine::MANUAL:
        return writeOutput(COrvoCalcHelp::manPage(), EXIT_RESULT);
    default:
        return usageError(line.getProblem());
    }
}
} // namespace

int main(int argumentCount, char **arguments)
{
    // A reader that has gone away is a write error to report, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    return perform(CCommandLine(std::vector<std::string>(arguments + 1, arguments + argumentCount)));
}
