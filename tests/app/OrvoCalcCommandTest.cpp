// Runs the built orvo-calc as a user would, and checks what it prints and how it exits.

#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using Corvane::Testing::TemporaryFolder;

namespace
{
struct CommandRun
{
    std::string output;
    std::string errors;
    int status;
};

std::string quoted(const std::string &argument)
{
    std::string quoted = "'";
    for (char character : argument)
        quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
    return quoted + "'";
}

CommandRun orvoCalc(const std::vector<std::string> &arguments)
{
    const TemporaryFolder folder;
    std::string command = quoted(ORVO_CALC_PATH);
    for (const std::string &argument : arguments)
        command += " " + quoted(argument);
    command += " 2>" + quoted(folder.file("errors"));
    CommandRun run{"", "", -1};
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, read);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.errors = TemporaryFolder::read(folder.file("errors"));
    return run;
}

/** The output and status of a run that must not complain. */
void expectResult(const std::vector<std::string> &arguments, const std::string &output, int status = 0)
{
    const CommandRun run = orvoCalc(arguments);
    EXPECT_EQ(run.output, output) << arguments[0];
    EXPECT_EQ(run.errors, "") << arguments[0];
    EXPECT_EQ(run.status, status) << arguments[0];
}

const char *const BPM_1 = "Orvo error\nBPM # 1 range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm\n";
const char *const BPM_2 = "Orvo error\nBPM # 2 range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm\n";
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
    expectResult({"closest-note", "13000"}, "Range Error\n", 3);
}

TEST(OrvoCalc, ShowsRangeMessagesAndTheResultOfTheResetValues)
{
    const CommandRun twoBadTempos = orvoCalc({"semitones", "0", "1000"});
    EXPECT_EQ(twoBadTempos.errors, std::string(BPM_1) + BPM_2);
    EXPECT_EQ(twoBadTempos.output, "0.00\n");
    EXPECT_EQ(twoBadTempos.status, 1);
}

TEST(OrvoCalc, PrintsTheTableOfAllDivisions)
{
    const CommandRun delays = orvoCalc({"delay", "140", "--all"});
    EXPECT_EQ(delays.status, 0);
    EXPECT_EQ(std::count(delays.output.begin(), delays.output.end(), '\n'), 39);
    EXPECT_EQ(delays.output.rfind("64     109714.29\n", 0), 0u);
    for (const char *line : {"\n1/4    428.57\n", "\n1/8D   321.43\n", "\n1/64T  17.86\n", "\n1/64D  40.18\n"})
        EXPECT_NE(delays.output.find(line), std::string::npos) << line;
    EXPECT_LT(delays.output.find("\n1/64 "), delays.output.find("\n64T "));
    EXPECT_LT(delays.output.find("\n1/64T "), delays.output.find("\n64D "));

    // A dotted note lasts longer than its straight one, so its delay may be the one too long to show.
    const CommandRun longest = orvoCalc({"delay", "1e-301", "--all"});
    EXPECT_EQ(longest.output.rfind("64     1535999999999", 0), 0u);
    EXPECT_NE(longest.output.find("\n64D    Range Error\n"), std::string::npos);
    EXPECT_EQ(longest.status, 3);

    const CommandRun rates = orvoCalc({"lfo", "0", "--all"});
    EXPECT_EQ(rates.status, 1);
    EXPECT_EQ(rates.errors, "Orvo error\nBPM range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm\n");
    EXPECT_NE(rates.output.find("\n1/4T   3.00\n"), std::string::npos);
}

TEST(OrvoCalc, RefusesWhatItDoesNotKnow)
{
    const std::vector<std::vector<std::string>> mistakes = {{},
                                                            {"tempo", "120"},
                                                            {"delay", "120"},
                                                            {"lfo", "120", "1/4", "1/8"},
                                                            {"note-frequency", "128"},
                                                            {"note-frequency", "--all"}};
    for (const auto &arguments : mistakes)
    {
        const CommandRun run = orvoCalc(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(run.errors.rfind("orvo-calc: ", 0), 0u) << run.errors;
        EXPECT_NE(run.errors.find("Try 'orvo-calc --help'."), std::string::npos);
    }
    EXPECT_EQ(orvoCalc({"delay", "120", "1/3"}).errors, "orvo-calc: unknown division \"1/3\"\n"
                                                        "Try 'orvo-calc --help'.\n");
}

TEST(OrvoCalc, DescribesItself)
{
    expectResult({"--version"}, "orvo-calc 5.0\n");
    const CommandRun help = orvoCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *text :
         {"e.g. orvo-calc delay 140 1/8D", "delay BPM --all", "time-to-bpm SECONDS BEATS", "bpm-to-time BPM BEATS",
          "semitones BPM1 BPM2", "stretch BPM1 BPM2", "shift BPM SEMITONES", "lfo BPM DIVISION", "lfo BPM --all",
          "closest-division BPM HZ", "note-frequency NOTE", "closest-note HZ", "  1  a value was out of range",
          "  2  usage error", "  3  the result itself"})
        EXPECT_NE(help.output.find(text), std::string::npos) << text;
}
