#pragma once

#include "framework/basics/CCountedObject.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CMenu.hpp"

namespace Corvane::GUI::Controls
{
/** What a menu window reports: its menu and, for a choice, the item chosen. Both are held. */
class CMenuEvent : public Basics::CCountedObject, private Basics::TInstanceCounter<CMenuEvent>
{
public:
    CORVANE_DECLARE_CLASS

    /** Either may be null. */
    CMenuEvent(CMenuItem *item, CMenu *menu);

    CMenuItem *getMenuItem() const { return m_item.get(); }
    CMenu *getMenu() const { return m_menu.get(); }
    void setMenuItem(CMenuItem *item) { m_item.reset(item); }
    void setMenu(CMenu *menu) { m_menu.reset(menu); }
    /** The chosen item's id; -1 for an event without an item. */
    long getMenuItemId() const;

private:
    Basics::TCountedReference<CMenuItem> m_item;
    Basics::TCountedReference<CMenu> m_menu;
};
} // namespace Corvane::GUI::Controls
