#pragma once

#include "app/calculations/CPanelCalculation.hpp"

#include <string>
#include <vector>

namespace Corvane::Orvo::Calc
{
/** What a command's last argument chooses, besides the panel's fields. */
enum class EChoice
{
    NONE,
    DIVISION,
    NOTE
};

/** The options a command may take besides --json and --help. */
enum EOption : unsigned
{
    TABLE = 1,   // --all
    SAMPLES = 2, // --samples RATE
    TUNING = 4,  // --a4 HZ
    CENTS = 8    // --cents
};

/** An argument as the help names and explains it. */
struct SArgument
{
    const char *name;
    const char *meaning;
};

/**
 * One command of orvo-calc: the panel whose calculation it runs, how its arguments are named
 * and explained, the options it takes, and how its result is called in tables and JSON.
 */
struct SCommand
{
    const char *name;
    EPanel panel;
    EChoice choice;
    /** The panel's input fields in order; the choice, when there is one, follows them. */
    std::vector<SArgument> fields;
    /** One line for the list of commands. */
    const char *summary;
    /** What the command's own help adds to the summary. */
    const char *details;
    const char *exampleArguments;
    /** The result's column and key in tables and JSON: "ms", "hz", "note"... */
    const char *resultName;
    unsigned options;
    /** Seconds in one unit of the result, for --samples (0.001 for milliseconds). */
    double secondsPerResult;
    /** Why the result can read "Range Error". */
    const char *noResultReason;

    /** Every command, in the order of the window's panels. */
    static const std::vector<SCommand> &all();
    static const SCommand *find(const std::string &name);

    const CPanelCalculation &getCalculation() const;
    bool takes(EOption option) const
    {
        return (options & option) != 0;
    }
    /** "DIVISION", "NOTE", or an empty text when the command chooses nothing. */
    std::string getChoiceName() const;
    /** How many arguments it takes, without options; the --all table takes no choice. */
    std::size_t getArgumentCount(bool isTable) const;
    /** "delay BPM DIVISION", or "delay BPM --all" for the table. */
    std::string getSynopsis(bool isTable) const;
    /**
     * What field @p field accepts and what it is reset to, such as "a decimal, 0 < BPM < 1000;
     * reset to 120.00 when out of range".
     */
    std::string describeField(std::size_t field) const;
};

/** @p range written for a reader, with @p name for the value: "0 < BPM < 1000", "0 < SECONDS". */
std::string describeRange(const CValueRange &range, const std::string &name);
} // namespace Corvane::Orvo::Calc
