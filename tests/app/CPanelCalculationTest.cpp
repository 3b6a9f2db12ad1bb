#include "app/calculations/CPanelCalculation.hpp"

#include "framework/basics/CException.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using Corvane::Basics::CString;
using Corvane::Exceptions::CException;
using Corvane::Orvo::CCalculationOutcome;
using Corvane::Orvo::CPanelCalculation;
using Corvane::Orvo::EPanel;
using Corvane::Testing::LiveCounts;

namespace
{
const std::string BPM = "Bpm range error!\n\n0.0 < bpm < 1000.0\n\nBpm must be between 0 and 1000 bpm";
const std::string LFO_BPM = "BPM range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm";
const std::string BPM_1 = "BPM # 1 range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm";
const std::string BPM_2 = "BPM # 2 range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm";
const std::string TIME =
    "Time in seconds range error!\n\n0.0 < time in seconds\n\nTime in seconds must be greater than 0";
const std::string BEATS = "Beats range error!\n\n0 < beats\n\nBeats must be greater than 0";
const std::string SHIFT = "Shift range error\n\n-127 < shift < 127\n\nShift must be between -127 and +127";
const std::string FREQUENCY = "Frequency range error!\n\n0.0 < bpm < 13000.0\n\nBpm must be between 0 and 13000 Hz";

/** "field | field => result", then each message as "\n[title] text", in the order raised. */
std::string run(EPanel panel, const std::vector<CString> &texts, long choice = 8)
{
    const CCalculationOutcome outcome = CPanelCalculation::forPanel(panel).calculate(texts, choice);
    std::string shown;
    for (const CString &field : outcome.getFieldTexts())
        shown += std::string(shown.empty() ? "" : " | ") + field.getString();
    shown += std::string(" => ") + outcome.getResultText().getString();
    for (const auto &message : outcome.getMessages())
        shown += std::string("\n[") + message.getTitle().getString() + "] " + message.getText().getString();
    return shown;
}
} // namespace

TEST(CPanelCalculation, EveryPanelStartsWithItsFirstResult)
{
    EXPECT_EQ(run(EPanel::DELAY, {"120.00"}), "120.00 => 500.00");
    EXPECT_EQ(run(EPanel::TIME_TO_BPM, {"2.00", "4"}), "2.00 | 4 => 120.00");
    EXPECT_EQ(run(EPanel::BPM_TO_TIME, {"120.00", "4"}), "120.00 | 4 => 2.00");
    EXPECT_EQ(run(EPanel::TEMPO_NOTE_SHIFT, {"120.00", "240.00"}), "120.00 | 240.00 => 12.00");
    EXPECT_EQ(run(EPanel::TIME_STRETCH, {"120.00", "125.00"}), "120.00 | 125.00 => 96.00");
    EXPECT_EQ(run(EPanel::TEMPO_SHIFT, {"120.00", "12.00"}), "120.00 | 12.00 => 240.00");
    EXPECT_EQ(run(EPanel::LFO, {"120.00"}), "120.00 => 2.00");
    EXPECT_EQ(run(EPanel::CLOSEST_DIVISION, {"120.00", "2.00"}), "120.00 | 2.00 => 1/4");
    EXPECT_EQ(run(EPanel::NOTE_FREQUENCY, {}, 69), " => 440.00");
    EXPECT_EQ(run(EPanel::CLOSEST_NOTE, {"440.00"}), "440.00 => A4");
}

TEST(CPanelCalculation, BadValuesRaiseTheirFieldsMessageAndAreReset)
{
    EXPECT_EQ(run(EPanel::DELAY, {"0"}), "120.00 => 500.00\n[Orvo error] " + BPM);
    EXPECT_EQ(run(EPanel::DELAY, {"1000"}, 22), "120.00 => 166.67\n[Orvo error] " + BPM);
    EXPECT_EQ(run(EPanel::TIME_TO_BPM, {"0.00", "-3"}),
              "8.00 | 4 => 30.00\n[Orvo error] " + TIME + "\n[Orvo error] " + BEATS);
    EXPECT_EQ(run(EPanel::BPM_TO_TIME, {"abc", "0"}),
              "120.00 | 4 => 2.00\n[Orvo error] " + BPM + "\n[Orvo error] " + BEATS);
    EXPECT_EQ(run(EPanel::TEMPO_NOTE_SHIFT, {"0", "1000"}),
              "120.00 | 120.00 => 0.00\n[Orvo error] " + BPM_1 + "\n[Orvo error] " + BPM_2);
    EXPECT_EQ(run(EPanel::TIME_STRETCH, {"-1", "100"}), "120.00 | 100.00 => 120.00\n[Orvo error] " + BPM_1);
    EXPECT_EQ(run(EPanel::TIME_STRETCH, {"60", "1e3"}), "60.00 | 120.00 => 50.00\n[Orvo error] " + BPM_2);
    EXPECT_EQ(run(EPanel::TEMPO_SHIFT, {"1000", "127.01"}),
              "120.00 | 12.00 => 240.00\n[Orvo error] " + BPM + "\n[Orvo error] " + SHIFT);
    EXPECT_EQ(run(EPanel::LFO, {"0"}, 9), "120.00 => 4.00\n[Orvo error] " + LFO_BPM);
    EXPECT_EQ(run(EPanel::CLOSEST_DIVISION, {"0", "13000"}),
              "120.00 | 440.00 => 1/4\n[Orvo error] " + BPM + "\n[Orvo error] " + FREQUENCY);
    EXPECT_EQ(run(EPanel::CLOSEST_NOTE, {"0"}), "440.00 => A4\n[Orvo error] " + FREQUENCY);
}

TEST(CPanelCalculation, ValuesAreReadAndRewrittenAsTheFieldsShowThem)
{
    EXPECT_EQ(run(EPanel::DELAY, {"999.999"}), "1000.00 => 60.00");
    EXPECT_EQ(run(EPanel::DELAY, {"1e2"}, 9), "100.00 => 300.00");
    EXPECT_EQ(run(EPanel::DELAY, {"  140abc"}, 35), "140.00 => 321.43");
    EXPECT_EQ(run(EPanel::BPM_TO_TIME, {"120", "2.9"}), "120.00 | 2 => 1.00");
    EXPECT_EQ(run(EPanel::BPM_TO_TIME, {"120", "99999999999"}), "120.00 | 2147483647 => 1073741823.50");
    EXPECT_EQ(run(EPanel::TEMPO_SHIFT, {"100", "-127"}), "100.00 | -127.00 => 0.07");
    EXPECT_EQ(run(EPanel::TEMPO_SHIFT, {"100", "127"}), "100.00 | 127.00 => 153426.64");
    EXPECT_EQ(run(EPanel::TEMPO_NOTE_SHIFT, {"100", "50"}), "100.00 | 50.00 => -12.00");
    EXPECT_EQ(run(EPanel::TIME_STRETCH, {"100", "50"}), "100.00 | 50.00 => 200.00");
    EXPECT_EQ(run(EPanel::NOTE_FREQUENCY, {}, 60), " => 261.63");
    EXPECT_EQ(run(EPanel::CLOSEST_NOTE, {"261.63"}), "261.63 => C4");
}

TEST(CPanelCalculation, ResultsOutsideTheNotesOrTheNumbersReadRangeError)
{
    const CCalculationOutcome top = CPanelCalculation::forPanel(EPanel::CLOSEST_NOTE).calculate({"13000"}, 0);
    EXPECT_STREQ(top.getResultText().getString(), "Range Error");
    EXPECT_TRUE(top.getMessages().empty());
    EXPECT_FALSE(top.isResultInRange());
    EXPECT_EQ(run(EPanel::CLOSEST_NOTE, {"12911"}), "12911.00 => G9");
    EXPECT_EQ(run(EPanel::CLOSEST_NOTE, {"7.9"}), "7.90 => Range Error");

    // Tempos and times so small that the answer overflows a double.
    EXPECT_EQ(run(EPanel::BPM_TO_TIME, {"1e-320", "4"}), "0.00 | 4 => Range Error");
    EXPECT_EQ(run(EPanel::TIME_TO_BPM, {"1e-310", "4"}), "0.00 | 4 => Range Error");
    // The semitones between them are a difference of logarithms, which stays finite.
    EXPECT_EQ(run(EPanel::TEMPO_NOTE_SHIFT, {"999", "5e-324"}), "999.00 | 0.00 => -13007.57");
}

TEST(CPanelCalculation, InfinityAndNotANumberFailEveryRange)
{
    for (const char *text : {"inf", "-inf", "nan", "1e999"})
    {
        EXPECT_EQ(run(EPanel::DELAY, {text}), "120.00 => 500.00\n[Orvo error] " + BPM) << text;
        EXPECT_EQ(run(EPanel::TIME_TO_BPM, {text, "4"}), "8.00 | 4 => 30.00\n[Orvo error] " + TIME) << text;
    }
}

TEST(CPanelCalculation, NumbersFollowOneGrammarAndSayWhatWasIgnored)
{
    for (const char *notDecimal : {"0x10", "0x1p3", "nan", "infinity", ".", "-", "e5"})
        EXPECT_EQ(run(EPanel::DELAY, {notDecimal}), "120.00 => 500.00\n[Orvo error] " + BPM) << notDecimal;
    EXPECT_EQ(run(EPanel::BPM_TO_TIME, {"0x10", "0x10"}),
              "120.00 | 4 => 2.00\n[Orvo error] " + BPM + "\n[Orvo error] " + BEATS);

    const CCalculationOutcome outcome = CPanelCalculation::forPanel(EPanel::BPM_TO_TIME).calculate({" 1,5", "4.7"}, 0);
    ASSERT_EQ(outcome.getFieldReadings().size(), 2u);
    const auto &tempo = outcome.getFieldReadings()[0];
    EXPECT_STREQ(tempo.getText().getString(), " 1,5");
    EXPECT_EQ(tempo.getNumber().getValue(), 1.0);
    EXPECT_FALSE(tempo.getNumber().isExact());
    EXPECT_TRUE(tempo.isAccepted());
    const auto &beats = outcome.getFieldReadings()[1];
    EXPECT_EQ(beats.getValue(), 4.0);
    EXPECT_FALSE(beats.getNumber().isExact());
    EXPECT_EQ(outcome.getResultValue(), 240.0);

    const CCalculationOutcome refused = CPanelCalculation::forPanel(EPanel::TEMPO_NOTE_SHIFT).calculate({"60", "0"}, 0);
    const auto &second = refused.getFieldReadings()[1];
    EXPECT_FALSE(second.isAccepted());
    EXPECT_TRUE(second.getNumber().isExact());
    EXPECT_EQ(second.getValue(), 120.0);
    EXPECT_EQ(refused.getMessages().at(second.getMessageIndex()).getText().getString(), BPM_2);
}

TEST(CPanelCalculation, NotesCountFromTheTuningOfA4)
{
    const CPanelCalculation &frequency = CPanelCalculation::forPanel(EPanel::NOTE_FREQUENCY);
    EXPECT_STREQ(frequency.calculate({}, 69, 432).getResultText().getString(), "432.00");
    EXPECT_STREQ(frequency.calculate({}, 60, 432).getResultText().getString(), "256.87");
    const CCalculationOutcome note = CPanelCalculation::forPanel(EPanel::CLOSEST_NOTE).calculate({"432"}, 0, 432);
    EXPECT_STREQ(note.getResultText().getString(), "A4");
    EXPECT_EQ(note.getResultValue(), 69.0);
    EXPECT_EQ(CPanelCalculation::forPanel(EPanel::CLOSEST_DIVISION).calculate({"120", "4"}, 0).getResultValue(), 9.0);
    EXPECT_TRUE(std::isnan(CPanelCalculation::forPanel(EPanel::CLOSEST_NOTE).calculate({"13000"}, 0).getResultValue()));
    EXPECT_THROW(frequency.calculate({}, 69, 399.99), CException);
    EXPECT_THROW(frequency.calculate({}, 69, std::nan("")), CException);
}

TEST(CPanelCalculation, RefusesCallsThatNoPanelMakesAndLeavesNothingAlive)
{
    const LiveCounts before;
    const CPanelCalculation &delay = CPanelCalculation::forPanel(EPanel::DELAY);
    EXPECT_EQ(delay.getFieldCount(), 1u);
    EXPECT_EQ(CPanelCalculation::forPanel(EPanel::NOTE_FREQUENCY).getFieldCount(), 0u);
    EXPECT_THROW(delay.calculate({"120", "4"}, 8), CException);
    EXPECT_THROW(delay.calculate({"120"}, 39), CException);
    EXPECT_THROW(CPanelCalculation::forPanel(EPanel::LFO).calculate({"120"}, -1), CException);
    run(EPanel::TEMPO_NOTE_SHIFT, {"0", "0"});
    EXPECT_EQ(LiveCounts().differencesFrom(before), "");
}
