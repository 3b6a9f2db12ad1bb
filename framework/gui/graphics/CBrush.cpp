#include "framework/gui/graphics/CBrush.hpp"

#include "framework/gui/graphics/CairoDrawing.hpp"

namespace Corvane::GUI::Graphics
{
void CBrush::createBrush()
{
    m_platformBrush = Cairo::createSolidPattern(m_colour, Cairo::OPAQUE_ALPHA);
}

void CBrush::release()
{
    m_target = nullptr;
    m_platformBrush.reset();
}

void CBrush::initialise(cairo_t *target, const MathTools::CAlphaColour &colour)
{
    m_target = target;
    setColour(colour);
}

void CBrush::setColour(const MathTools::CAlphaColour &colour)
{
    m_colour = colour;
    createBrush();
}

void CBrush::selectHollowBrush()
{
    m_platformBrush.reset();
}
} // namespace Corvane::GUI::Graphics
