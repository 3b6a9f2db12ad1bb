#pragma once

#include "framework/basics/CString.hpp"

namespace Corvane::Orvo
{
class CCalculationOutcome;
class CNumberReading;
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

    double getLowest() const
    {
        return m_lowest;
    }
    double getHighest() const
    {
        return m_highest;
    }
    EEnd getLowestEnd() const
    {
        return m_lowestEnd;
    }
    EEnd getHighestEnd() const
    {
        return m_highestEnd;
    }
    /** False for a range open towards infinity, such as every positive time. */
    bool hasHighest() const;

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
     * the field's message and puts the reset value in its place. Adds the field's new text and
     * how it was read to @p outcome and answers the value the calculation goes on with.
     */
    double check(const Basics::CString &text, CCalculationOutcome &outcome) const;

    /** Reads @p text as the field's kind of number, by the grammar every field shares. */
    CNumberReading read(const char *text) const;
    /** @p value in the field's format. */
    CNumberText write(double value) const;

    EKind getKind() const
    {
        return m_kind;
    }
    const CValueRange &getRange() const
    {
        return m_range;
    }
    const char *getMessage() const
    {
        return m_message;
    }
    double getResetValue() const
    {
        return m_resetValue;
    }

private:
    EKind m_kind;
    CValueRange m_range;
    const char *m_message;
    double m_resetValue;
};
} // namespace Corvane::Orvo
