// Runs the built orvo-calc as a user would, and checks what it prints and how it exits.

#include "tests/app/OrvoCalcRun.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using Corvane::Testing::orvoCalc;
using Corvane::Testing::OrvoCalcRun;

namespace
{
/** The output and status of a run that must not complain. */
void expectResult(const std::vector<std::string> &arguments, const std::string &output, int status = 0)
{
    const OrvoCalcRun run = orvoCalc(arguments);
    EXPECT_EQ(run.output, output) << arguments[0] << " " << arguments[1];
    EXPECT_EQ(run.errors, "") << arguments[0] << " " << arguments[1];
    EXPECT_EQ(run.status, status) << arguments[0] << " " << arguments[1];
}

const std::string BPM_MESSAGE =
    "Orvo error\nBpm range error!\n\n0.0 < bpm < 1000.0\n\nBpm must be between 0 and 1000 bpm\n";

/** Each line of @p text, without its line break. */
std::vector<std::string> linesOf(const std::string &text)
{
    std::istringstream stream(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

/** @p text with every run of white space, line breaks and indents included, made one space. */
std::string flowing(const std::string &text)
{
    std::istringstream words(text);
    std::string flowing;
    for (std::string word; words >> word;)
        flowing += (flowing.empty() ? "" : " ") + word;
    return flowing;
}

std::size_t characters(const std::string &line)
{
    return static_cast<std::size_t>(std::count_if(
        line.begin(), line.end(), [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
}
} // namespace

TEST(OrvoCalc, PrintsEachPanelsResult)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> runs = {
        {{"delay", "140", "1/8D"}, "321.43\n"},      {{"delay", "120", "1/8T"}, "166.67\n"},
        {{"time-to-bpm", "2", "4"}, "120.00\n"},     {{"bpm-to-time", "120", "4"}, "2.00\n"},
        {{"semitones", "100", "50"}, "-12.00\n"},    {{"stretch", "100", "50"}, "200.00\n"},
        {{"shift", "120", "12"}, "240.00\n"},        {{"lfo", "120", "1/4D"}, "1.33\n"},
        {{"closest-division", "120", "4"}, "1/8\n"}, {{"note-frequency", "C4"}, "261.63\n"},
        {{"note-frequency", "69"}, "440.00\n"},      {{"note-frequency", "Bb2"}, "116.54\n"},
        {{"closest-note", "261.63"}, "C4\n"}};
    for (const auto &[arguments, output] : runs)
        expectResult(arguments, output);
}

TEST(OrvoCalc, SemitonesAreExactAndNoResultReadsMinusZero)
{
    expectResult({"shift", "999", "127"}, "1532732.18\n");
    expectResult({"shift", "120", "12"}, "240.00\n");
    expectResult({"shift", "120", "-12"}, "60.00\n");
    // The quotient of these tempos overflows, their difference in semitones does not.
    expectResult({"semitones", "1e-320", "50"}, "12823.93\n");
    expectResult({"semitones", "100", "99.9999"}, "0.00\n");
    expectResult({"semitones", "99.9999", "100"}, "0.00\n");
    expectResult({"shift", "0.001", "-127"}, "0.00\n");
}

TEST(OrvoCalc, ReadsNumbersByTheFieldGrammarAndNamesWhatItRefuses)
{
    for (const char *notANumber : {"0x10", "0x1p3", "inf"})
    {
        const OrvoCalcRun run = orvoCalc({"delay", notANumber, "1/4"});
        EXPECT_EQ(run.output, "500.00\n") << notANumber;
        EXPECT_EQ(run.status, 1) << notANumber;
        EXPECT_EQ(run.errors, std::string("orvo-calc: read '") + notANumber + "' as 0\n" +
                                  "orvo-calc: BPM 0 is out of range (0 < BPM < 1000); 120.00 is used instead\n" +
                                  BPM_MESSAGE);
    }
    // Both tempos refused, each message after its own line, and the result from the reset values.
    const OrvoCalcRun twoBadTempos = orvoCalc({"semitones", "0", "1000"});
    EXPECT_EQ(twoBadTempos.errors,
              "orvo-calc: BPM1 0 is out of range (0 < BPM1 < 1000); 120.00 is used instead\n"
              "Orvo error\nBPM # 1 range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm\n"
              "orvo-calc: BPM2 1000 is out of range (0 < BPM2 < 1000); 120.00 is used instead\n"
              "Orvo error\nBPM # 2 range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm\n");
    EXPECT_EQ(twoBadTempos.output, "0.00\n");
    EXPECT_EQ(twoBadTempos.status, 1);
    // The range on the first line is the one tested, where the window's text says otherwise.
    const OrvoCalcRun frequency = orvoCalc({"closest-note", "-5"});
    EXPECT_EQ(frequency.errors.rfind("orvo-calc: HZ -5 is out of range (0 < HZ <= 13000); 440.00 is used instead\n"
                                     "Orvo error\nFrequency range error!",
                                     0),
              0u);
    EXPECT_EQ(frequency.output, "A4\n");
}

TEST(OrvoCalc, SaysWhenPartOfAnArgumentWasIgnored)
{
    const OrvoCalcRun comma = orvoCalc({"time-to-bpm", "1,5", "4"});
    EXPECT_EQ(comma.errors, "orvo-calc: read '1,5' as 1\n");
    EXPECT_EQ(comma.output, "240.00\n");
    EXPECT_EQ(comma.status, 0);
    expectResult({"time-to-bpm", "1.5", "4"}, "160.00\n");
    expectResult({"time-to-bpm", " 1.5e0 ", "4"}, "160.00\n");

    const OrvoCalcRun parts = orvoCalc({"bpm-to-time", "12abc", "4.7"});
    EXPECT_EQ(parts.errors, "orvo-calc: read '12abc' as 12\norvo-calc: read '4.7' as 4\n");
    EXPECT_EQ(parts.output, "20.00\n");
    EXPECT_EQ(parts.status, 0);
    EXPECT_EQ(orvoCalc({"bpm-to-time", "120", "99999999999"})
                  .errors.rfind("orvo-calc: read '99999999999' as 2147483647\n", 0),
              0u);
    EXPECT_EQ(orvoCalc({"delay", "", "1/4"}).errors.rfind("orvo-calc: read '' as 0\n", 0), 0u);
    // The user's locale, even one with a decimal comma (compiled here, where none is installed), changes nothing.
    const Corvane::Testing::TemporaryFolder locales;
    const std::string folder = Corvane::Testing::shellQuoted(locales.path());
    const OrvoCalcRun german = Corvane::Testing::orvoCalcScript(
        "localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8 >/dev/null 2>&1; LOCPATH=" + folder +
        " LC_ALL=de_DE.UTF-8 ORVO_CALC time-to-bpm 1,5 4 && LOCPATH=" + folder +
        " LC_ALL=de_DE.UTF-8 ORVO_CALC time-to-bpm 1.5 4");
    EXPECT_EQ(german.errors, "orvo-calc: read '1,5' as 1\n");
    EXPECT_EQ(german.output, "240.00\n160.00\n");
}

TEST(OrvoCalc, ResultsOutOfRangeSaySoOnStandardError)
{
    const OrvoCalcRun note = orvoCalc({"closest-note", "13000"});
    EXPECT_EQ(note.output, "Range Error\n");
    EXPECT_EQ(note.errors, "orvo-calc: the result reads \"Range Error\": the nearest note lies outside C-1 to G9\n");
    EXPECT_EQ(note.status, 3);

    // A dotted note lasts longer than its straight one, so its delay may be the one too long to show.
    const OrvoCalcRun longest = orvoCalc({"delay", "1e-301", "--all"});
    EXPECT_EQ(longest.output.rfind("64     1535999999999", 0), 0u);
    EXPECT_NE(longest.output.find("\n64D    Range Error\n"), std::string::npos);
    EXPECT_EQ(longest.errors,
              "orvo-calc: the results for 64D read \"Range Error\": the result is too large for any number\n");
    EXPECT_EQ(longest.status, 3);
    // A tempo that underflows on its way to a divisor gives no number, rather than dividing by zero.
    EXPECT_EQ(orvoCalc({"delay", "5e-324", "1/4"}).output, "Range Error\n");
}

TEST(OrvoCalc, PrintsTheTableOfAllDivisions)
{
    const OrvoCalcRun delays = orvoCalc({"delay", "140", "--all"});
    EXPECT_EQ(delays.status, 0);
    EXPECT_EQ(std::count(delays.output.begin(), delays.output.end(), '\n'), 39);
    EXPECT_EQ(delays.output.rfind("64     109714.29\n", 0), 0u);
    for (const char *line : {"\n1/4    428.57\n", "\n1/8D   321.43\n", "\n1/64T  17.86\n", "\n1/64D  40.18\n"})
        EXPECT_NE(delays.output.find(line), std::string::npos) << line;
    EXPECT_LT(delays.output.find("\n1/64 "), delays.output.find("\n64T "));
    EXPECT_LT(delays.output.find("\n1/64T "), delays.output.find("\n64D "));

    const OrvoCalcRun rates = orvoCalc({"lfo", "0", "--all"});
    EXPECT_EQ(rates.status, 1);
    EXPECT_EQ(rates.errors, "orvo-calc: BPM 0 is out of range (0 < BPM < 1000); 120.00 is used instead\n"
                            "Orvo error\nBPM range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm\n");
    EXPECT_NE(rates.output.find("\n1/4T   3.00\n"), std::string::npos);
}

TEST(OrvoCalc, RefusesWhatItDoesNotKnow)
{
    const std::vector<std::vector<std::string>> mistakes = {{},
                                                            {"tempo", "120"},
                                                            {"delay", "120"},
                                                            {"lfo", "120", "1/4", "1/8"},
                                                            {"note-frequency", "128"},
                                                            {"note-frequency", "--all"},
                                                            {"delay", "120", "1/4", "--a4", "432"},
                                                            {"delay", "120", "1/4", "--bogus"},
                                                            {"closest-note", "440", "--a4"},
                                                            {"closest-note", "440", "--cents=yes"},
                                                            {"help", "tempo"},
                                                            {"help", "delay", "lfo"}};
    for (const auto &arguments : mistakes)
    {
        const OrvoCalcRun run = orvoCalc(arguments);
        EXPECT_EQ(run.status, 2) << run.errors;
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(run.errors.rfind("orvo-calc: ", 0), 0u) << run.errors;
        EXPECT_NE(run.errors.find("Try 'orvo-calc --help'."), std::string::npos);
    }
    EXPECT_EQ(orvoCalc({"delay", "120", "1/3"}).errors, "orvo-calc: unknown division \"1/3\"\n"
                                                        "Try 'orvo-calc --help'.\n");
    // An echoed argument is cut to 64 characters, its invalid and control bytes escaped.
    const std::string longName = "\xff\x1b[31m" + std::string(100, 'x');
    EXPECT_EQ(orvoCalc({"delay", "120", longName}).errors, "orvo-calc: unknown division \"\\xFF\\x1B[31m" +
                                                               std::string(58, 'x') +
                                                               "...\"\n"
                                                               "Try 'orvo-calc --help'.\n");
    EXPECT_EQ(orvoCalc({"note-frequency", "\xe2\x99\xaf\xe2"}).errors,
              "orvo-calc: unknown note \"\xe2\x99\xaf\\xE2\"\nTry 'orvo-calc --help'.\n");
}

TEST(OrvoCalc, WriteErrorsAreErrors)
{
    const OrvoCalcRun full = orvoCalc({"delay", "120", "--all"}, "> /dev/full");
    EXPECT_NE(full.status, 0);
    EXPECT_EQ(full.errors, "orvo-calc: cannot write the output: No space left on device\n");
    EXPECT_NE(orvoCalc({"--help"}, "> /dev/full").status, 0);

    const OrvoCalcRun closed = Corvane::Testing::orvoCalcIntoClosedPipe({"delay", "120", "1/4"});
    EXPECT_NE(closed.status, 0);
    EXPECT_EQ(closed.errors, "orvo-calc: cannot write the output: Broken pipe\n");
}

TEST(OrvoCalc, DescribesItselfInLinesThatFitEightyColumns)
{
    expectResult({"--version"}, "orvo-calc 5.0\n");
    const OrvoCalcRun help = orvoCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *text : {"delay BPM DIVISION",
                             "delay BPM --all",
                             "time-to-bpm SECONDS BEATS",
                             "bpm-to-time BPM BEATS",
                             "semitones BPM1 BPM2",
                             "stretch BPM1 BPM2",
                             "shift BPM SEMITONES",
                             "lfo BPM DIVISION",
                             "lfo BPM --all",
                             "closest-division BPM HZ",
                             "note-frequency NOTE",
                             "closest-note HZ",
                             "--a4 HZ",
                             "--samples RATE",
                             "--format tsv|csv",
                             "--json",
                             "--cents",
                             "\n  1  a value was out of range",
                             "\n  2  usage error",
                             "\n  3  the result itself",
                             "\n  4  the output could not be written",
                             "0x10, inf and nan"})
        EXPECT_NE(help.output.find(text), std::string::npos) << text;

    std::vector<std::string> texts = {help.output};
    for (const char *command : {"delay", "time-to-bpm", "bpm-to-time", "semitones", "stretch", "shift", "lfo",
                                "closest-division", "note-frequency", "closest-note"})
    {
        const OrvoCalcRun commandHelp = orvoCalc({"help", command});
        EXPECT_EQ(commandHelp.status, 0);
        EXPECT_EQ(orvoCalc({command, "--help"}).output, commandHelp.output) << command;
        texts.push_back(commandHelp.output);
    }
    for (const std::string &text : texts)
        for (const std::string &line : linesOf(text))
            EXPECT_LE(characters(line), 80u) << line;

    // Each argument with its range and reset value, and an example worked out by the program itself.
    EXPECT_NE(texts[1].find("$ orvo-calc delay 140 1/8D\n  321.43\n"), std::string::npos);
    const std::pair<std::size_t, const char *> explanations[] = {
        {1, "0 < BPM < 1000; reset to 120.00 when out of range"},
        {2, "a whole number, 0 < BEATS; reset to 4 when out of range"},
        {6, "-127 <= SEMITONES <= 127; reset to 12.00"},
        {8, "whose band holds the rate HZ at BPM"},
        {8, "the answer is 1/4 when no band holds the rate"},
        {10, "0 < HZ <= 13000; reset to 440.00"}};
    for (const auto &[text, explanation] : explanations)
        EXPECT_NE(flowing(texts[text]).find(explanation), std::string::npos) << explanation;
}

TEST(OrvoCalc, HasAManualPageMadeFromItsHelp)
{
    const OrvoCalcRun manual = orvoCalc({"--man"});
    EXPECT_EQ(manual.status, 0);
    EXPECT_EQ(manual.output.rfind(".TH ORVO-CALC 1 ", 0), 0u);
    std::ifstream built(ORVO_CALC_MAN_PAGE);
    std::ostringstream page;
    page << built.rdbuf();
    EXPECT_EQ(page.str(), manual.output);
    for (const char *text : {"\n.SH SYNOPSIS\n", "\n.SH EXIT STATUS\n", "\n.SS closest\\-division\n",
                             "\n.B \\-\\-a4 HZ\n", "(b or \\[u266D])", "\n$ orvo\\-calc delay 140 1/8D\n321.43\n"})
        EXPECT_NE(manual.output.find(text), std::string::npos) << text;
    // No line of text may start with what roff would take for a request.
    for (const std::string &line : linesOf(manual.output))
    {
        if (line.empty() || (line[0] != '.' && line[0] != '\''))
            continue;
        EXPECT_TRUE(line.rfind(".TH ", 0) == 0 || line.rfind(".SH ", 0) == 0 || line.rfind(".SS ", 0) == 0 ||
                    line.rfind(".B ", 0) == 0 || line == ".PP" || line == ".TP" || line == ".nf" || line == ".fi" ||
                    line == ".RS 4" || line == ".RE")
            << line;
    }
}
