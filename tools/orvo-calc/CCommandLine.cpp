#include "tools/orvo-calc/CCommandLine.hpp"

#include "app/calculations/CNumberReading.hpp"
#include "tools/orvo-calc/TextTools.hpp"

#include <algorithm>
#include <cctype>

namespace Corvane::Orvo::Calc
{
namespace
{
/** An option: the capability a command needs to take it (0 when every command does), and whether it has a value. */
struct SOption
{
    const char *name;
    unsigned neededOption;
    bool hasValue;
};
constexpr SOption OPTIONS[] = {{"all", TABLE, false}, {"format", TABLE, true}, {"samples", SAMPLES, true},
                               {"a4", TUNING, true},  {"cents", CENTS, false}, {"json", 0, false}};

const SOption *findOption(const std::string &name)
{
    for (const SOption &option : OPTIONS)
        if (name == option.name)
            return &option;
    return nullptr;
}

bool isOption(const std::string &argument)
{
    return argument.size() > 2 && argument.compare(0, 2, "--") == 0 &&
           std::isalpha(static_cast<unsigned char>(argument[2]));
}

bool isHelp(const std::string &argument)
{
    return argument == "--help" || argument == "-h";
}

std::string quoted(const std::string &argument)
{
    return "\"" + echoedArgument(argument) + "\"";
}

/** A note number in plain digits ("69", "0069"), or -1 when @p text is not one from 0 to 127. */
long noteNumber(const std::string &text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const double note = CNumberReading::readWholeNumber(text.c_str()).getValue();
    return note < Music::CMusicMaths::NOTE_COUNT ? static_cast<long>(note) : -1;
}
} // namespace

const CValueRange CCommandLine::SAMPLE_RATE_RANGE(1, CValueRange::INCLUDED, 10000000, CValueRange::INCLUDED);

CCommandLine::CCommandLine(const std::vector<std::string> &arguments)
{
    parse(arguments);
}

void CCommandLine::parse(const std::vector<std::string> &arguments)
{
    if (arguments.empty())
    {
        fail("no command given");
        return;
    }
    const std::string &first = arguments.front();
    if (isHelp(first))
        m_action = PROGRAM_HELP;
    else if (first == "--version")
        m_action = VERSION;
    else if (first == "--man")
        m_action = MANUAL;
    else if (first == "help")
        parseHelp(arguments);
    else if (findCommand(first))
    {
        const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
        if (std::any_of(rest.begin(), rest.end(), isHelp))
            m_action = COMMAND_HELP;
        else
            parseCommandArguments(rest);
    }
}

void CCommandLine::parseHelp(const std::vector<std::string> &arguments)
{
    if (arguments.size() == 1)
        m_action = PROGRAM_HELP;
    else if (arguments.size() > 2)
        fail("usage: orvo-calc help [COMMAND]");
    else if (findCommand(arguments[1]))
        m_action = COMMAND_HELP;
}

bool CCommandLine::findCommand(const std::string &name)
{
    m_request.command = SCommand::find(name);
    return m_request.command != nullptr || fail("unknown command " + quoted(name));
}

void CCommandLine::parseCommandArguments(const std::vector<std::string> &arguments)
{
    std::vector<std::string> positional;
    for (std::size_t next = 0; next < arguments.size(); next++)
    {
        if (!isOption(arguments[next]))
            positional.push_back(arguments[next]);
        else if (!takeOption(arguments, next))
            return;
    }
    const SCommand &command = *m_request.command;
    if (!checkCombination())
        return;
    if (positional.size() != command.getArgumentCount(m_request.isTable))
    {
        fail("usage: orvo-calc " + command.getSynopsis(m_request.isTable));
        return;
    }
    m_request.fieldTexts.assign(positional.begin(), positional.begin() + command.fields.size());
    if (command.choice != EChoice::NONE && !m_request.isTable)
    {
        m_request.choiceText = positional.back();
        if (!readChoice())
            return;
    }
    m_action = CALCULATE;
}

bool CCommandLine::takeOption(const std::vector<std::string> &arguments, std::size_t &next)
{
    const std::string &argument = arguments[next];
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const SOption *option = findOption(name);
    if (option == nullptr)
        return fail("unknown option " + quoted("--" + name));
    if (option->neededOption != 0 && !m_request.command->takes(static_cast<EOption>(option->neededOption)))
        return fail(std::string(m_request.command->name) + " takes no --" + name + " option");
    if (!option->hasValue)
        return equals == std::string::npos ? setOption(name, "") : fail("--" + name + " takes no value");
    if (equals != std::string::npos)
        return setOption(name, argument.substr(equals + 1));
    if (next + 1 == arguments.size())
        return fail("--" + name + " needs a value");
    return setOption(name, arguments[++next]);
}

bool CCommandLine::setOption(const std::string &name, const std::string &value)
{
    if (name == "all")
        m_request.isTable = true;
    else if (name == "json")
        m_request.isJson = true;
    else if (name == "cents")
        m_request.showsCents = true;
    else if (name == "format")
        return setFormat(value);
    else if (name == "a4")
        return readOptionNumber(CNumberReading::readDecimal(value.c_str()), CPanelCalculation::TUNING_RANGE,
                                m_request.a4Hertz) ||
               fail("--a4 takes a frequency from 400 to 480 Hz, not " + quoted(value));
    else if (name == "samples")
        return readOptionNumber(CNumberReading::readWholeNumber(value.c_str()), SAMPLE_RATE_RANGE,
                                m_request.sampleRate) ||
               fail("--samples takes a whole number of samples per second from 1 to 10000000, not " + quoted(value));
    return true;
}

bool CCommandLine::setFormat(const std::string &value)
{
    if (value == "tsv")
        m_request.format = ETableFormat::TSV;
    else if (value == "csv")
        m_request.format = ETableFormat::CSV;
    else
        return fail("--format takes tsv or csv, not " + quoted(value));
    return true;
}

bool CCommandLine::readOptionNumber(const CNumberReading &number, const CValueRange &range, double &value)
{
    // Options have no window field to stay compatible with: a value is taken whole or not at all.
    if (!number.isExact() || !range.contains(number.getValue()))
        return false;
    value = number.getValue();
    return true;
}

bool CCommandLine::checkCombination()
{
    if (m_request.format != ETableFormat::ALIGNED && !m_request.isTable)
        return fail("--format is for the --all tables");
    if (m_request.format != ETableFormat::ALIGNED && m_request.isJson)
        return fail("--format and --json cannot be combined");
    return true;
}

bool CCommandLine::readChoice()
{
    const std::string &text = m_request.choiceText;
    if (m_request.command->choice == EChoice::DIVISION)
    {
        m_request.choice = Music::CMusicMaths::findTempoDivision(text.c_str());
        return m_request.choice >= 0 || fail("unknown division " + quoted(text));
    }
    const long number = noteNumber(text);
    m_request.choice = number >= 0 ? number : Music::CMusicMaths::findNote(text.c_str());
    return m_request.choice >= 0 || fail("unknown note " + quoted(text));
}

bool CCommandLine::fail(const std::string &problem)
{
    m_action = USAGE_ERROR;
    m_problem = problem;
    return false;
}
} // namespace Corvane::Orvo::Calc
