#pragma once

#include "framework/basics/CString.hpp"

namespace Corvane::Orvo
{
class CCalculationOutcome;
class CNumberText;

/** The values an input field accepts: an interval whose ends are each open or closed. */
class CValueRange
{
public:
    enum EEnd
    {
        EXCLUDED,
        INCLUDED
    };

    constexpr CValueRange(double lowest, EEnd lowestEnd, double highest, EEnd highestEnd)
        : m_lowest(lowest), m_highest(highest), m_lowestEnd(lowestEnd), m_highestEnd(highestEnd)
    {
    }

    /**
     * Infinity and not-a-number lie outside every range, even one without an upper bound:
     * "inf" or "1e999" typed into a field must not reach a result.
     */
    bool contains(double value) const;

private:
    double m_lowest;
    double m_highest;
    EEnd m_lowestEnd;
    EEnd m_highestEnd;
};

/**
 * How one input field of a panel is read, checked and rewritten: its kind of number, its
 * range, the message raised when a value falls outside it, and the value it is reset to. The
 * panels differ only in their rules; every field is checked by check().
 */
class CFieldRule
{
public:
    enum EKind
    {
        DECIMAL,
        WHOLE_NUMBER
    };

    /** The title of every range message. */
    static constexpr const char *ERROR_TITLE = "Orvo error";

    constexpr CFieldRule(EKind kind, CValueRange range, const char *message, double resetValue)
        : m_kind(kind), m_range(range), m_message(message), m_resetValue(resetValue)
    {
    }

    /**
     * Reads @p text as the field's kind of number. A value in range is written back in the
     * field's format (120 becomes "120.00", 4.7 in a whole-number field "4"); any other raises
     * the field's message and puts the reset value in its place. Adds the field's new text to
     * @p outcome and answers the value the calculation goes on with.
     */
    double check(const Basics::CString &text, CCalculationOutcome &outcome) const;

private:
    double read(const Basics::CString &text) const;
    CNumberText write(double value) const;

    EKind m_kind;
    CValueRange m_range;
    const char *m_message;
    double m_resetValue;
};
} // namespace Corvane::Orvo
