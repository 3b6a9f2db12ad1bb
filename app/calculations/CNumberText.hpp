#pragma once

namespace Corvane::Orvo
{
/**
 * A number written as the panels write their fields and results: a decimal with two places,
 * as "%0.02f" writes it, or a whole number as "%li" does, always with the point as separator.
 * A decimal that rounds to zero is written "0.00" whatever its sign.
 *
 * std::to_chars writes exactly what printf writes in the C locale, so the text cannot change
 * with the user's language; and unlike CString::setStringWithFormat it needs no switch of the
 * thread's locale and no measuring pass, which would be most of a calculation's time, since
 * each writes up to three numbers.
 */
class CNumberText
{
public:
    explicit CNumberText(double decimal);
    explicit CNumberText(long whole);

    const char *getString() const
    {
        return m_text;
    }

private:
    /** The longest double, -1.8e308, takes 309 digits, a sign, the point and two decimals. */
    char m_text[320];
};
} // namespace Corvane::Orvo
