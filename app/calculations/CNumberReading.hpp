#pragma once

#include <cstddef>

namespace Corvane::Orvo
{
/**
 * A number read from the text of an input field, by one grammar whatever the locale: optional
 * white space, an optional sign, digits with an optional point and fraction, and for decimals
 * an optional exponent (e or E, an optional sign, digits). Reading stops at the first character
 * that cannot continue the number, and text without one reads as 0. So "0x10" is 0, not 16,
 * and "inf" and "nan" are not numbers.
 *
 * The reading also says whether the value stands for the whole text, so that a caller can tell
 * the user when part of it was ignored ("1,5" read as 1).
 */
class CNumberReading
{
public:
    /** A decimal field's number. One beyond the range of a double reads as infinity. */
    static CNumberReading readDecimal(const char *text);
    /** A whole-number field's number: sign and digits, limited to the 32-bit range. */
    static CNumberReading readWholeNumber(const char *text);

    double getValue() const
    {
        return m_value;
    }
    /**
     * False when the text held no number, when more than white space followed it, or when its
     * value could not be kept: limited to the 32-bit range, or too large or too small for a
     * double (1e999, 1e-999).
     */
    bool isExact() const
    {
        return m_isExact;
    }

private:
    CNumberReading(double value, bool isExact) : m_value(value), m_isExact(isExact)
    {
    }

    double m_value;
    bool m_isExact;
};
} // namespace Corvane::Orvo
