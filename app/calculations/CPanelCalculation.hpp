#pragma once

#include "app/calculations/CCalculationOutcome.hpp"

#include <vector>

namespace Corvane::Orvo
{
class CFieldRule;

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

    /** The checked values of the fields, and the panel's chosen division or note. */
    using TResultFormula = void (*)(const double *values, long choice, CCalculationOutcome &outcome);

    static const CPanelCalculation &forPanel(EPanel panel);

    /** How many input texts calculate() takes: 1 or 2. */
    std::size_t getFieldCount() const;

    /**
     * Runs the calculation on @p fieldTexts, one text per field. @p choice is the chosen
     * division (0 to 38) of the delay and LFO panels, or the chosen note of the note-frequency
     * panel; the other panels ignore it. Throws a CException when the number of texts is not
     * the panel's field count or the division is not one.
     */
    CCalculationOutcome calculate(const std::vector<Basics::CString> &fieldTexts, long choice) const;

private:
    CPanelCalculation(std::vector<const CFieldRule *> fields, TResultFormula formula);

    std::vector<const CFieldRule *> m_fields;
    TResultFormula m_formula;
};
} // namespace Corvane::Orvo
