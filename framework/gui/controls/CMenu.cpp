#include "framework/gui/controls/CMenu.hpp"

#include <algorithm>

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CMenu, "CMenu", "CCountedObject")

CMenu::CMenu() : m_title("Menu Title")
{
}

CMenu::~CMenu()
{
    clearMenu();
}

void CMenu::addMenuItem(CMenuItem *item)
{
    if (item == nullptr)
        return;
    if (m_used == m_slots.size())
        m_slots.resize(m_slots.size() + SLOT_GROWTH);
    m_slots[m_used++].reset(item);
}

CMenuItem *CMenu::getMenuItem(long index) const
{
    if (index < 0 || index >= getNumberOfMenuItems())
        return nullptr;
    return m_slots[static_cast<std::size_t>(index)].get();
}

long CMenu::getNumberOfMenuItems() const
{
    return static_cast<long>(m_slots.size());
}

void CMenu::removeMenuItem(long index)
{
    if (getMenuItem(index) == nullptr)
        return;
    clearMenuItem(index);
    m_slots.erase(std::remove_if(m_slots.begin(), m_slots.end(),
                                 [](const Basics::TCountedReference<CMenuItem> &slot) { return !slot; }),
                  m_slots.end());
    m_used = m_slots.size();
}

void CMenu::clearMenuItem(long index)
{
    if (getMenuItem(index) != nullptr)
        m_slots[static_cast<std::size_t>(index)].reset(nullptr);
}

void CMenu::clearMenu()
{
    m_slots.clear();
    m_used = 0;
}
} // namespace Corvane::GUI::Controls
