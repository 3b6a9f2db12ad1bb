#include "framework/gui/controls/CMenuEvent.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CMenuEvent, "CMenuEvent", "CCountedObject")

CMenuEvent::CMenuEvent(CMenuItem *item, CMenu *menu) : m_item(item), m_menu(menu)
{
}

long CMenuEvent::getMenuItemId() const
{
    return m_item ? m_item->getId() : -1;
}
} // namespace Corvane::GUI::Controls
