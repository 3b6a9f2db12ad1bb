#include "framework/music/CMusicMaths.hpp"

#include "framework/basics/CException.hpp"
#include "framework/music/CTimeSignature.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using Corvane::Basics::CString;
using Corvane::Exceptions::CException;
using Corvane::Music::CMusicMaths;
using Corvane::Music::CTimeSignature;

namespace
{
/** A value as the panels show it. */
std::string shown(double value)
{
    CString text;
    text.setStringWithFormat("%0.02f", value);
    return text.getString();
}

template <class NameOf> std::string nameOf(NameOf getName, long index)
{
    CString name("unchanged");
    getName(name, index);
    return name.getString();
}

const CTimeSignature COMMON_TIME(4, 4);
} // namespace

TEST(CMusicMaths, NamesEveryDivisionByItsIndex)
{
    const char *const names[] = {
        "64",  "32",  "16",  "8",  "4",  "2",  "1",  "1/2",  "1/4",  "1/8",  "1/16",  "1/32",  "1/64",  // straight
        "64T", "32T", "16T", "8T", "4T", "2T", "1T", "1/2T", "1/4T", "1/8T", "1/16T", "1/32T", "1/64T", // triplet
        "64D", "32D", "16D", "8D", "4D", "2D", "1D", "1/2D", "1/4D", "1/8D", "1/16D", "1/32D", "1/64D"};
    for (long division = 0; division < 39; division++)
    {
        EXPECT_EQ(nameOf(CMusicMaths::getTempoDivisionName, division), names[division]);
        EXPECT_EQ(CMusicMaths::findTempoDivision(names[division]), division);
        EXPECT_EQ(CMusicMaths::getDivisionType(division), division / 13);
    }
    EXPECT_EQ(CMusicMaths::findTempoDivision("1/16d"), 36);
    EXPECT_EQ(CMusicMaths::findTempoDivision("1/3"), -1);
    EXPECT_EQ(nameOf(CMusicMaths::getTempoDivisionName, 39), "unchanged");
    EXPECT_EQ(nameOf(CMusicMaths::getTempoDivisionName, -1), "unchanged");
    EXPECT_THROW(CMusicMaths::getDelayTime(120, 39, COMMON_TIME), CException);

    for (int position = 0; position < 13; position++)
    {
        EXPECT_EQ(CMusicMaths::NOTES_PER_BEAT[position], std::ldexp(1.0, position - 8));
        EXPECT_EQ(CMusicMaths::NOTES_PER_WHOLE_NOTE[position], std::ldexp(1.0, position - 6));
    }
}

TEST(CMusicMaths, DelaysAndRatesAreWhatMusiciansExpect)
{
    const struct
    {
        double bpm;
        const char *division;
        const char *milliseconds;
    } delays[] = {{140, "1/4", "428.57"},  {140, "1/8", "214.29"},  {140, "1/8D", "321.43"},
                  {140, "1/16", "107.14"}, {120, "1/8T", "166.67"}, {120, "1/4T", "333.33"},
                  {120, "1/4D", "750.00"}, {120, "1", "2000.00"},   {120, "64", "128000.00"}};
    for (const auto &delay : delays)
        EXPECT_EQ(
            shown(CMusicMaths::getDelayTime(delay.bpm, CMusicMaths::findTempoDivision(delay.division), COMMON_TIME)),
            delay.milliseconds)
            << delay.bpm << " bpm " << delay.division;
    // The beat is the signature's note value: a quarter note lasts two eighth-note beats.
    EXPECT_EQ(shown(CMusicMaths::getDelayTime(120, 8, CTimeSignature(6, 8))), "1000.00");

    EXPECT_DOUBLE_EQ(CMusicMaths::getDivisionFrequency(120, 9), 4.0);
    EXPECT_DOUBLE_EQ(CMusicMaths::getDivisionFrequency(120, 21), 3.0);
    EXPECT_EQ(shown(CMusicMaths::getDivisionFrequency(120, 34)), "1.33");
    EXPECT_DOUBLE_EQ(CMusicMaths::getDivisionFrequency(60, 0), 1.0 / 256);
}

TEST(CMusicMaths, ClosestDivisionFindsTheBandHoldingTheRate)
{
    EXPECT_EQ(CMusicMaths::getClosestTempoDivision(120, 3.99), 8);
    EXPECT_EQ(CMusicMaths::getClosestTempoDivision(120, 4.0), 9);
    EXPECT_EQ(CMusicMaths::getClosestTempoDivision(120, 0.015625), 1);
    EXPECT_EQ(CMusicMaths::getClosestTempoDivision(120, 0.0156249), 8);
    EXPECT_EQ(CMusicMaths::getClosestTempoDivision(120, 31.999), 11);
    EXPECT_EQ(CMusicMaths::getClosestTempoDivision(120, 32), 8);
}

TEST(CMusicMaths, NotesHaveNamesAndFrequencies)
{
    const char *const pitchClasses[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "Bb", "B"};
    for (long note = 0; note < 128; note++)
    {
        const std::string name = nameOf(CMusicMaths::getNoteName, note);
        EXPECT_EQ(name, pitchClasses[note % 12] + std::to_string(note / 12 - 1));
        EXPECT_EQ(CMusicMaths::findNote(name.c_str()), note);
    }
    EXPECT_EQ(nameOf(CMusicMaths::getNoteName, 128), "Range Error");
    EXPECT_EQ(nameOf(CMusicMaths::getNoteName, -1), "Range Error");

    EXPECT_EQ(CMusicMaths::noteToFrequency(69), 440.0);
    EXPECT_EQ(CMusicMaths::noteToFrequency(81), 880.0);
    EXPECT_EQ(CMusicMaths::noteToFrequency(57), 220.0);
    EXPECT_EQ(shown(CMusicMaths::noteToFrequency(60)), "261.63");
    EXPECT_EQ(CMusicMaths::noteToFrequency(69, 432), 432.0);
    EXPECT_EQ(shown(CMusicMaths::noteToFrequency(60, 432)), "256.87");
}

TEST(CMusicMaths, ReadsNotesInEverySpelling)
{
    const std::string sharp = "\u266F";
    const std::string flat = "\u266D";
    const struct
    {
        std::string name;
        long note;
    } spellings[] = {{"A#4", 70},
                     {"bb4", 70},
                     {"BB4", 70},
                     {"Db3", 49},
                     {"c#3", 49},
                     {"Eb2", 39},
                     {"Gb5", 78},
                     {"Ab0", 20},
                     {"E#4", 65},
                     {"Fb4", 64},
                     {"B#3", 60},
                     {"Cb4", 59},
                     {"Cbb4", 58},
                     {"F##4", 67},
                     {"C-1", 0},
                     {"C#-1", 1},
                     {"G9", 127},
                     {"Ab8", 116},
                     {"A04", 69},
                     {"A" + sharp + "4", 70},
                     {"B" + flat + "4", 70},
                     {"E" + flat + flat + "3", 50}};
    for (const auto &spelling : spellings)
        EXPECT_EQ(CMusicMaths::findNote(spelling.name.c_str()), spelling.note) << spelling.name;
    for (const std::string &notANote :
         {std::string(), std::string("A"), std::string("H2"), std::string("A4x"), std::string("A#b4"),
          std::string("C###4"), std::string("Cbbb4"), std::string("A-"), std::string("A+4"), std::string("A 4"),
          std::string("Cb-1"), std::string("G#9"), std::string("Ab9"), std::string("B#9"),
          std::string("A99999999999999999999"), std::string("A-99999999999999999999"), sharp + "4",
          "A" + sharp + flat + "4"})
        EXPECT_EQ(CMusicMaths::findNote(notANote.c_str()), -1) << notANote;
    EXPECT_EQ(CMusicMaths::findNote(nullptr), -1);
}

TEST(CMusicMaths, FrequencyGoesToTheNearestNote)
{
    EXPECT_EQ(CMusicMaths::frequencyToNote(440), 69);
    EXPECT_EQ(CMusicMaths::frequencyToNote(261.63), 60);
    EXPECT_EQ(CMusicMaths::frequencyToNote(452.0), 69);
    EXPECT_EQ(CMusicMaths::frequencyToNote(453.5), 70);
    EXPECT_EQ(CMusicMaths::frequencyToNote(12911.0), 127);
    EXPECT_EQ(CMusicMaths::frequencyToNote(12912.0), 128);
    EXPECT_EQ(CMusicMaths::frequencyToNote(7.9), -1);
    EXPECT_EQ(CMusicMaths::frequencyToNote(432, 432), 69);
    EXPECT_EQ(CMusicMaths::frequencyToNote(440, 400), 71);
    // No frequency at all still answers a defined number, one that names no note.
    EXPECT_EQ(CMusicMaths::frequencyToNote(0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(CMusicMaths::frequencyToNote(std::nan("")), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(CMusicMaths::frequencyToNote(HUGE_VAL), std::numeric_limits<std::int32_t>::max());

    EXPECT_EQ(shown(CMusicMaths::getCentsFromNote(445, 69)), "19.56");
    EXPECT_EQ(shown(CMusicMaths::getCentsFromNote(435, 69)), "-19.79");
    EXPECT_EQ(shown(CMusicMaths::getCentsFromNote(440, 69, 432)), "31.77");
    EXPECT_NEAR(CMusicMaths::getCentsFromNote(440, 69), 0.0, 1e-12);
    // Halfway between A4 and Bb4 belongs to Bb4, 50 cents flat of it.
    const double quarterToneAbove = 440 * std::exp2(1.0 / 24);
    EXPECT_NEAR(CMusicMaths::getCentsFromNote(quarterToneAbove, CMusicMaths::frequencyToNote(quarterToneAbove)), -50,
                1e-9);
}

TEST(CMusicMaths, SemitonesAreExactPowersOfTwo)
{
    EXPECT_EQ(CMusicMaths::shiftBySemitones(12, 120), 240.0);
    EXPECT_EQ(CMusicMaths::shiftBySemitones(-24, 120), 30.0);
    EXPECT_EQ(shown(CMusicMaths::shiftBySemitones(127, 999)), "1532732.18");
    EXPECT_EQ(shown(CMusicMaths::getSemitoneDifference(120, 240)), "12.00");
    EXPECT_EQ(shown(CMusicMaths::getSemitoneDifference(100, 50)), "-12.00");
    EXPECT_DOUBLE_EQ(CMusicMaths::getSemitoneDifference(440, 880 * std::exp2(7.0 / 12)), 19.0);
    // A quotient of these two overflows; their difference in semitones does not.
    EXPECT_EQ(shown(CMusicMaths::getSemitoneDifference(1e-320, 50)), "12823.93");
}

TEST(CMusicMaths, TempoConversions)
{
    EXPECT_DOUBLE_EQ(CMusicMaths::getTimeOrTempoForBeats(120, COMMON_TIME, 4), 2.0);
    EXPECT_EQ(CMusicMaths::getTimeOrTempoForBeats(120, CTimeSignature(3, 4), 4), 0.0);
    EXPECT_EQ(CMusicMaths::getSampleCount(0.5, 48000), 24000.0);
    EXPECT_EQ(CMusicMaths::getSampleCount(1.0 / 3, 48000), 16000.0);
    EXPECT_EQ(CMusicMaths::getSampleCount(0.1, 44100), 4410.0);
}

TEST(CMusicMaths, DivisorsThatUnderflowToZeroGiveNoNumberInsteadOfDividing)
{
    // The smallest double, divided by the signature's 4, is 0; a delay from it is beyond any number.
    EXPECT_EQ(CMusicMaths::getDelayTime(5e-324, 8, COMMON_TIME), HUGE_VAL);
    EXPECT_EQ(CMusicMaths::getTimeOrTempoForBeats(1e-320, COMMON_TIME, 2147483647), HUGE_VAL);
    EXPECT_EQ(CMusicMaths::getClosestTempoDivision(5e-324, 2), 8);
    EXPECT_EQ(CMusicMaths::getDivisionFrequency(0, 8), 0.0);
    EXPECT_EQ(CMusicMaths::getPercentage(-1, 0), -HUGE_VAL);
    EXPECT_TRUE(std::isnan(CMusicMaths::getPercentage(0, 0)));
}
