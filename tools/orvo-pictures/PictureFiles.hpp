#pragma once

#include "framework/basics/CSystemString.hpp"

namespace Corvane::Orvo::Pictures
{
/**
 * The files the pictures tool writes. Each throws a CException naming the file when it cannot
 * be drawn or written, so that a build never goes on with a missing or stale picture.
 */

/** The window's background picture, as large as the client area, opaque. */
void writeBackground(const Basics::CSystemString &path);

/** The icon at @p size pixels a side, transparent round its tile. */
void writeIcon(long size, const Basics::CSystemString &path);

/**
 * What the window shows when it opens, for judging the pictures by eye: the background of
 * @p background with every control's first text over it, drawn by the framework's own labels
 * in the panels' colours and alignment and the window's font (the default font becomes Arial at
 * 14 points, as the window makes it); the results are the panels' first calculations.
 */
void writePreview(const Basics::CSystemString &background, const Basics::CSystemString &path);
} // namespace Corvane::Orvo::Pictures
