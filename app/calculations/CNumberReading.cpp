#include "app/calculations/CNumberReading.hpp"

#include "framework/basics/CString.hpp"
#include "framework/basics/NumericLocale.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace Corvane::Orvo
{
using Basics::CString;

namespace
{
bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

const char *skipDigits(const char *text)
{
    while (isDigit(*text))
        text++;
    return text;
}

const char *skipWhiteSpace(const char *text)
{
    while (CString::isWhiteSpace(*text))
        text++;
    return text;
}

const char *skipSign(const char *text)
{
    return *text == '+' || *text == '-' ? text + 1 : text;
}

bool isBlank(const char *text)
{
    return *skipWhiteSpace(text) == '\0';
}

/** The end of the exponent that starts at @p text, or @p text when none does ("e" alone is none). */
const char *skipExponent(const char *text)
{
    if (*text != 'e' && *text != 'E')
        return text;
    const char *digits = skipSign(text + 1);
    const char *end = skipDigits(digits);
    return end != digits ? end : text;
}

/**
 * The end of the digits, point and fraction of a decimal that starts at @p text, or @p text when
 * they hold no digit ("." or "-" alone is no number).
 */
const char *skipMantissa(const char *text)
{
    const char *end = skipDigits(text);
    bool hasDigits = end != text;
    if (*end == '.')
    {
        const char *fractionEnd = skipDigits(end + 1);
        hasDigits = hasDigits || fractionEnd != end + 1;
        end = fractionEnd;
    }
    return hasDigits ? end : text;
}

/** A number whose digits are all zeros is 0 however far it scales; any other must not become 0. */
bool hasNonZeroDigit(const char *begin, const char *end)
{
    return std::any_of(begin, end, [](char character) { return character >= '1' && character <= '9'; });
}
} // namespace

CNumberReading CNumberReading::readDecimal(const char *text)
{
    const char *start = skipWhiteSpace(text != nullptr ? text : "");
    const char *mantissa = skipSign(start);
    const char *mantissaEnd = skipMantissa(mantissa);
    if (mantissaEnd == mantissa)
        return CNumberReading(0, false);
    const char *end = skipExponent(mantissaEnd);
    // Converted from a copy of exactly the characters taken, so that the C library cannot read
    // further than this grammar does (the x of "0x10", say).
    const std::string number(start, end);
    const double value = ::strtod_l(number.c_str(), nullptr, Basics::CNumericLocale::pointLocale());
    const bool isKept = std::isfinite(value) && (value != 0 || !hasNonZeroDigit(mantissa, mantissaEnd));
    return CNumberReading(value, isKept && isBlank(end));
}

CNumberReading CNumberReading::readWholeNumber(const char *text)
{
    const char *start = skipWhiteSpace(text != nullptr ? text : "");
    const char *digits = skipSign(start);
    const char *end = skipDigits(digits);
    if (end == digits)
        return CNumberReading(0, false);
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    // Kept one past the limits, so that any number of digits neither overflows nor passes for a limit.
    std::int64_t magnitude = 0;
    for (const char *digit = digits; digit != end; digit++)
        magnitude = std::min(magnitude * 10 + (*digit - '0'), highest + 2);
    const std::int64_t value = *start == '-' ? -magnitude : magnitude;
    const std::int64_t limited = std::clamp(value, lowest, highest);
    return CNumberReading(static_cast<double>(limited), limited == value && isBlank(end));
}
} // namespace Corvane::Orvo
