#include "tools/benchmarks/window/BenchArguments.hpp"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace Corvane::WindowBench
{
namespace
{
const char *const MODIFIERS[] = {"shift", "ctrl", "control", "alt", "super"};
constexpr double LONGEST_PERIOD = 24 * 60 * 60;

/** Reads plain decimal digits at @p position (no sign, no blanks) and moves past them. */
bool readNumber(const std::string &text, std::size_t &position, long &value)
{
    const std::size_t start = position;
    value = 0;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9')
    {
        if (position - start >= 9)
            return false; // far beyond any screen, and safe from overflow
        value = value * 10 + (text[position] - '0');
        position++;
    }
    return position > start;
}

bool expect(const std::string &text, std::size_t &position, char separator)
{
    if (position >= text.size() || text[position] != separator)
        return false;
    position++;
    return true;
}

bool isModifier(const std::string &name)
{
    return std::find(std::begin(MODIFIERS), std::end(MODIFIERS), name) != std::end(MODIFIERS);
}

/** One stroke such as "ctrl+shift+a": the parts before the last '+' must be modifiers. */
bool parseStroke(const std::string &word, SKeyStroke &stroke)
{
    std::size_t start = 0;
    for (std::size_t plus = word.find('+'); plus != std::string::npos; plus = word.find('+', start))
    {
        const std::string modifier = word.substr(start, plus - start);
        if (!isModifier(modifier))
            return false;
        stroke.modifiers.push_back(modifier);
        start = plus + 1;
    }
    stroke.key = word.substr(start);
    return !stroke.key.empty();
}

/**
 * Takes the value of option @p name from "--name value" or "--name=value" at @p index; false
 * when the argument is another option. A missing value is a usage problem.
 */
bool takeOption(const std::vector<std::string> &arguments, std::size_t &index, const std::string &name,
                std::string &value, std::string &problem)
{
    const std::string &argument = arguments[index];
    const std::string flag = "--" + name;
    if (argument.compare(0, flag.size() + 1, flag + "=") == 0)
    {
        value = argument.substr(flag.size() + 1);
        return true;
    }
    if (argument != flag)
        return false;
    if (index + 1 >= arguments.size())
        problem = flag + " needs a value";
    else
        value = arguments[++index];
    return true;
}

SCommand usageError(const std::string &problem)
{
    SCommand command;
    command.mode = EMode::USAGE_ERROR;
    command.problem = problem;
    return command;
}

SCommand parseFirstPaint(const std::vector<std::string> &arguments, std::size_t index)
{
    SCommand command;
    command.mode = EMode::FIRST_PAINT;
    for (; index < arguments.size() && arguments[index].compare(0, 2, "--") == 0; index++)
    {
        std::string value;
        if (arguments[index] == "--")
        {
            index++;
            break;
        }
        if (!takeOption(arguments, index, "idle", value, command.problem))
            return usageError("unknown option " + arguments[index]);
        if (!command.problem.empty())
            return usageError(command.problem);
        if (!parseSeconds(value, command.idleSeconds))
            return usageError("--idle needs a number of seconds, not \"" + value + "\"");
    }
    if (index >= arguments.size())
        return usageError("no program given");
    command.program.assign(arguments.begin() + static_cast<long>(index), arguments.end());
    return command;
}

/** Applies one option of key-to-damage; false with @p problem set when it is not one or is wrong. */
bool applyKeyOption(const std::vector<std::string> &arguments, std::size_t &index, SCommand &command,
                    std::string &problem)
{
    std::string value;
    if (takeOption(arguments, index, "window-name", value, problem))
        command.windowName = value;
    else if (takeOption(arguments, index, "click", value, problem))
    {
        command.clicks = true;
        if (problem.empty() && !parsePoint(value, command.click))
            problem = "--click needs X,Y, not \"" + value + "\"";
    }
    else if (takeOption(arguments, index, "keys", value, problem))
        parseKeys(value, command.keys, problem);
    else if (takeOption(arguments, index, "area", value, problem))
    {
        if (problem.empty() && !parseArea(value, command.area))
            problem = "--area needs WxH+X+Y, not \"" + value + "\"";
    }
    else
        problem = "unknown argument " + arguments[index];
    return problem.empty();
}

SCommand parseKeyToDamage(const std::vector<std::string> &arguments)
{
    SCommand command;
    command.mode = EMode::KEY_TO_DAMAGE;
    std::string problem;
    for (std::size_t index = 1; index < arguments.size(); index++)
        if (!applyKeyOption(arguments, index, command, problem))
            return usageError(problem);
    if (command.windowName.empty())
        return usageError("key-to-damage needs --window-name");
    if (command.area.isEmpty())
        return usageError("key-to-damage needs --area");
    if (!command.clicks && command.keys.empty())
        return usageError("key-to-damage needs --click or --keys");
    return command;
}

SCommand parseIdleCpu(const std::vector<std::string> &arguments)
{
    if (arguments.size() != 3)
        return usageError("idle-cpu needs a process id and a number of seconds");
    SCommand command;
    command.mode = EMode::IDLE_CPU;
    std::size_t position = 0;
    long pid = 0;
    if (!readNumber(arguments[1], position, pid) || position != arguments[1].size() || pid <= 0)
        return usageError("not a process id: \"" + arguments[1] + "\"");
    command.pid = static_cast<pid_t>(pid);
    if (!parseSeconds(arguments[2], command.seconds))
        return usageError("not a number of seconds: \"" + arguments[2] + "\"");
    return command;
}
} // namespace

bool SArea::meets(const SArea &other) const
{
    return !isEmpty() && !other.isEmpty() && x < other.x + other.width && other.x < x + width &&
           y < other.y + other.height && other.y < y + height;
}

bool parseArea(const std::string &text, SArea &area)
{
    std::size_t position = 0;
    SArea parsed;
    const bool read = readNumber(text, position, parsed.width) && expect(text, position, 'x') &&
                      readNumber(text, position, parsed.height) && expect(text, position, '+') &&
                      readNumber(text, position, parsed.x) && expect(text, position, '+') &&
                      readNumber(text, position, parsed.y);
    if (!read || position != text.size() || parsed.isEmpty())
        return false;
    area = parsed;
    return true;
}

bool parsePoint(const std::string &text, SPoint &point)
{
    std::size_t position = 0;
    SPoint parsed;
    if (!readNumber(text, position, parsed.x) || !expect(text, position, ',') ||
        !readNumber(text, position, parsed.y) || position != text.size())
        return false;
    point = parsed;
    return true;
}

bool parseKeys(const std::string &text, std::vector<SKeyStroke> &keys, std::string &problem)
{
    std::istringstream words(text);
    std::vector<SKeyStroke> parsed;
    for (std::string word; words >> word;)
    {
        SKeyStroke stroke;
        if (!parseStroke(word, stroke))
        {
            problem = "not a key: \"" + word + "\" (write modifiers as shift+, ctrl+, alt+, super+, and + as plus)";
            return false;
        }
        parsed.push_back(stroke);
    }
    keys = parsed;
    return true;
}

bool parseSeconds(const std::string &text, double &seconds)
{
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos)
        return false;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !(value > 0) || value > LONGEST_PERIOD)
        return false;
    seconds = value;
    return true;
}

SCommand parseCommandLine(const std::vector<std::string> &arguments)
{
    if (arguments.empty())
        return usageError("no program given");
    const std::string &first = arguments[0];
    if (first == "--help" || first == "-h")
    {
        SCommand command;
        command.mode = EMode::HELP;
        return command;
    }
    if (first == "key-to-damage")
        return parseKeyToDamage(arguments);
    if (first == "idle-cpu")
        return parseIdleCpu(arguments);
    return parseFirstPaint(arguments, first == "first-paint" ? 1 : 0);
}

const char *usageText()
{
    return "usage:\n"
           "  first-paint [--idle SECONDS] PROGRAM [ARGUMENTS...]\n"
           "      Runs PROGRAM and prints the milliseconds from its start to the first painted frame of a\n"
           "      window it made (the first repaint after which the window shows more than one colour;\n"
           "      none within 10 s is a failure), then its peak resident memory once it is idle; with\n"
           "      --idle, also the CPU it uses over SECONDS of idling. Then stops it. Memory and CPU are\n"
           "      PROGRAM's; for a wrapper, those of the process its painted window names (_NET_WM_PID).\n"
           "  first-paint key-to-damage --window-name NAME [--click X,Y] [--keys \"1 4 0 Return\"] --area WxH+X+Y\n"
           "      Clicks into the window titled NAME, types the keys and prints the milliseconds from\n"
           "      the last key's press (without keys: the click's release) to the first repaint that\n"
           "      meets the area. Coordinates are the window's own. Keys go to the focused window.\n"
           "  first-paint idle-cpu PID SECONDS\n"
           "      Prints the CPU ticks and context switches of process PID over SECONDS.\n";
}
} // namespace Corvane::WindowBench
