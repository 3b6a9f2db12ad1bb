#pragma once

#include "app/calculations/CCalculationOutcome.hpp"
#include "app/calculations/CFieldRule.hpp"
#include "framework/music/CMusicMaths.hpp"

#include <vector>

namespace Corvane::Orvo
{
/** The ten calculator panels, in the order the window stacks them. */
enum class EPanel
{
    DELAY,
    TIME_TO_BPM,
    BPM_TO_TIME,
    TEMPO_NOTE_SHIFT,
    TIME_STRETCH,
    TEMPO_SHIFT,
    LFO,
    CLOSEST_DIVISION,
    NOTE_FREQUENCY,
    CLOSEST_NOTE
};

/**
 * One panel's calculation, from the texts of its input fields to its outcome: each field is
 * checked by its rule in field order (a bad value raises its message and is reset, and the
 * calculation goes on), then the result is worked out from the checked values. The window's
 * panels and the orvo-calc command both run it, so they show the same numbers and messages.
 */
class CPanelCalculation
{
public:
    static constexpr int PANEL_COUNT = 10;
    /** The frequencies A4 may be tuned to. */
    static constexpr CValueRange TUNING_RANGE{400, CValueRange::INCLUDED, 480, CValueRange::INCLUDED};

    /** The checked values of the fields, the panel's chosen division or note, and the tuning of A4. */
    using TResultFormula = void (*)(const double *values, long choice, double a4Hertz, CCalculationOutcome &outcome);

    static const CPanelCalculation &forPanel(EPanel panel);

    /** How many input texts calculate() takes: 0 to 2. */
    std::size_t getFieldCount() const;
    /** The rule of input field @p field, from 0; throws std::out_of_range past the last. */
    const CFieldRule &getField(std::size_t field) const;

    /**
     * Runs the calculation on @p fieldTexts, one text per field. @p choice is the chosen
     * division (0 to 38) of the delay and LFO panels, or the chosen note of the note-frequency
     * panel; the other panels ignore it. The two note panels count from A4 tuned to @p a4Hertz.
     * Throws a CException when the number of texts is not the panel's field count, the division
     * is not one, or the tuning is outside TUNING_RANGE.
     */
    CCalculationOutcome calculate(const std::vector<Basics::CString> &fieldTexts, long choice,
                                  double a4Hertz = Music::CMusicMaths::DEFAULT_A4_HERTZ) const;

private:
    CPanelCalculation(std::vector<const CFieldRule *> fields, TResultFormula formula);

    std::vector<const CFieldRule *> m_fields;
    TResultFormula m_formula;
};
} // namespace Corvane::Orvo
