#pragma once

#include "tools/orvo-calc/SCommand.hpp"

#include <string>
#include <vector>

namespace Corvane::Orvo
{
class CNumberReading;
}

namespace Corvane::Orvo::Calc
{
/** How a table is written: aligned for reading, or tab- or comma-separated for other programs. */
enum class ETableFormat
{
    ALIGNED,
    TSV,
    CSV
};

/** A calculation as the command line asks for it, its values checked as far as options go. */
struct SRequest
{
    const SCommand *command = nullptr;
    /** The texts of the panel's fields, read by the panel's own rules when it runs. */
    std::vector<std::string> fieldTexts;
    /** The division or note argument as given, and the division index or note number it names. */
    std::string choiceText;
    long choice = 0;
    bool isTable = false;
    bool isJson = false;
    bool showsCents = false;
    ETableFormat format = ETableFormat::ALIGNED;
    double a4Hertz = Music::CMusicMaths::DEFAULT_A4_HERTZ;
    /** Samples per second, or 0 when no sample counts are asked for. */
    double sampleRate = 0;
};

/**
 * The arguments of orvo-calc after the program's name, parsed: what to do, and for a
 * calculation, the request. Options may come anywhere after the command, as "--a4 432" or
 * "--a4=432"; an argument is an option only when it starts with "--" and a letter, so that
 * negative numbers stay arguments.
 */
class CCommandLine
{
public:
    enum EAction
    {
        CALCULATE,
        PROGRAM_HELP,
        COMMAND_HELP,
        VERSION,
        MANUAL,
        USAGE_ERROR
    };

    /** The sample rates --samples accepts, in samples per second. */
    static const CValueRange SAMPLE_RATE_RANGE;

    explicit CCommandLine(const std::vector<std::string> &arguments);

    EAction getAction() const
    {
        return m_action;
    }
    /** For USAGE_ERROR: what was wrong, with any argument quoted safely. */
    const std::string &getProblem() const
    {
        return m_problem;
    }
    /** For CALCULATE, and for COMMAND_HELP its command. */
    const SRequest &getRequest() const
    {
        return m_request;
    }

private:
    void parse(const std::vector<std::string> &arguments);
    void parseHelp(const std::vector<std::string> &arguments);
    bool findCommand(const std::string &name);
    void parseCommandArguments(const std::vector<std::string> &arguments);
    /** Takes the option at @p next, and its value when that is the next argument (moving @p next past it). */
    bool takeOption(const std::vector<std::string> &arguments, std::size_t &next);
    bool setOption(const std::string &name, const std::string &value);
    bool setFormat(const std::string &value);
    static bool readOptionNumber(const CNumberReading &number, const CValueRange &range, double &value);
    bool checkCombination();
    bool readChoice();
    /** Records the usage error @p problem; answers false, so that callers can return it. */
    bool fail(const std::string &problem);

    EAction m_action = USAGE_ERROR;
    std::string m_problem;
    SRequest m_request;
};
} // namespace Corvane::Orvo::Calc
