#include "framework/gui/controls/CActionEvent.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CActionEvent, "CActionEvent", "CCountedObject")

CActionEvent::CActionEvent(IControl *control)
    : m_control(checkedControl(control, "CActionEvent::CActionEvent(IControl *control)"))
{
}

CActionEvent::CActionEvent(IControl *control, const CMouseEvent &event)
    : m_control(checkedControl(control, "CActionEvent::CActionEvent(IControl *control, const CMouseEvent &event)"))
{
    setModifiers(event.isShiftDown(), event.isAltDown(), event.isControlDown());
}

IControl *CActionEvent::checkedControl(IControl *control, const char *functionName)
{
    if (control == nullptr)
        throw Exceptions::CException("Control is NULL", functionName);
    return control;
}

void CActionEvent::setModifiers(bool shiftDown, bool altDown, bool controlDown)
{
    m_shiftDown = shiftDown;
    m_altDown = altDown;
    m_controlDown = controlDown;
}
} // namespace Corvane::GUI::Controls
