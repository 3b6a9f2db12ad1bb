#pragma once

#include <string>
#include <vector>

namespace Corvane::Testing
{
/** What one run of the built orvo-calc printed, and how it ended. */
struct OrvoCalcRun
{
    std::string output;
    std::string errors;
    /** The exit status, or -1 when the program did not exit by itself. */
    int status;
};

/** Runs orvo-calc with @p arguments, each passed as it is, and @p redirection added to the shell's command line. */
OrvoCalcRun orvoCalc(const std::vector<std::string> &arguments, const std::string &redirection = "");

/** Runs a shell script in which the text ORVO_CALC stands for the program. */
OrvoCalcRun orvoCalcScript(const std::string &script);

/** Runs orvo-calc with its standard output on a pipe whose reading end is already closed. */
OrvoCalcRun orvoCalcIntoClosedPipe(const std::vector<std::string> &arguments);

/** @p argument quoted for the shell. */
std::string shellQuoted(const std::string &argument);
} // namespace Corvane::Testing
