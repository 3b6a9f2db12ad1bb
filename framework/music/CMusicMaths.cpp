#include "framework/music/CMusicMaths.hpp"

#include "framework/basics/CException.hpp"
#include "framework/music/CTimeSignature.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace Corvane::Music
{
using Basics::CString;

namespace
{
constexpr double SEMITONES_PER_OCTAVE = 12;
constexpr double CENTS_PER_SEMITONE = 100;

/**
 * @p dividend / @p divisor, except that a divisor of 0 (a tempo so small that it underflows on
 * its way to becoming one, say) gives the infinity the quotient tends to, or not a number for
 * 0 / 0, without dividing by zero: callers show such answers as out of range.
 */
double divide(double dividend, double divisor)
{
    if (divisor != 0)
        return dividend / divisor;
    if (dividend == 0 || std::isnan(dividend))
        return std::numeric_limits<double>::quiet_NaN();
    const bool isNegative = std::signbit(dividend) != std::signbit(divisor);
    return isNegative ? -HUGE_VAL : HUGE_VAL;
}

/** The frequency ratio of @p semitones equal-tempered semitones, exactly 2 for an octave. */
double semitoneRatio(double semitones)
{
    return std::exp2(semitones / SEMITONES_PER_OCTAVE);
}

/** How many semitones @p to lies above @p from, as a difference of logarithms so that no quotient overflows. */
long double semitonesBetween(long double from, long double to)
{
    return static_cast<long double>(SEMITONES_PER_OCTAVE) * (std::log2(to) - std::log2(from));
}

/** An index outside the table would read past it: a caller's mistake, reported as such. */
long checkedDivision(long division, const char *function)
{
    if (!CMusicMaths::isTempoDivision(division))
        throw Exceptions::CException("A tempo division is an index from 0 to 38", function);
    return division;
}

/** Finds the first of @p count items whose name, as @p nameOf writes it, matches @p name. */
template <class NameOf> long findByName(const char *name, long count, NameOf nameOf)
{
    if (name == nullptr)
        return -1;
    CString candidate;
    for (long item = 0; item < count; item++)
    {
        nameOf(candidate, item);
        if (candidate.isEqualToIgnoringCase(name))
            return item;
    }
    return -1;
}

/** The pitch class of a note letter in either case (C is 0, B is 11), or -1; moves @p text past it. */
int readPitchClass(const char *&text)
{
    static constexpr int PITCH_CLASSES[7] = {9, 11, 0, 2, 4, 5, 7}; // A to G
    const char letter = Basics::CString::toUpper(*text);
    if (letter < 'A' || letter > 'G')
        return -1;
    text++;
    return PITCH_CLASSES[letter - 'A'];
}

/** What readAlteration answers for signs no note is spelt with. */
constexpr int NO_ALTERATION = 100;

/** The sign at @p text, +1 for a sharp, -1 for a flat, 0 for none; moves @p text past it. */
int readSign(const char *&text)
{
    // U+266F and U+266D in UTF-8.
    static constexpr const char *SHARP = "\xE2\x99\xAF";
    static constexpr const char *FLAT = "\xE2\x99\xAD";
    static constexpr std::size_t SIGN_BYTES = 3;
    if (*text == '#' || std::strncmp(text, SHARP, SIGN_BYTES) == 0)
    {
        text += *text == '#' ? 1 : SIGN_BYTES;
        return 1;
    }
    if (*text == 'b' || *text == 'B' || std::strncmp(text, FLAT, SIGN_BYTES) == 0)
    {
        text += *text == 'b' || *text == 'B' ? 1 : SIGN_BYTES;
        return -1;
    }
    return 0;
}

/**
 * The semitones that the signs after a note letter raise it by: none, up to two sharps or up to
 * two flats, as theory writes them. Mixed or more signs answer NO_ALTERATION.
 */
int readAlteration(const char *&text)
{
    const int first = readSign(text);
    if (first == 0)
        return 0;
    const int second = readSign(text);
    if (second == 0)
        return first;
    if (second != first || readSign(text) != 0)
        return NO_ALTERATION;
    return first + second;
}

/**
 * Reads an octave, "-1" or plain digits (leading zeros allowed), that ends the text. Answers false
 * for anything else. Octaves beyond any note are kept just beyond it, so that no digit count overflows.
 */
bool readOctave(const char *text, long &octave)
{
    const bool isNegative = *text == '-';
    if (isNegative)
        text++;
    if (*text == '\0')
        return false;
    octave = 0;
    for (; *text != '\0'; text++)
    {
        if (*text < '0' || *text > '9')
            return false;
        octave = std::min(octave * 10 + (*text - '0'), 100L);
    }
    octave = isNegative ? -octave : octave;
    return true;
}
} // namespace

bool CMusicMaths::isTempoDivision(long division)
{
    return division >= 0 && division < TEMPO_DIVISION_COUNT;
}

CMusicMaths::EDivisionType CMusicMaths::getDivisionType(long division)
{
    return static_cast<EDivisionType>(checkedDivision(division, "CMusicMaths::getDivisionType(long)") / POSITION_COUNT);
}

long CMusicMaths::getDivisionPosition(long division)
{
    return checkedDivision(division, "CMusicMaths::getDivisionPosition(long)") % POSITION_COUNT;
}

double CMusicMaths::getLengthFactor(long division)
{
    switch (getDivisionType(division))
    {
    case TRIPLET:
        return TRIPLET_LENGTH_FACTOR;
    case DOTTED:
        return DOTTED_LENGTH_FACTOR;
    default:
        return 1.0;
    }
}

void CMusicMaths::getTempoDivisionName(CString &out, long division)
{
    if (!isTempoDivision(division))
        return;
    out.setString(STRAIGHT_DIVISION_NAMES[getDivisionPosition(division)]);
    out.appendString(DIVISION_TYPE_SUFFIXES[getDivisionType(division)]);
}

long CMusicMaths::findTempoDivision(const char *name)
{
    return findByName(name, TEMPO_DIVISION_COUNT, getTempoDivisionName);
}

std::int32_t CMusicMaths::getClosestTempoDivision(double bpm, double frequency)
{
    const double cyclesPerBeat = divide(frequency, divide(1000, divide(60000, bpm)));
    for (std::int32_t position = 1; position < POSITION_COUNT - 1; position++)
        if (cyclesPerBeat >= NOTES_PER_BEAT[position] && NOTES_PER_BEAT[position + 1] > cyclesPerBeat)
            return position;
    return DEFAULT_TEMPO_DIVISION;
}

std::int32_t CMusicMaths::frequencyToNote(double hertz, double a4Hertz)
{
    // In extended precision where the processor has it, so that a frequency near a boundary
    // between notes lands on the side that theory puts it.
    const long double note = semitonesBetween(a4Hertz, hertz) + A4_NOTE + 0.5L;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (!(note >= lowest))
        return std::numeric_limits<std::int32_t>::min();
    if (note >= highest)
        return std::numeric_limits<std::int32_t>::max();
    // Rounded down in double, then corrected where rounding to double went up to the next whole
    // number: an extended floor switches the processor's rounding mode, which costs more than
    // the logarithm.
    double below = std::floor(static_cast<double>(note));
    if (below > note)
        below -= 1;
    return static_cast<std::int32_t>(below);
}

double CMusicMaths::noteToFrequency(long note, double a4Hertz)
{
    return a4Hertz * semitoneRatio(static_cast<double>(note - A4_NOTE));
}

double CMusicMaths::getCentsFromNote(double hertz, long note, double a4Hertz)
{
    const long double semitonesFromA4 = semitonesBetween(a4Hertz, hertz);
    return static_cast<double>((semitonesFromA4 - (note - A4_NOTE)) * CENTS_PER_SEMITONE);
}

void CMusicMaths::getNoteName(CString &out, long note)
{
    if (note < 0 || note >= NOTE_COUNT)
    {
        out.setString(RANGE_ERROR_TEXT);
        return;
    }
    // What "%s%li" writes, without the cost of printf, which would be most of the time of the
    // closest-note calculation.
    char name[8] = {};
    const std::size_t length = std::strlen(NOTE_NAMES[note % 12]);
    std::memcpy(name, NOTE_NAMES[note % 12], length);
    std::to_chars(name + length, name + sizeof name - 1, note / 12 - 1);
    out.setString(name);
}

long CMusicMaths::findNote(const char *name)
{
    if (name == nullptr)
        return -1;
    const char *rest = name;
    const int pitchClass = readPitchClass(rest);
    const int alteration = readAlteration(rest);
    long octave = 0;
    if (pitchClass < 0 || alteration == NO_ALTERATION || !readOctave(rest, octave))
        return -1;
    const long note = (octave + 1) * 12 + pitchClass + alteration;
    return note >= 0 && note < NOTE_COUNT ? note : -1;
}

double CMusicMaths::getSemitoneDifference(double from, double to)
{
    return static_cast<double>(semitonesBetween(from, to));
}

double CMusicMaths::getPercentage(double a, double b)
{
    return divide(a, b) * 100;
}

double CMusicMaths::shiftBySemitones(double semitones, double value)
{
    return semitoneRatio(semitones) * value;
}

double CMusicMaths::getSampleCount(double seconds, double sampleRate)
{
    return std::round(seconds * sampleRate);
}

double CMusicMaths::getTimeOrTempoForBeats(double x, const CTimeSignature &signature, long beats)
{
    // A ratio of 0 (3/4 counts as 0 bars of 4/4) makes the divisor infinite and the answer 0.
    return divide(60000, divide(divide(x * 1000, signature.getRatio()), static_cast<double>(beats)));
}

double CMusicMaths::getDelayTime(double bpm, long division, const CTimeSignature &signature)
{
    const double wholeNotesPerMinute = divide(bpm, static_cast<double>(signature.getDenominator()));
    const double straight =
        divide(60, wholeNotesPerMinute) * 1000 / NOTES_PER_WHOLE_NOTE[getDivisionPosition(division)];
    return straight * getLengthFactor(division);
}

double CMusicMaths::getDivisionFrequency(double bpm, long division)
{
    const double straight = divide(NOTES_PER_BEAT[getDivisionPosition(division)], divide(60000, bpm)) * 1000;
    // A note that lasts two thirds as long comes round three halves as often.
    return straight / getLengthFactor(division);
}
} // namespace Corvane::Music
