#pragma once

#include <string>

namespace Corvane::Orvo::Calc
{
/** The shortest text that reads back as @p value ("1", "0.5", "1e-320"); "inf" and "nan" as such. */
std::string shortestNumber(double value);

/**
 * @p argument as an error message may quote it: cut to 64 characters (with "..." after a cut),
 * every byte that is not part of a valid UTF-8 character, every control character and the
 * back slash written as \xHH escapes, so that no argument can garble the terminal or hide
 * what it was.
 */
std::string echoedArgument(const std::string &argument);

/** How many characters @p text holds in UTF-8 (its bytes that do not continue a character). */
std::size_t characterCount(const std::string &text);
} // namespace Corvane::Orvo::Calc
