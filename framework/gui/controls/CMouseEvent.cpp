#include "framework/gui/controls/CMouseEvent.hpp"

#include "framework/gui/windows/CMouse.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CMouseEvent, "CMouseEvent", "CCountedObject")

CMouseEvent::CMouseEvent(Windows::CMouse &mouse, long eventType, double wheelValue)
    : m_eventType(static_cast<std::int32_t>(knownEventType(eventType))), m_mouse(&mouse), m_wheelValue(wheelValue)
{
}

long CMouseEvent::knownEventType(long eventType)
{
    switch (eventType)
    {
    case LEFT_BUTTON_DOWN:
    case LEFT_BUTTON_UP:
    case DOUBLE_CLICK:
    case RIGHT_BUTTON_DOWN:
    case RIGHT_BUTTON_UP:
    case MOUSE_WHEEL:
    case MOUSE_LEAVE:
        return eventType;
    default:
        return MOUSE_MOVE;
    }
}

const MathTools::CPoint &CMouseEvent::getMousePosition() const
{
    return m_mouse->getPosition();
}

void CMouseEvent::setMousePosition(const MathTools::CPoint &position)
{
    m_mouse->setPosition(position);
}

void CMouseEvent::setModifiers(bool controlDown, bool shiftDown, bool altDown)
{
    m_controlDown = controlDown;
    m_shiftDown = shiftDown;
    m_altDown = altDown;
}
} // namespace Corvane::GUI::Controls
