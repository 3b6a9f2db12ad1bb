#pragma once

#include "app/calculations/CPanelCalculation.hpp"

#include <string>

namespace Corvane::Fuzzing
{
/** A number as results show one: an optional '-', digits, a point and exactly two decimals. */
bool isTwoDecimalNumber(const std::string &text);
/** A note from C-1 to G9: a pitch class (C, C#, D, D#, E, F, F#, G, G#, A, Bb, B), then its octave. */
bool isNoteName(const std::string &text);
/** A straight tempo division, from "64" whole notes to "1/64". */
bool isStraightDivisionName(const std::string &text);
/**
 * Whether @p text is something the result label of @p panel may show: "Range Error", or else a
 * note name (the closest-note panel), a straight division name (the closest-division panel) or
 * a two-decimal number (every other panel).
 */
bool isPossibleResult(Orvo::EPanel panel, const std::string &text);
} // namespace Corvane::Fuzzing
