#pragma once

#include "app/calculations/CPanelCalculation.hpp"

#include <string>

namespace Corvane::Fuzzing
{
class CSessionPlayer;

/** A number as results show one: an optional '-', digits, a point and exactly two decimals. */
bool isTwoDecimalNumber(const std::string &text);
/** A note from C-1 to G9: a pitch class (C, C#, D, D#, E, F, F#, G, G#, A, Bb, B), then its octave. */
bool isNoteName(const std::string &text);
/** A straight tempo division, from "64" whole notes to "1/64". */
bool isStraightDivisionName(const std::string &text);
/** A straight division name, or one with "T" (triplet) or "D" (dotted) after it. */
bool isDivisionName(const std::string &text);
/** An optional '-' and digits. */
bool isWholeNumber(const std::string &text);
/**
 * Whether @p text is something the result label of @p panel may show: "Range Error", or else a
 * note name (the closest-note panel), a straight division name (the closest-division panel) or
 * a two-decimal number (every other panel).
 */
bool isPossibleResult(Orvo::EPanel panel, const std::string &text);
/**
 * Whether a closed input field whose initial text is @p initial may show @p text: every value a
 * panel writes back has the form of the initial one (two decimals, or a whole number of beats).
 */
bool isPossibleFieldText(const std::string &initial, const std::string &text);
/**
 * Whether the combo box of @p panel may show @p text: a division in the division panels, a note
 * (blanks around it allowed, as the note menu's items have them) in the note panel.
 */
bool isPossibleChoiceText(Orvo::EPanel panel, const std::string &text);
/**
 * A message box as the player keeps it ("Title: text"): a range message titled "Orvo error", or
 * the missing division's message titled "Orvo Error".
 */
bool isPossibleBox(const std::string &box);
/**
 * What no panel of the player's window could show, in its result, its closed fields or its
 * choice, and any box it could not raise: "CDelayPanel's result shows \"inf\"; ...", or empty
 * when every text is possible.
 */
std::string findImpossibleTexts(const CSessionPlayer &player);
} // namespace Corvane::Fuzzing
