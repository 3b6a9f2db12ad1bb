#include "framework/gui/controls/CKeyboardEvent.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CKeyboardEvent, "CKeyboardEvent", "CCountedObject")

void CKeyboardEvent::setModifiers(bool controlDown, bool shiftDown, bool altDown)
{
    m_controlDown = controlDown;
    m_shiftDown = shiftDown;
    m_altDown = altDown;
}
} // namespace Corvane::GUI::Controls
