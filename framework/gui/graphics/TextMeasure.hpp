#pragma once

#include "framework/basics/CString.hpp"
#include "framework/mathtools/CDimension.hpp"

namespace Corvane::GUI::Graphics
{
class CFont;

/**
 * The room @p text takes in @p font (the default font when null) when drawText wraps it at
 * @p wrapWidth pixels; a width of 0 or less does not wrap. Needs no window: the text is laid out
 * for a scratch picture. (0, 0) without any font.
 */
MathTools::CDimension measureTextBlock(const Basics::CString &text, const CFont *font, long wrapWidth);
} // namespace Corvane::GUI::Graphics
