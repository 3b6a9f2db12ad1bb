#pragma once

#include "framework/basics/CString.hpp"

#include <cstdint>

namespace Corvane::Music
{
class CTimeSignature;

/**
 * The musical arithmetic of the calculator: tempo divisions and their names, the conversions
 * between tempo, time, rate, note number and semitones, and the note names. Nothing here shows
 * a message or validates a value: callers check their inputs first.
 *
 * A tempo division is an index from 0 to 38: 0 to 12 are the straight lengths "64" (64 whole
 * notes) to "1/64", 13 to 25 the same lengths as triplets ("64T" to "1/64T"), 26 to 38 dotted
 * ("64D" to "1/64D"). The position of a division is its place within its type, 0 to 12.
 */
class CMusicMaths
{
public:
    CMusicMaths() = delete;

    enum EDivisionType
    {
        STRAIGHT = 0,
        TRIPLET = 1,
        DOTTED = 2
    };

    static constexpr long POSITION_COUNT = 13;
    static constexpr long TEMPO_DIVISION_COUNT = 3 * POSITION_COUNT;
    /** "1/4", one beat: the division every chooser starts on. */
    static constexpr long DEFAULT_TEMPO_DIVISION = 8;

    /** Three notes of a triplet fill the time of two straight ones. */
    static constexpr double TRIPLET_LENGTH_FACTOR = 2.0 / 3.0;
    /** The dot adds half the note's own length. */
    static constexpr double DOTTED_LENGTH_FACTOR = 3.0 / 2.0;

    /** How many notes of each position fit in one beat: 2^(position - 8). */
    static constexpr double NOTES_PER_BEAT[POSITION_COUNT] = {
        1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2, 1, 2, 4, 8, 16};
    /** How many notes of each position fit in one whole note: 2^(position - 6). */
    static constexpr double NOTES_PER_WHOLE_NOTE[POSITION_COUNT] = {
        1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2, 1, 2, 4, 8, 16, 32, 64};

    /** The straight lengths by position, from 64 whole notes to a sixty-fourth note. */
    static constexpr const char *STRAIGHT_DIVISION_NAMES[POSITION_COUNT] = {
        "64", "32", "16", "8", "4", "2", "1", "1/2", "1/4", "1/8", "1/16", "1/32", "1/64"};
    /** What each type adds to the straight name. */
    static constexpr const char *DIVISION_TYPE_SUFFIXES[3] = {"", "T", "D"};

    static constexpr long NOTE_COUNT = 128;
    /** Pitch classes from C, with sharps except for B flat. */
    static constexpr const char *NOTE_NAMES[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "Bb", "B"};
    /** What a note number outside 0 to 127 is called. */
    static constexpr const char *RANGE_ERROR_TEXT = "Range Error";

    static bool isTempoDivision(long division);
    /** The type of a division from 0 to 38; throws a CException for any other index. */
    static EDivisionType getDivisionType(long division);
    /** The position (0 to 12) of a division from 0 to 38; throws a CException for any other index. */
    static long getDivisionPosition(long division);
    /** How much longer than its straight note a division lasts: 1, the triplet or the dotted factor. */
    static double getLengthFactor(long division);

    /** Sets @p out to the division's name, such as "1/8T"; an index outside 0 to 38 leaves it unchanged. */
    static void getTempoDivisionName(Basics::CString &out, long division);
    /** The division called @p name, ignoring case ("1/8d" is "1/8D"), or -1 when none is. */
    static long findTempoDivision(const char *name);

    /**
     * The straight division from "32" to "1/32" whose band of rates holds @p frequency at @p bpm:
     * the band of a position runs from its notes per beat up to, not including, the next
     * position's. A rate in no band answers "1/4".
     */
    static std::int32_t getClosestTempoDivision(double bpm, double frequency);

    /** The tuning reference every note is counted from unless a caller gives another. */
    static constexpr double DEFAULT_A4_HERTZ = 440.0;
    /** The note number of A4, the tuning reference. */
    static constexpr long A4_NOTE = 69;

    /**
     * The nearest equal-tempered note to @p hertz, with A4 (note 69) tuned to @p a4Hertz; a
     * frequency halfway between two notes goes to the upper one. Answers below 0 or above 127
     * name no note. A value beyond the 32-bit range (no frequency, or not a number) answers the
     * nearest 32-bit limit, the lowest one for not a number.
     */
    static std::int32_t frequencyToNote(double hertz, double a4Hertz = DEFAULT_A4_HERTZ);
    /** The frequency of @p note in equal temperament: @p a4Hertz for note 69. */
    static double noteToFrequency(long note, double a4Hertz = DEFAULT_A4_HERTZ);
    /**
     * How far @p hertz lies from @p note, in cents (hundredths of a semitone): positive when it is
     * sharp. For the note frequencyToNote finds, from -50 (inclusive) up to +50.
     */
    static double getCentsFromNote(double hertz, long note, double a4Hertz = DEFAULT_A4_HERTZ);

    /** "A4" for 69, "C-1" for 0, "G9" for 127; RANGE_ERROR_TEXT outside 0 to 127. */
    static void getNoteName(Basics::CString &out, long note);
    /**
     * The note number of a name in any spelling theory uses, or -1 when it names no note from 0
     * to 127: a letter, up to two sharps (# or U+266F) or up to two flats (b or U+266D), and the
     * octave, in any letter case. Bb4 and A#4 are both 70; B#3 is C4 (60), Cb4 is B3 (59).
     */
    static long findNote(const char *name);

    /**
     * The semitones from one tempo (or frequency) to another; negative when @p to is lower. Taken
     * as a difference of logarithms, so that no quotient of the two can overflow.
     */
    static double getSemitoneDifference(double from, double to);
    /** @p a as a percentage of @p b. */
    static double getPercentage(double a, double b);
    /** @p value raised by @p semitones equal-tempered semitones (fractions allowed): value * 2^(semitones/12). */
    static double shiftBySemitones(double semitones, double value);
    /** The whole number of samples, rounded to the nearest, that @p seconds last at @p sampleRate. */
    static double getSampleCount(double seconds, double sampleRate);

    /**
     * With @p x a tempo, the seconds that @p beats beats last; with @p x a time in seconds, the
     * tempo at which @p beats beats fill it. The signature's ratio scales the beats (1 in 4/4).
     */
    static double getTimeOrTempoForBeats(double x, const CTimeSignature &signature, long beats);
    /** Milliseconds of one note of @p division at @p bpm, the beat being the signature's denominator. */
    static double getDelayTime(double bpm, long division, const CTimeSignature &signature);
    /** Hertz: how many notes of @p division sound per second at @p bpm. */
    static double getDivisionFrequency(double bpm, long division);
};
} // namespace Corvane::Music
