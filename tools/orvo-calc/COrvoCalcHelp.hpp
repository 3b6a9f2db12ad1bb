#pragma once

#include "tools/orvo-calc/CHelpDocument.hpp"
#include "tools/orvo-calc/SCommand.hpp"

namespace Corvane::Orvo::Calc
{
/**
 * Everything orvo-calc says about itself: the help of the program, the help of each command,
 * and the manual page made from both. Ranges and reset values come from the panels' own field
 * rules and examples are worked out when shown, so the help cannot drift from what it describes.
 */
class COrvoCalcHelp
{
public:
    COrvoCalcHelp() = delete;

    /** The program's help; for the manual, with the sections a manual page starts with. */
    static CHelpDocument forProgram(bool isManual = false);
    static CHelpDocument forCommand(const SCommand &command);
    static std::string manPage();

private:
    static void addCommandBody(CHelpDocument &document, const SCommand &command, int headingLevel);
    static std::string getUsageOptions(const SCommand &command, bool isTable);
    static std::vector<std::string> runExample(const SCommand &command);
};
} // namespace Corvane::Orvo::Calc
