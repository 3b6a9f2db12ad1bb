#pragma once

#include <string>
#include <vector>

namespace Corvane::Host
{
/** The full path of @p program found on PATH (as the shell would), or an empty text. */
std::string findProgramOnPath(const std::string &program);

/**
 * Runs @p arguments (the program, found on PATH, then its arguments, each passed as it is: no
 * shell ever sees them), waits for it, and collects what it writes to standard output. False
 * when it could not be started or did not exit with status 0.
 */
bool runProgram(const std::vector<std::string> &arguments, std::string &output);
} // namespace Corvane::Host
