#include "framework/music/CMusicMaths.hpp"

#include "framework/basics/CException.hpp"
#include "framework/music/CTimeSignature.hpp"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace Corvane::Music
{
using Basics::CString;

namespace
{
/** The double nearest 1/440: the note formula multiplies by it rather than dividing by 440. */
constexpr double ONE_OVER_440 = 0.0022727272727272726;
/** The double nearest 1/12. */
constexpr double ONE_TWELFTH = 0.08333333333333333;
/** Close to 12 / ln 2, though not exactly; the semitone differences are measured with it. */
constexpr double SEMITONES_PER_NEPER = 17.312339006067457;
/** The semitone ratio as the tempo shift has always used it, short of 2^(1/12)'s full precision. */
constexpr double SEMITONE_RATIO = 1.0594631;
constexpr long A4_NOTE = 69;
constexpr double A4_HERTZ = 440.0;

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
    const double cyclesPerBeat = frequency / (1000 / (60000 / bpm));
    for (std::int32_t position = 1; position < POSITION_COUNT - 1; position++)
        if (cyclesPerBeat >= NOTES_PER_BEAT[position] && NOTES_PER_BEAT[position + 1] > cyclesPerBeat)
            return position;
    return DEFAULT_TEMPO_DIVISION;
}

std::int32_t CMusicMaths::frequencyToNote(double hertz)
{
    // In extended precision where the processor has it, as the note numbers have always been
    // worked out, so that a frequency near a boundary between notes lands on the same side.
    const long double note = 12.0L * std::log(static_cast<long double>(hertz) * ONE_OVER_440) / std::log(2.0L) + 69.5L;
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

double CMusicMaths::noteToFrequency(long note)
{
    return A4_HERTZ * std::pow(2.0, static_cast<double>(note - A4_NOTE) * ONE_TWELFTH);
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
    return findByName(name, NOTE_COUNT, getNoteName);
}

double CMusicMaths::getSemitoneDifference(double from, double to)
{
    return std::log(to / from) * SEMITONES_PER_NEPER;
}

double CMusicMaths::getPercentage(double a, double b)
{
    return a / b * 100;
}

double CMusicMaths::shiftBySemitones(double semitones, double value)
{
    return std::pow(SEMITONE_RATIO, semitones) * value;
}

double CMusicMaths::getTimeOrTempoForBeats(double x, const CTimeSignature &signature, long beats)
{
    return 60000 / (x * 1000 / signature.getRatio() / static_cast<double>(beats));
}

double CMusicMaths::getDelayTime(double bpm, long division, const CTimeSignature &signature)
{
    const double straight = 60 / (bpm / static_cast<double>(signature.getDenominator())) * 1000 /
                            NOTES_PER_WHOLE_NOTE[getDivisionPosition(division)];
    return straight * getLengthFactor(division);
}

double CMusicMaths::getDivisionFrequency(double bpm, long division)
{
    const double straight = NOTES_PER_BEAT[getDivisionPosition(division)] / (60000 / bpm) * 1000;
    // A note that lasts two thirds as long comes round three halves as often.
    return straight / getLengthFactor(division);
}
} // namespace Corvane::Music
