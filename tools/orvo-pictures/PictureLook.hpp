#pragma once

#include "framework/gui/graphics/CFont.hpp"
#include "framework/mathtools/CAlphaColour.hpp"

namespace Corvane::Orvo::Pictures
{
/** An opaque colour as three numbers, so that the palette can be constant data. */
struct SShade
{
    long red;
    long green;
    long blue;

    MathTools::CAlphaColour withAlpha(long alpha = 255) const
    {
        return MathTools::CAlphaColour(red, green, blue, alpha);
    }
};

/**
 * The calculator's palette: a calm dark slate under the controls, so that their own colours
 * (dark grey fields with lavender text, white results in gold) stand out without shouting.
 * Text is lavender like what is typed, explanations a muted grey-violet, and the one accent is
 * the gold of the results.
 */
namespace Palette
{
constexpr SShade BODY{47, 49, 58};
constexpr SShade HEADER{36, 37, 45};
/** The line under an edge, and the well a field is sunk into. */
constexpr SShade SHADOW{28, 29, 35};
/** The line over an edge, catching the light. */
constexpr SShade HIGHLIGHT{61, 63, 74};
constexpr SShade TITLE{240, 236, 255};
constexpr SShade NAME{220, 214, 248};
constexpr SShade MUTED{140, 137, 164};
constexpr SShade ACCENT{221, 185, 50};
} // namespace Palette

/** The type sizes, in points of "Arial" (Liberation Sans here), from the largest down. */
namespace TypeSizes
{
constexpr long TITLE = 20;
constexpr long NAME = 10;
constexpr long SUBTITLE = 9;
constexpr long CAPTION = 8;
} // namespace TypeSizes

constexpr const char *FACE_NAME = "Arial";
} // namespace Corvane::Orvo::Pictures
