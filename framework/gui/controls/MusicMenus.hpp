#pragma once

namespace Corvane::GUI::Controls
{
class CMenu;

/**
 * Fills @p menu with the tempo divisions: the sub-menus "Straight", "Triplet" and "Dotted", each
 * holding its thirteen lengths from "64" to "1/64" whose ids are their division indexes, so a
 * choice's id is the division. Throws CException for a null menu; the caller keeps the menu.
 */
void buildTempoDivisionMenu(CMenu *menu);

/**
 * Fills @p menu with the 128 notes: eleven sub-menus "Octave #-1" (id 0) to "Octave #9" (id 10),
 * each holding its notes from C, padded with two blanks each side ("  A4  "), whose ids are the
 * note numbers. Throws CException for a null menu; the caller keeps the menu.
 */
void buildNoteMenu(CMenu *menu);
} // namespace Corvane::GUI::Controls
