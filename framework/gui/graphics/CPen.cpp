#include "framework/gui/graphics/CPen.hpp"

#include "framework/gui/graphics/CairoDrawing.hpp"

namespace Corvane::GUI::Graphics
{
void CPen::createPen()
{
    m_platformPen = Cairo::createSolidPattern(m_colour, Cairo::OPAQUE_ALPHA);
}

void CPen::release()
{
    m_target = nullptr;
    m_platformPen.reset();
}

void CPen::initialise(long width, cairo_t *target, const MathTools::CAlphaColour &colour)
{
    m_width = static_cast<std::int32_t>(width);
    m_target = target;
    createPen();
    setColour(colour);
}

void CPen::setWidth(long width)
{
    m_width = static_cast<std::int32_t>(width);
    createPen();
}

void CPen::setColour(const MathTools::CAlphaColour &colour)
{
    m_colour = colour;
    createPen();
}

void CPen::selectNullPen()
{
    m_platformPen = Cairo::createSolidPattern(m_colour, 0);
}
} // namespace Corvane::GUI::Graphics
