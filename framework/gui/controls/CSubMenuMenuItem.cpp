#include "framework/gui/controls/CSubMenuMenuItem.hpp"

#include "framework/gui/controls/CMenu.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CSubMenuMenuItem, "CSubMenuMenuItem", "CMenuItem")

CSubMenuMenuItem::CSubMenuMenuItem(const Basics::CString &text, long id)
    : CMenuItem(text, id, SUB_MENU, true), m_subMenu(new CMenu())
{
}

CSubMenuMenuItem::~CSubMenuMenuItem() = default;

CMenu *CSubMenuMenuItem::getSubMenu() const
{
    return m_subMenu.get();
}
} // namespace Corvane::GUI::Controls
