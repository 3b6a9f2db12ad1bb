#pragma once

#include "framework/gui/graphics/CGraphics.hpp"

#include <array>

namespace Corvane::Orvo::Pictures
{
/**
 * The program's icon: two beamed quavers in the results' gold on a dark rounded tile. The
 * shapes are laid out on a grid of 64 and every edge is rounded to whole pixels at the size
 * drawn, so the small sizes stay crisp instead of being a blurred copy of the large one.
 */
class CIconPainter
{
public:
    /** The sizes the icon ships in, in pixels a side. */
    static constexpr std::array<long, 6> SIZES = {16, 32, 48, 64, 128, 256};

    /**
     * Draws the icon into (0, 0, size, size) from the drawing offset; the tile's rounded corners
     * leave what is under them.
     */
    static void paint(GUI::Graphics::CGraphics &graphics, long size);

private:
    explicit CIconPainter(long size) : m_size(size) {}

    /** A length on the 64 grid in pixels at this size. */
    long scale(double units) const;
    MathTools::CRect box(double left, double top, double width, double height) const;
    void paintTile(GUI::Graphics::CGraphics &graphics) const;
    void paintNotes(GUI::Graphics::CGraphics &graphics) const;
    /** A note head centred on (@p centreX, @p centreY) of the grid. */
    void paintHead(GUI::Graphics::CGraphics &graphics, double centreX, double centreY) const;

    long m_size;
};
} // namespace Corvane::Orvo::Pictures
