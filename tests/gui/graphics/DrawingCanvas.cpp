#include "tests/gui/graphics/DrawingCanvas.hpp"

#include <algorithm>

namespace Corvane::Testing
{
DrawingCanvas::DrawingCanvas(long width, long height)
{
    m_graphics.initialiseBuffered(MathTools::CDimension(width, height), MathTools::CColour(255, 255, 255));
}

DrawingCanvas::~DrawingCanvas()
{
    m_graphics.uninitialise();
}

std::uint32_t DrawingCanvas::pixel(long x, long y) const
{
    return m_graphics.getNativeImage().getPixel(x, y);
}

long DrawingCanvas::paintedInRow(long y, long fromX, long toX) const
{
    long painted = 0;
    for (long x = fromX; x <= toX; x++)
        painted += pixel(x, y) != WHITE;
    return painted;
}

MathTools::CRect DrawingCanvas::inkBounds() const
{
    const MathTools::CDimension &size = m_graphics.getSize();
    long left = size.getWidth(), top = size.getHeight(), right = 0, bottom = 0;
    for (long y = 0; y < size.getHeight(); y++)
        for (long x = 0; x < size.getWidth(); x++)
            if (pixel(x, y) != WHITE)
            {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
    if (right == 0)
        return MathTools::CRect();
    MathTools::CRect bounds;
    bounds.setFromRect(MathTools::RECT{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                                       static_cast<std::int32_t>(right), static_cast<std::int32_t>(bottom)});
    return bounds;
}

std::string DrawingCanvas::fixture(const std::string &name)
{
    return std::string(CORVANE_DRAWING_FIXTURES) + "/" + name;
}
} // namespace Corvane::Testing
