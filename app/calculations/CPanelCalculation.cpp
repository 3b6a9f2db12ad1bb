#include "app/calculations/CPanelCalculation.hpp"

#include "app/calculations/CFieldRule.hpp"
#include "framework/basics/CException.hpp"
#include "framework/music/CMusicMaths.hpp"
#include "framework/music/CTimeSignature.hpp"

#include <array>
#include <limits>
#include <utility>

namespace Corvane::Orvo
{
using Basics::CString;
using Music::CMusicMaths;
using Music::CTimeSignature;

namespace
{
constexpr CValueRange TEMPO_RANGE(0, CValueRange::EXCLUDED, 1000, CValueRange::EXCLUDED);
constexpr CValueRange ABOVE_ZERO(0, CValueRange::EXCLUDED, std::numeric_limits<double>::infinity(),
                                 CValueRange::EXCLUDED);
constexpr CValueRange SHIFT_RANGE(-127, CValueRange::INCLUDED, 127, CValueRange::INCLUDED);
constexpr CValueRange FREQUENCY_BELOW_13000(0, CValueRange::EXCLUDED, 13000, CValueRange::EXCLUDED);
constexpr CValueRange FREQUENCY_UP_TO_13000(0, CValueRange::EXCLUDED, 13000, CValueRange::INCLUDED);

// The messages are worded as users have always seen them, bounds that do not match the tests
// included.
constexpr CFieldRule BPM_FIELD(CFieldRule::DECIMAL, TEMPO_RANGE,
                               "Bpm range error!\n\n0.0 < bpm < 1000.0\n\nBpm must be between 0 and 1000 bpm", 120);
constexpr CFieldRule LFO_BPM_FIELD(CFieldRule::DECIMAL, TEMPO_RANGE,
                                   "BPM range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm", 120);
constexpr CFieldRule FIRST_BPM_FIELD(CFieldRule::DECIMAL, TEMPO_RANGE,
                                     "BPM # 1 range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm",
                                     120);
constexpr CFieldRule SECOND_BPM_FIELD(CFieldRule::DECIMAL, TEMPO_RANGE,
                                      "BPM # 2 range error!\n\n0 < bpm < 1000\n\nBpm must be between 0 and 1000 bpm",
                                      120);
constexpr CFieldRule
    TIME_FIELD(CFieldRule::DECIMAL, ABOVE_ZERO,
               "Time in seconds range error!\n\n0.0 < time in seconds\n\nTime in seconds must be greater than 0", 8);
constexpr CFieldRule BEATS_FIELD(CFieldRule::WHOLE_NUMBER, ABOVE_ZERO,
                                 "Beats range error!\n\n0 < beats\n\nBeats must be greater than 0", 4);
constexpr CFieldRule SHIFT_FIELD(CFieldRule::DECIMAL, SHIFT_RANGE,
                                 "Shift range error\n\n-127 < shift < 127\n\nShift must be between -127 and +127", 12);
constexpr const char *FREQUENCY_MESSAGE =
    "Frequency range error!\n\n0.0 < bpm < 13000.0\n\nBpm must be between 0 and 13000 Hz";
constexpr CFieldRule DIVISION_FREQUENCY_FIELD(CFieldRule::DECIMAL, FREQUENCY_BELOW_13000, FREQUENCY_MESSAGE, 440);
constexpr CFieldRule NOTE_FREQUENCY_FIELD(CFieldRule::DECIMAL, FREQUENCY_UP_TO_13000, FREQUENCY_MESSAGE, 440);

/** The signature every panel counts in. */
CTimeSignature commonTime()
{
    return CTimeSignature(4, 4);
}

void delayTime(const double *values, long division, double, CCalculationOutcome &outcome)
{
    outcome.setResult(CMusicMaths::getDelayTime(values[0], division, commonTime()));
}

void timeOrTempo(const double *values, long, double, CCalculationOutcome &outcome)
{
    const long beats = static_cast<long>(values[1]);
    outcome.setResult(CMusicMaths::getTimeOrTempoForBeats(values[0], commonTime(), beats));
}

void semitoneDifference(const double *values, long, double, CCalculationOutcome &outcome)
{
    outcome.setResult(CMusicMaths::getSemitoneDifference(values[0], values[1]));
}

void percentage(const double *values, long, double, CCalculationOutcome &outcome)
{
    outcome.setResult(CMusicMaths::getPercentage(values[0], values[1]));
}

void shiftedTempo(const double *values, long, double, CCalculationOutcome &outcome)
{
    outcome.setResult(CMusicMaths::shiftBySemitones(values[1], values[0]));
}

void divisionFrequency(const double *values, long division, double, CCalculationOutcome &outcome)
{
    outcome.setResult(CMusicMaths::getDivisionFrequency(values[0], division));
}

void closestDivision(const double *values, long, double, CCalculationOutcome &outcome)
{
    const long division = CMusicMaths::getClosestTempoDivision(values[0], values[1]);
    CString name;
    CMusicMaths::getTempoDivisionName(name, division);
    outcome.setResultText(std::move(name), static_cast<double>(division));
}

void noteFrequency(const double *, long note, double a4Hertz, CCalculationOutcome &outcome)
{
    outcome.setResult(CMusicMaths::noteToFrequency(note, a4Hertz));
}

void closestNote(const double *values, long, double a4Hertz, CCalculationOutcome &outcome)
{
    const long note = CMusicMaths::frequencyToNote(values[0], a4Hertz);
    CString name;
    CMusicMaths::getNoteName(name, note);
    outcome.setResultText(std::move(name), static_cast<double>(note), note >= 0 && note < CMusicMaths::NOTE_COUNT);
}
} // namespace

CPanelCalculation::CPanelCalculation(std::vector<const CFieldRule *> fields, TResultFormula formula)
    : m_fields(std::move(fields)), m_formula(formula)
{
}

const CPanelCalculation &CPanelCalculation::forPanel(EPanel panel)
{
    // In EPanel order.
    static const std::array<CPanelCalculation, PANEL_COUNT> calculations = {
        CPanelCalculation({&BPM_FIELD}, delayTime),
        CPanelCalculation({&TIME_FIELD, &BEATS_FIELD}, timeOrTempo),
        CPanelCalculation({&BPM_FIELD, &BEATS_FIELD}, timeOrTempo),
        CPanelCalculation({&FIRST_BPM_FIELD, &SECOND_BPM_FIELD}, semitoneDifference),
        CPanelCalculation({&FIRST_BPM_FIELD, &SECOND_BPM_FIELD}, percentage),
        CPanelCalculation({&BPM_FIELD, &SHIFT_FIELD}, shiftedTempo),
        CPanelCalculation({&LFO_BPM_FIELD}, divisionFrequency),
        CPanelCalculation({&BPM_FIELD, &DIVISION_FREQUENCY_FIELD}, closestDivision),
        CPanelCalculation({}, noteFrequency),
        CPanelCalculation({&NOTE_FREQUENCY_FIELD}, closestNote),
    };
    return calculations.at(static_cast<std::size_t>(panel));
}

std::size_t CPanelCalculation::getFieldCount() const
{
    return m_fields.size();
}

const CFieldRule &CPanelCalculation::getField(std::size_t field) const
{
    return *m_fields.at(field);
}

CCalculationOutcome CPanelCalculation::calculate(const std::vector<CString> &fieldTexts, long choice,
                                                 double a4Hertz) const
{
    constexpr const char *signature = "CPanelCalculation::calculate(const std::vector<CString> &, long, double) const";
    if (fieldTexts.size() != m_fields.size())
        throw Exceptions::CException("The number of texts is not the panel's number of fields", signature);
    if (!TUNING_RANGE.contains(a4Hertz))
        throw Exceptions::CException("The tuning reference is outside 400 to 480 Hz", signature);
    // Reading one field before or after checking the other makes no difference, so every panel
    // checks its fields strictly one after the other.
    CCalculationOutcome outcome(m_fields.size());
    double values[2] = {};
    for (std::size_t field = 0; field < m_fields.size(); field++)
        values[field] = m_fields[field]->check(fieldTexts[field], outcome);
    m_formula(values, choice, a4Hertz, outcome);
    return outcome;
}
} // namespace Corvane::Orvo
