#include "tools/orvo-pictures/CIconPainter.hpp"

#include "tools/orvo-pictures/PictureLook.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane::Orvo::Pictures
{
namespace
{
constexpr double GRID = 64;
} // namespace

void CIconPainter::paint(GUI::Graphics::CGraphics &graphics, long size)
{
    const CIconPainter painter(size);
    painter.paintTile(graphics);
    painter.paintNotes(graphics);
}

void CIconPainter::paintHead(GUI::Graphics::CGraphics &graphics, double centreX, double centreY) const
{
    // Upright: a leaning head could only be a polygon of whole pixels, lumpy at every size.
    constexpr double RADIUS_X = 8.5;
    constexpr double RADIUS_Y = 6.5;
    graphics.fillEllipse(box(centreX - RADIUS_X, centreY - RADIUS_Y, 2 * RADIUS_X, 2 * RADIUS_Y));
}

long CIconPainter::scale(double units) const
{
    return std::lround(units * static_cast<double>(m_size) / GRID);
}

MathTools::CRect CIconPainter::box(double left, double top, double width, double height) const
{
    // Both edges are rounded, not the width, so that neighbouring shapes meet exactly.
    const long x = scale(left);
    const long y = scale(top);
    return MathTools::CRect(x, y, scale(left + width) - x, scale(top + height) - y);
}

void CIconPainter::paintTile(GUI::Graphics::CGraphics &graphics) const
{
    // Icon themes leave a little room round a tile; at 16 pixels every pixel is needed. Margin
    // and rim are whole pixels, so that the tile is centred at every size.
    const long margin = m_size < 32 ? 0 : m_size / 32;
    const long rim = std::max(1L, scale(1.5));
    graphics.getBrush().setColour(Palette::HIGHLIGHT.withAlpha());
    graphics.fillRoundedRectangle(MathTools::CRect(margin, margin, m_size - 2 * margin, m_size - 2 * margin),
                                  MathTools::CDimension(scale(12), scale(12)));
    // The face, inside a lighter rim that keeps the tile's edge on dark panels.
    const long inset = margin + rim;
    graphics.getBrush().setColour(Palette::HEADER.withAlpha());
    graphics.fillRoundedRectangle(MathTools::CRect(inset, inset, m_size - 2 * inset, m_size - 2 * inset),
                                  MathTools::CDimension(scale(12) - rim, scale(12) - rim));
}

void CIconPainter::paintNotes(GUI::Graphics::CGraphics &graphics) const
{
    graphics.getBrush().setColour(Palette::ACCENT.withAlpha());
    // The heads sit low on the left of their stems; the second is a step higher than the first.
    paintHead(graphics, 21.5, 46.5);
    paintHead(graphics, 43.5, 41.5);
    graphics.fillRectangle(box(25, 17, 5, 30));
    graphics.fillRectangle(box(47, 12, 5, 30));
    MathTools::CPolygon beam(4);
    beam.setPoint(0, MathTools::CPoint(scale(25), scale(17)));
    beam.setPoint(1, MathTools::CPoint(scale(52), scale(12)));
    beam.setPoint(2, MathTools::CPoint(scale(52), scale(21)));
    beam.setPoint(3, MathTools::CPoint(scale(25), scale(26)));
    graphics.fillPolygon(beam);
}
} // namespace Corvane::Orvo::Pictures
