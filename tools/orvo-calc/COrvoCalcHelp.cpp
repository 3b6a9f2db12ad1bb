#include "tools/orvo-calc/COrvoCalcHelp.hpp"

#include "tools/orvo-calc/CCalculationRun.hpp"
#include "tools/orvo-calc/CCommandLine.hpp"

#include <sstream>

namespace Corvane::Orvo::Calc
{
namespace
{
/** An option as the help explains it; @p neededOption is what a command must take to show it (0: every command). */
struct SOptionHelp
{
    unsigned neededOption;
    const char *term;
    const char *text;
};

const SOptionHelp OPTION_HELP[] = {
    {TABLE, "--all", "the result for every one of the 39 divisions, as a table, in place of DIVISION"},
    {TABLE, "--format tsv|csv",
     "the --all table as tab- or comma-separated values, after a line that names the columns"},
    {SAMPLES, "--samples RATE",
     "also the length in whole samples (rounded to the nearest) at RATE samples per second, a whole number from 1 "
     "to 10000000"},
    {TUNING, "--a4 HZ", "the frequency of A4 that every note is tuned from, 400 to 480 Hz; 440 when not given"},
    {CENTS, "--cents", "also how far HZ lies from the note, in signed cents (hundredths of a semitone): A4 +19.56"},
    {0, "--json",
     "everything as one JSON document: the inputs as read, the result as a number and as text, the messages and "
     "warnings, and the exit status"},
    {0, "--help", "the command's arguments with their ranges and reset values, its options, and an example"},
};

/** The commands that take @p option, such as "delay, bpm-to-time". */
std::string commandsTaking(unsigned option)
{
    std::string names;
    for (const SCommand &command : SCommand::all())
        if (command.takes(static_cast<EOption>(option)))
            names += (names.empty() ? "" : ", ") + std::string(command.name);
    return names;
}

std::vector<std::string> words(const std::string &text)
{
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

void addProgramSections(CHelpDocument &document)
{
    document.addHeading("Numbers");
    document.addParagraph(
        "A decimal is read as Orvo's window reads a field: optional white space, an optional sign, digits with an "
        "optional point and fraction, and an optional exponent (e or E, an optional sign, digits). A whole number "
        "(BEATS) is only a sign and digits. Reading stops at the first other character and text without a number "
        "reads as 0; when part of an argument is ignored, standard error says what was read "
        "(orvo-calc: read '1,5' as 1). The point is the decimal separator whatever the locale; 0x10, inf and nan "
        "are not numbers.");
    document.addParagraph("A value out of range is refused with the window's message on standard error and "
                          "replaced by the argument's reset value, and the calculation goes on with it.");
    document.addHeading("Divisions");
    document.addParagraph("A DIVISION is a note length as Orvo's menus name it: 64, 32, 16, 8, 4, 2 and 1 whole "
                          "notes, then 1/2, 1/4, 1/8, 1/16, 1/32 and 1/64 of one; T after the name makes it a "
                          "triplet and D dotted (1/8T, 1/16D), in either case. 1/4 is one beat.");
    document.addHeading("Notes");
    document.addParagraph("A NOTE is a letter from A to G, up to two sharps (# or \u266F) or two flats (b or "
                          "\u266D), and an octave from -1 to 9, in any letter case: A4, C#3, Db3, bb2, E#4 (F4), "
                          "B#3 (C4), Cb4 (B3). Notes run from C-1 to G9; a number from 0 to 127 names the same notes "
                          "(69 is A4, and 0069 is 69). Results spell notes as the window does, with sharps and Bb.");
    document.addHeading("Exit status");
    document.addItem("0", "the result was worked out from the values given");
    document.addItem("1", "a value was out of range: its message is on standard error, and the result was worked "
                          "out from the reset value");
    document.addItem("2", "usage error: unknown command, option, division or note, or wrong number of arguments");
    document.addItem("3", "the result itself is out of range and reads \"Range Error\"");
    document.addItem("4", "the output could not be written");
}
} // namespace

CHelpDocument COrvoCalcHelp::forProgram(bool isManual)
{
    CHelpDocument document;
    if (isManual)
        document.addHeading("Synopsis");
    document.addVerbatim({"Usage: orvo-calc COMMAND ARGUMENT... [OPTION...]", "       orvo-calc help [COMMAND]"});
    if (isManual)
        document.addHeading("Description");
    document.addParagraph("Works out one of Orvo's calculations and prints its result as Orvo's window shows it. Run "
                          "'orvo-calc help COMMAND' for a command's arguments, ranges and an example.");
    document.addHeading("Commands");
    for (const SCommand &command : SCommand::all())
    {
        document.addItem(command.getSynopsis(false), command.summary);
        if (command.takes(TABLE))
            document.addItem(command.getSynopsis(true), "the table of all 39 divisions");
    }
    document.addHeading("Options");
    for (const SOptionHelp &option : OPTION_HELP)
    {
        const std::string applies = option.neededOption == 0 ? "" : " (" + commandsTaking(option.neededOption) + ")";
        document.addItem(option.term, option.text + applies);
    }
    document.addItem("--version", "the version of orvo-calc");
    document.addItem("--man", "the manual page, in roff (orvo-calc --man | man -l -)");
    addProgramSections(document);
    return document;
}

CHelpDocument COrvoCalcHelp::forCommand(const SCommand &command)
{
    CHelpDocument document;
    addCommandBody(document, command, 1);
    return document;
}

void COrvoCalcHelp::addCommandBody(CHelpDocument &document, const SCommand &command, int headingLevel)
{
    std::vector<std::string> usage = {"Usage: orvo-calc " + command.getSynopsis(false) +
                                      getUsageOptions(command, false)};
    if (command.takes(TABLE))
        usage.push_back("       orvo-calc " + command.getSynopsis(true) + getUsageOptions(command, true));
    document.addVerbatim(usage);
    document.addParagraph(command.details);
    if (headingLevel == 1)
        document.addParagraph("Run 'orvo-calc --help' for how numbers, divisions and notes are read, and for the "
                              "exit statuses.");
    document.addHeading("Arguments", headingLevel);
    for (std::size_t field = 0; field < command.fields.size(); field++)
        document.addItem(command.fields[field].name,
                         std::string(command.fields[field].meaning) + ": " + command.describeField(field));
    if (command.choice == EChoice::DIVISION)
        document.addItem("DIVISION", "a note length: 64 to 1 whole notes, 1/2 to 1/64, with T for a triplet or D "
                                     "for a dotted note (1/4, 1/8T, 1/16D)");
    else if (command.choice == EChoice::NOTE)
        document.addItem("NOTE", "a note from C-1 to G9 in any spelling (A4, C#3, Db3, B#3) or its number from 0 "
                                 "to 127 (69 is A4)");
    document.addHeading("Options", headingLevel);
    for (const SOptionHelp &option : OPTION_HELP)
        if (option.neededOption == 0 || command.takes(static_cast<EOption>(option.neededOption)))
            document.addItem(option.term, option.text);
    document.addHeading("Example", headingLevel);
    document.addVerbatim(runExample(command));
}

std::string COrvoCalcHelp::getUsageOptions(const SCommand &command, bool isTable)
{
    std::string options;
    if (command.takes(SAMPLES))
        options += " [--samples RATE]";
    if (command.takes(TUNING))
        options += " [--a4 HZ]";
    if (command.takes(CENTS))
        options += " [--cents]";
    return options + (isTable ? " [--json | --format tsv|csv]" : " [--json]");
}

std::vector<std::string> COrvoCalcHelp::runExample(const SCommand &command)
{
    std::vector<std::string> arguments = words(command.exampleArguments);
    arguments.insert(arguments.begin(), command.name);
    const CCommandLine line(arguments);
    std::vector<std::string> lines = {"$ orvo-calc " + std::string(command.name) + " " + command.exampleArguments};
    std::istringstream output(CCalculationRun(line.getRequest()).getText());
    for (std::string outputLine; std::getline(output, outputLine);)
        lines.push_back(outputLine);
    return lines;
}

std::string COrvoCalcHelp::manPage()
{
    CHelpDocument document = forProgram(true);
    document.addHeading("Commands in detail");
    for (const SCommand &command : SCommand::all())
    {
        document.addHeading(command.name, 2);
        addCommandBody(document, command, 3);
    }
    return document.toManPage(".TH ORVO-CALC 1 \"\" \"Orvo " ORVO_VERSION "\" \"User Commands\"",
                              "orvo-calc - Orvo's musical calculations from a shell");
}
} // namespace Corvane::Orvo::Calc
