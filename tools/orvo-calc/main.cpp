// orvo-calc: Orvo's ten calculations from a shell, through the procedures the window's panels
// run, so that scripts and users without a display get the same numbers and the same checks.

#include "app/calculations/CPanelCalculation.hpp"
#include "framework/music/CMusicMaths.hpp"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using Corvane::Basics::CString;
using Corvane::Music::CMusicMaths;
using Corvane::Orvo::CCalculationOutcome;
using Corvane::Orvo::CPanelCalculation;
using Corvane::Orvo::EPanel;

namespace
{
enum EExitStatus
{
    EXIT_RESULT = 0,
    EXIT_RANGE_MESSAGE = 1,
    EXIT_USAGE = 2,
    EXIT_NO_RESULT = 3
};

/** What a command's last argument chooses, besides the panel's fields. */
enum class EChoice
{
    NONE,
    DIVISION,
    NOTE
};

struct SCommand
{
    const char *name;
    EPanel panel;
    EChoice choice;
    const char *arguments;
    const char *description;
    const char *example;
};

/** One command per panel, in the panels' order. */
constexpr SCommand COMMANDS[] = {
    {"delay", EPanel::DELAY, EChoice::DIVISION, "BPM DIVISION", "delay time in milliseconds of a division", "140 1/8D"},
    {"time-to-bpm", EPanel::TIME_TO_BPM, EChoice::NONE, "SECONDS BEATS", "tempo at which BEATS beats last SECONDS",
     "2 4"},
    {"bpm-to-time", EPanel::BPM_TO_TIME, EChoice::NONE, "BPM BEATS", "seconds that BEATS beats last at BPM", "120 4"},
    {"semitones", EPanel::TEMPO_NOTE_SHIFT, EChoice::NONE, "BPM1 BPM2", "semitones from BPM1 to BPM2", "100 50"},
    {"stretch", EPanel::TIME_STRETCH, EChoice::NONE, "BPM1 BPM2", "BPM1 as a percentage of BPM2", "120 125"},
    {"shift", EPanel::TEMPO_SHIFT, EChoice::NONE, "BPM SEMITONES", "BPM shifted by SEMITONES", "120 -3.5"},
    {"lfo", EPanel::LFO, EChoice::DIVISION, "BPM DIVISION", "rate in hertz of a division", "120 1/4T"},
    {"closest-division", EPanel::CLOSEST_DIVISION, EChoice::NONE, "BPM HZ",
     "straight division whose band of rates holds HZ", "120 2"},
    {"note-frequency", EPanel::NOTE_FREQUENCY, EChoice::NOTE, "NOTE", "frequency in hertz of a note", "C#3"},
    {"closest-note", EPanel::CLOSEST_NOTE, EChoice::NONE, "HZ", "note nearest to a frequency", "261.63"},
};

constexpr const char *ALL_DIVISIONS = "--all";

void printHelp()
{
    std::printf("Usage: orvo-calc COMMAND ARGUMENT...\n"
                "Works out one of Orvo's calculations and prints its result as the window shows it.\n\n"
                "Commands:\n");
    for (const SCommand &command : COMMANDS)
    {
        const std::string synopsis = std::string(command.name) + " " + command.arguments;
        std::printf("  %-30s %s\n  %-30s   e.g. orvo-calc %s %s\n", synopsis.c_str(), command.description, "",
                    command.name, command.example);
        if (command.choice == EChoice::DIVISION)
            std::printf("  %-30s the table of all 39 divisions\n  %-30s   e.g. orvo-calc %s 140 %s\n",
                        (std::string(command.name) + " BPM " + ALL_DIVISIONS).c_str(), "", command.name, ALL_DIVISIONS);
    }
    std::printf("\nA DIVISION is named as in Orvo's menus: 64, 32, ... 1, 1/2, 1/4, ... 1/64, with T for a\n"
                "triplet or D for a dotted note (1/8T, 1/16D). A NOTE is a name from C-1 to G9 (A4, C#3,\n"
                "Bb2) or a number from 0 to 127. Numbers are read like the window reads them: 12abc is 12.\n\n"
                "Exit status:\n"
                "  0  the result was worked out from the values given\n"
                "  1  a value was out of range: its message (title, then text) is on standard error,\n"
                "     and the result was worked out from the field's reset value\n"
                "  2  usage error: unknown command, division or note, or wrong number of arguments\n"
                "  3  the result itself is out of range and reads \"Range Error\"\n\n"
                "  orvo-calc --help       this text\n"
                "  orvo-calc --version    the version\n");
}

int usageError(const std::string &problem)
{
    std::fprintf(stderr, "orvo-calc: %s\nTry 'orvo-calc --help'.\n", problem.c_str());
    return EXIT_USAGE;
}

const SCommand *findCommand(const char *name)
{
    for (const SCommand &command : COMMANDS)
        if (std::strcmp(command.name, name) == 0)
            return &command;
    return nullptr;
}

/** A note name, or its number written in plain digits from 0 to 127; -1 for anything else. */
long parseNote(const char *text)
{
    const std::size_t length = std::strlen(text);
    if (length == 0 || length > 3 || std::strspn(text, "0123456789") != length)
        return CMusicMaths::findNote(text);
    const long note = std::stol(text);
    return note < CMusicMaths::NOTE_COUNT ? note : -1;
}

/** Turns the command's last argument into the panel's choice; answers false when it names none. */
bool parseChoice(const SCommand &command, const char *text, long &choice)
{
    choice = command.choice == EChoice::DIVISION ? CMusicMaths::findTempoDivision(text) : parseNote(text);
    return choice >= 0;
}

/** Every range message of @p outcome, title then text, on standard error. */
void printMessages(const CCalculationOutcome &outcome)
{
    for (const auto &message : outcome.getMessages())
        std::fprintf(stderr, "%s\n%s\n", message.getTitle().getString(), message.getText().getString());
}

int statusOf(const CCalculationOutcome &outcome)
{
    if (!outcome.getMessages().empty())
        return EXIT_RANGE_MESSAGE;
    return outcome.isResultInRange() ? EXIT_RESULT : EXIT_NO_RESULT;
}

int printResult(const CPanelCalculation &calculation, const std::vector<CString> &fields, long choice)
{
    const CCalculationOutcome outcome = calculation.calculate(fields, choice);
    printMessages(outcome);
    std::printf("%s\n", outcome.getResultText().getString());
    return statusOf(outcome);
}

int printDivisionTable(const CPanelCalculation &calculation, const std::vector<CString> &fields)
{
    int status = EXIT_RESULT;
    for (long division = 0; division < CMusicMaths::TEMPO_DIVISION_COUNT; division++)
    {
        const CCalculationOutcome outcome = calculation.calculate(fields, division);
        // The messages come from the fields alone, so every division raises the same ones.
        if (division == 0)
            printMessages(outcome);
        if (status == EXIT_RESULT)
            status = statusOf(outcome);
        CString name;
        CMusicMaths::getTempoDivisionName(name, division);
        std::printf("%-6s %s\n", name.getString(), outcome.getResultText().getString());
    }
    return status;
}

int runCommand(const SCommand &command, int argumentCount, char **arguments)
{
    const CPanelCalculation &calculation = CPanelCalculation::forPanel(command.panel);
    const std::size_t fieldCount = calculation.getFieldCount();
    const std::size_t expected = fieldCount + (command.choice == EChoice::NONE ? 0 : 1);
    if (static_cast<std::size_t>(argumentCount) != expected)
        return usageError(std::string("usage: orvo-calc ") + command.name + " " + command.arguments);
    const std::vector<CString> fields(arguments, arguments + fieldCount);
    if (command.choice == EChoice::NONE)
        return printResult(calculation, fields, 0);
    const char *choiceText = arguments[fieldCount];
    if (command.choice == EChoice::DIVISION && std::strcmp(choiceText, ALL_DIVISIONS) == 0)
        return printDivisionTable(calculation, fields);
    long choice = 0;
    if (!parseChoice(command, choiceText, choice))
        return usageError(std::string("unknown ") + (command.choice == EChoice::DIVISION ? "division" : "note") +
                          " \"" + choiceText + "\"");
    return printResult(calculation, fields, choice);
}
} // namespace

int main(int argumentCount, char **arguments)
{
    if (argumentCount < 2)
        return usageError("no command given");
    const char *name = arguments[1];
    if (std::strcmp(name, "--help") == 0 || std::strcmp(name, "-h") == 0)
    {
        printHelp();
        return EXIT_RESULT;
    }
    if (std::strcmp(name, "--version") == 0)
    {
        std::printf("orvo-calc %s\n", ORVO_VERSION);
        return EXIT_RESULT;
    }
    const SCommand *command = findCommand(name);
    if (command == nullptr)
        return usageError(std::string("unknown command \"") + name + "\"");
    return runCommand(*command, argumentCount - 2, arguments + 2);
}
