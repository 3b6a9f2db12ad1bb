#pragma once

#include "framework/gui/graphics/CGraphics.hpp"
#include "tools/orvo-pictures/PictureLook.hpp"

#include <cstdint>

namespace Corvane::Testing
{
/** The opaque word a picture holds for @p shade. */
constexpr std::uint32_t wordOf(const Orvo::Pictures::SShade &shade)
{
    return 0xFF000000u | static_cast<std::uint32_t>(shade.red) << 16 | static_cast<std::uint32_t>(shade.green) << 8 |
           static_cast<std::uint32_t>(shade.blue);
}

inline std::uint32_t wordOf(const MathTools::CAlphaColour &colour)
{
    return wordOf(Orvo::Pictures::SShade{colour.getRed(), colour.getGreen(), colour.getBlue()});
}

/** The smallest rectangle of @p area holding every pixel of @p picture that is not @p plain; empty when none. */
MathTools::CRect inkBounds(const GUI::Graphics::CNativeImage &picture, const MathTools::CRect &area,
                           std::uint32_t plain);
} // namespace Corvane::Testing
