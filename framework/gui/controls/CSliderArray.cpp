#include "framework/gui/controls/CSliderArray.hpp"

#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CControlRoot.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/graphics/CGraphics.hpp"

#include <algorithm>
#include <utility>

namespace Corvane::GUI::Controls
{
using MathTools::CAlphaColour;
using MathTools::CRect;

CORVANE_DEFINE_CLASS(CSliderArray, "CSliderArray", "CControl")

namespace
{
const CAlphaColour BAR_OUTLINE(0, 0, 0, 255);
} // namespace

CSliderArray::CSliderArray(IControlRoot *root, long uniqueId, const CRect &area, IActionListener *listener,
                           long numberOfSliders, long sliderWidth, long gap)
    : CControl(root, uniqueId, area, listener),
      m_values(static_cast<std::size_t>(std::max(0L, numberOfSliders))),
      m_bars(m_values.size())
{
    layoutSliders(sliderWidth, gap);
}

CRect CSliderArray::getSlot(long index) const
{
    return CRect(index * (m_sliderWidth + m_gap), 0, m_sliderWidth, getDimension().getHeight());
}

void CSliderArray::layoutSliders(long width, long gap)
{
    m_sliderWidth = width;
    m_gap = gap;
    for (long index = 0; index < getNumberOfSliders(); index++)
    {
        m_bars[static_cast<std::size_t>(index)] = getSlot(index);
        m_values[static_cast<std::size_t>(index)] = 1.0;
    }
}

void CSliderArray::fillFrom(long index, long top)
{
    const long height = getDimension().getHeight();
    m_bars[static_cast<std::size_t>(index)] = CRect(getSlot(index).getLeft(), top, m_sliderWidth, height - top);
}

void CSliderArray::setSliderValue(double value, long index)
{
    if (!(value >= 0.0 && value <= 1.0) || index < 0 || index >= getNumberOfSliders())
        return;
    m_values[static_cast<std::size_t>(index)] = value;
    fillFrom(index, static_cast<long>((1.0 - value) * static_cast<double>(getDimension().getHeight())));
    update();
}

double CSliderArray::getSliderValue(long index) const
{
    return index >= 0 && index < getNumberOfSliders() ? m_values[static_cast<std::size_t>(index)] : 0.0;
}

void CSliderArray::setSliderColours(const CAlphaColour &frame, const CAlphaColour &background,
                                    const CAlphaColour &slider, const CAlphaColour &activeSlider)
{
    setColours(background, frame);
    m_sliderColour = slider;
    m_activeSliderColour = activeSlider;
}

void CSliderArray::drawControl(Graphics::CGraphics &graphics)
{
    if (!drawDisabledControl(graphics))
        return;
    drawBackground(graphics, isDefaultControlDrawing());
    for (long index = 0; index < getNumberOfSliders(); index++)
    {
        const CRect &bar = m_bars[static_cast<std::size_t>(index)];
        const bool active = m_dragging && index == m_hitSlider;
        graphics.getBrush().setColour(active ? m_activeSliderColour : m_sliderColour);
        graphics.fillRectangle(bar);
        graphics.getPen().setColour(BAR_OUTLINE);
        graphics.drawRectangle(bar);
    }
}

void CSliderArray::moveToPointer(const CMouseEvent &event)
{
    const MathTools::CPoint &pointer = event.getMousePosition();
    const long wasHit = std::exchange(m_hitSlider, -1);
    for (long index = 0; index < getNumberOfSliders(); index++)
        if (CControlRoot::holdsPoint(getSlot(index), pointer))
            m_hitSlider = index;
    if (m_hitSlider < 0)
    {
        if (wasHit >= 0)
            update(); // the bar that was being dragged is no longer drawn as active
        return;
    }
    const long height = getDimension().getHeight();
    fillFrom(m_hitSlider, pointer.getYPosition());
    m_values[static_cast<std::size_t>(m_hitSlider)] =
        height > 0 ? 1.0 - static_cast<double>(pointer.getYPosition()) / static_cast<double>(height) : 1.0;
    m_lastMovedSlider = m_hitSlider;
    if (IActionListener *listener = getActionListener())
        listener->handleActionEvent(CActionEvent(this, event));
    update();
}

void CSliderArray::handleLeftButtonDown(CMouseEvent &event)
{
    m_dragging = true;
    moveToPointer(event);
    getControlRoot()->lockControl(this);
}

void CSliderArray::handleMouseMovement(CMouseEvent &event)
{
    if (m_dragging)
        moveToPointer(event);
}

void CSliderArray::endDrag()
{
    m_lastMovedSlider = 0;
    m_dragging = false;
    getControlRoot()->unlockControl();
    update();
}

void CSliderArray::handleLeftButtonUp(CMouseEvent &)
{
    endDrag();
}

void CSliderArray::handleMouseLeavingArea(CMouseEvent &)
{
    endDrag();
}
} // namespace Corvane::GUI::Controls
