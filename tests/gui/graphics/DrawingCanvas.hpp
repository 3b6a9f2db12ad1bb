#pragma once

#include "framework/gui/graphics/CGraphics.hpp"

#include <cstdint>
#include <string>

namespace Corvane::Testing
{
/** ARGB words as the pictures hold them. */
constexpr std::uint32_t WHITE = 0xFFFFFFFF;
constexpr std::uint32_t BLACK = 0xFF000000;

/** A graphics surface bound, as a window binds it for painting, to a white picture of a given size. */
class DrawingCanvas
{
public:
    DrawingCanvas(long width, long height);
    ~DrawingCanvas();

    GUI::Graphics::CGraphics &graphics() { return m_graphics; }
    std::uint32_t pixel(long x, long y) const;
    /** How many pixels of the row from @p fromX to @p toX (both included) are not white. */
    long paintedInRow(long y, long fromX, long toX) const;
    /** The smallest rectangle holding every pixel that is not white; empty when there is none. */
    MathTools::CRect inkBounds() const;

    /** A path in the drawing tests' own fixtures. */
    static std::string fixture(const std::string &name);

private:
    GUI::Graphics::CGraphics m_graphics;
};
} // namespace Corvane::Testing
