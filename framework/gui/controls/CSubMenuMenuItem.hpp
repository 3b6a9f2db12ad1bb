#pragma once

#include "framework/gui/controls/CMenuItem.hpp"

namespace Corvane::GUI::Controls
{
class CMenu;

/** An enabled item that opens a menu of its own, made empty with the item and held by it. */
class CSubMenuMenuItem : public CMenuItem, private Basics::TInstanceCounter<CSubMenuMenuItem>
{
public:
    CORVANE_DECLARE_CLASS

    CSubMenuMenuItem(const Basics::CString &text, long id);
    ~CSubMenuMenuItem() override;

    virtual CMenu *getSubMenu() const;

private:
    Basics::TCountedReference<CMenu> m_subMenu;
};
} // namespace Corvane::GUI::Controls
