#pragma once

namespace Corvane::GUI::Controls
{
class CMenuEvent;

/** Told by a menu window what became of it: whoever opens a menu window listens to it. */
struct IMenuListener
{
    virtual ~IMenuListener() = default;
    /** The window has been shown; the event holds the menu and no item. */
    virtual void handleMenuOpening(const CMenuEvent &event) = 0;
    /** The window has been hidden without a choice; the event holds the menu and no item. */
    virtual void handleMenuClosing(const CMenuEvent &event) = 0;
    /** The user chose the event's item. */
    virtual void handleMenuSelection(const CMenuEvent &event) = 0;
};
} // namespace Corvane::GUI::Controls
