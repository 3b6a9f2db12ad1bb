// The built orvo-calc's spellings of notes, tuning, cents, sample counts, JSON and separated tables.

#include "tests/app/OrvoCalcRun.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using Corvane::Testing::orvoCalc;
using Corvane::Testing::OrvoCalcRun;
using Corvane::Testing::orvoCalcScript;
using Corvane::Testing::shellQuoted;

namespace
{
const std::string SHARP = "\u266F";
const std::string FLAT = "\u266D";

/**
 * Another spelling of @p note than the window's: the flat or sharp partner of a black key, in
 * ASCII or Unicode signs, and for a white key the sharp or flat of a neighbour (E#, Fb, B#, Cb)
 * or a double sign, in changing letter case.
 */
std::string partnerSpelling(int note)
{
    const int octave = note / 12 - 1;
    const bool unicode = note % 2 == 0;
    const std::string sharp = unicode ? SHARP : "#";
    const std::string flat = unicode ? FLAT : "b";
    static const struct
    {
        const char *letter;
        int octaveShift;
        int signs; // +1 sharp, -1 flat, +2 double sharp, -2 double flat
    } partners[12] = {{"B", -1, 1}, {"D", 0, -1}, {"C", 0, 2},  {"E", 0, -1}, {"F", 0, -1}, {"E", 0, 1},
                      {"G", 0, -1}, {"A", 0, -2}, {"A", 0, -1}, {"B", 0, -2}, {"A", 0, 1},  {"C", 1, -1}};
    const auto &partner = partners[note % 12];
    std::string name = note % 3 == 0 ? std::string(1, static_cast<char>(partner.letter[0] + 32)) : partner.letter;
    for (int sign = 0; sign < std::abs(partner.signs); sign++)
        name += partner.signs > 0 ? sharp : flat;
    return name + std::to_string(octave + partner.octaveShift);
}

nlohmann::json jsonOf(std::vector<std::string> arguments)
{
    arguments.push_back("--json");
    return nlohmann::json::parse(orvoCalc(arguments).output);
}
} // namespace

TEST(OrvoCalcOptions, EnharmonicSpellingsEqualTheirPartnersForAllNotes)
{
    std::string partners;
    std::string frequencies;
    for (int note = 0; note < 128; note++)
    {
        // B#-1 would be below C-1: the first C keeps its own name, in another case.
        partners += " " + shellQuoted(note == 0 ? "c-1" : partnerSpelling(note));
        char frequency[32];
        std::snprintf(frequency, sizeof frequency, "%.2f\n", 440 * std::exp2((note - 69) / 12.0));
        frequencies += frequency;
    }
    const OrvoCalcRun byPartner = orvoCalcScript(
        "for note in" + partners + "; do ORVO_CALC note-frequency \"$note\" || echo \"refused $note\"; done");
    EXPECT_EQ(byPartner.errors, "");
    EXPECT_EQ(byPartner.output, frequencies);

    for (const char *number : {"0069", "069", "69"})
        EXPECT_EQ(orvoCalc({"note-frequency", number}).output, "440.00\n") << number;
    EXPECT_EQ(orvoCalc({"note-frequency", "007"}).output, orvoCalc({"note-frequency", "G-1"}).output);
    EXPECT_EQ(orvoCalc({"note-frequency", "B#3"}).output, "261.63\n");
    EXPECT_EQ(orvoCalc({"note-frequency", "Cb-1"}).status, 2);
    EXPECT_EQ(orvoCalc({"note-frequency", "G#9"}).status, 2);
}

TEST(OrvoCalcOptions, NotesCountFromTheTuningOfA4WithCents)
{
    EXPECT_EQ(orvoCalc({"note-frequency", "A4", "--a4", "432"}).output, "432.00\n");
    EXPECT_EQ(orvoCalc({"note-frequency", "C4", "--a4=432"}).output, "256.87\n");
    EXPECT_EQ(orvoCalc({"closest-note", "432", "--a4", "432"}).output, "A4\n");
    EXPECT_EQ(orvoCalc({"closest-note", "440", "--a4", "415.3"}).output, "Bb4\n");
    for (const char *tuning : {"399.9", "480.1", "432Hz", "", "nan"})
    {
        const OrvoCalcRun refused = orvoCalc({"note-frequency", "A4", "--a4", tuning});
        EXPECT_EQ(refused.status, 2) << tuning;
        EXPECT_EQ(refused.errors.rfind("orvo-calc: --a4 takes a frequency from 400 to 480 Hz, not \"", 0), 0u);
    }

    EXPECT_EQ(orvoCalc({"closest-note", "445", "--cents"}).output, "A4 +19.56\n");
    EXPECT_EQ(orvoCalc({"closest-note", "435", "--cents"}).output, "A4 -19.79\n");
    EXPECT_EQ(orvoCalc({"closest-note", "440", "--cents"}).output, "A4 +0.00\n");
    EXPECT_EQ(orvoCalc({"closest-note", "440", "--cents", "--a4", "432"}).output, "A4 +31.77\n");
    const OrvoCalcRun noNote = orvoCalc({"closest-note", "13000", "--cents"});
    EXPECT_EQ(noNote.output, "Range Error\n");
    EXPECT_EQ(noNote.status, 3);
}

TEST(OrvoCalcOptions, SampleCountsStandNextToTheTimes)
{
    EXPECT_EQ(orvoCalc({"delay", "120", "1/4", "--samples", "48000"}).output, "500.00 24000\n");
    EXPECT_EQ(orvoCalc({"delay", "120", "1/4T", "--samples", "48000"}).output, "333.33 16000\n");
    EXPECT_EQ(orvoCalc({"bpm-to-time", "120", "4", "--samples", "44100"}).output, "2.00 88200\n");
    const std::string table = orvoCalc({"delay", "120", "--all", "--samples", "48000"}).output;
    EXPECT_EQ(table.rfind("64     128000.00 6144000\n", 0), 0u);
    EXPECT_NE(table.find("\n1/4    500.00    24000\n"), std::string::npos);
    EXPECT_NE(table.find("\n1/4T   333.33    16000\n"), std::string::npos);
    for (const char *rate : {"0", "44.1k", "10000001", "-48000"})
        EXPECT_EQ(orvoCalc({"delay", "120", "1/4", "--samples", rate}).status, 2) << rate;
    EXPECT_EQ(orvoCalc({"lfo", "120", "1/4", "--samples", "48000"}).status, 2);
}

TEST(OrvoCalcOptions, JsonRoundTripsATable)
{
    const std::string aligned = orvoCalc({"delay", "120", "--all", "--samples", "48000"}).output;
    const OrvoCalcRun run = orvoCalc({"delay", "120", "--all", "--samples", "48000", "--json"});
    EXPECT_EQ(run.status, 0);
    const nlohmann::json document = nlohmann::json::parse(run.output);
    EXPECT_EQ(document["command"], "delay");
    EXPECT_EQ(document["inputs"][0]["text"], "120");
    EXPECT_EQ(document["inputs"][0]["value"], 120);
    EXPECT_EQ(document["inputs"][0]["shown"], "120.00");
    EXPECT_EQ(document["sample_rate"], 48000);
    EXPECT_EQ(document["status"], 0);
    EXPECT_TRUE(document["messages"].empty());
    ASSERT_EQ(document["results"].size(), 39u);
    std::istringstream lines(aligned);
    for (const auto &row : document["results"])
    {
        std::string division, text, samples;
        lines >> division >> text >> samples;
        EXPECT_EQ(row["division"], division);
        EXPECT_EQ(row["text"], text);
        EXPECT_EQ(row["samples"], std::stoll(samples));
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.2f", row["value"].get<double>());
        EXPECT_EQ(rounded, text);
    }
    EXPECT_EQ(document["results"][21]["samples"], 16000);
}

TEST(OrvoCalcOptions, JsonHoldsTheInputsAsReadTheMessagesAndTheStatus)
{
    const OrvoCalcRun refused = orvoCalc({"semitones", "60", "abc", "--json"});
    EXPECT_EQ(refused.status, 1);
    const nlohmann::json document = nlohmann::json::parse(refused.output);
    const auto &second = document["inputs"][1];
    EXPECT_EQ(second["name"], "BPM2");
    EXPECT_EQ(second["read"], 0);
    EXPECT_EQ(second["exact"], false);
    EXPECT_EQ(second["accepted"], false);
    EXPECT_EQ(second["value"], 120);
    EXPECT_EQ(document["result"]["text"], "12.00");
    EXPECT_EQ(document["messages"][0]["title"], "Orvo error");
    EXPECT_EQ(document["warnings"][0], "read 'abc' as 0");
    EXPECT_EQ(document["status"], 1);

    const nlohmann::json note = jsonOf({"closest-note", "13000", "--cents"});
    EXPECT_TRUE(note["result"]["value"].is_null());
    EXPECT_TRUE(note["result"]["cents"].is_null());
    EXPECT_EQ(note["status"], 3);
    const nlohmann::json cents = jsonOf({"closest-note", "445", "--cents", "--a4", "440"});
    EXPECT_EQ(cents["result"]["value"], 69);
    EXPECT_NEAR(cents["result"]["cents"].get<double>(), 19.562, 0.001);
    const nlohmann::json chosen = jsonOf({"note-frequency", "db3"});
    EXPECT_EQ(chosen["inputs"][0]["value"], 49);
    EXPECT_EQ(chosen["inputs"][0]["shown"], "C#3");
    EXPECT_EQ(jsonOf({"closest-division", "120", "4"})["result"]["value"], 9);
}

TEST(OrvoCalcOptions, TablesForOtherPrograms)
{
    const std::string tsv = orvoCalc({"delay", "120", "--all", "--format", "tsv"}).output;
    EXPECT_EQ(tsv.rfind("division\tms\n64\t128000.00\n", 0), 0u);
    EXPECT_NE(tsv.find("\n1/4\t500.00\n"), std::string::npos);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 40);
    const std::string csv = orvoCalc({"delay", "120", "--all", "--format=csv", "--samples", "48000"}).output;
    EXPECT_EQ(csv.rfind("division,ms,samples\n64,128000.00,6144000\n", 0), 0u);
    EXPECT_NE(csv.find("\n1/4T,333.33,16000\n"), std::string::npos);
    EXPECT_EQ(orvoCalc({"lfo", "120", "--all", "--format", "csv"}).output.rfind("division,hz\n64,0.01\n", 0), 0u);
    EXPECT_EQ(orvoCalc({"delay", "120", "1/4", "--format", "tsv"}).status, 2);
    EXPECT_EQ(orvoCalc({"delay", "120", "--all", "--format", "tsv", "--json"}).status, 2);
    EXPECT_EQ(orvoCalc({"delay", "120", "--all", "--format", "xml"}).status, 2);
}
