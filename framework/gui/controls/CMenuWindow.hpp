#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CMenu.hpp"
#include "framework/gui/controls/CMenuColours.hpp"
#include "framework/gui/controls/IMenuListener.hpp"
#include "framework/gui/windows/CWindow.hpp"

namespace Corvane::GUI::Controls
{
class CMenuRoot;

/**
 * A drop-down menu: a borderless, always-on-top popup window that shows one CMenu and never takes
 * the keyboard focus. Its platform window is made the first time it is shown, so building the
 * windows of many combo boxes at start costs nothing.
 *
 * Resting the pointer on a sub-menu item opens a child menu window at this window's right edge,
 * level with the item; this window owns the child and listens to it, so a choice anywhere in the
 * chain closes every window of it and reaches this window's listener once. A closed child is
 * hidden and shows the next sub-menu, rather than being destroyed: making a platform window costs
 * tens of milliseconds, and SDL (2.26, on X11) may still be sending a wake-up message to a window
 * it made last when the program destroys it, which ends the program with an X error. While a chain is open,
 * a press anywhere else in the program, or the program losing the focus, closes the chain (the
 * press goes no further), and the keys go to the innermost window: Up and Down move the
 * highlight, Right or Enter open a sub-menu, Enter chooses, Left and Escape close a window.
 *
 * Menu windows are held by counted reference (the combo box holds its own, each window its child):
 * a window keeps itself alive while it handles a message, since a choice releases the windows of
 * the chain.
 */
class CMenuWindow : public Windows::CWindow,
                    public IMenuListener,
                    public Windows::IPopup,
                    private Basics::TInstanceCounter<CMenuWindow>
{
public:
    CORVANE_DECLARE_CLASS

    /**
     * A hidden menu window for @p menu, with a copy of @p attributes (a default record for null)
     * made into a popup's, at least as wide as @p area. @p listener is told what becomes of it.
     */
    CMenuWindow(const MathTools::CRect &area, Windows::CWindowAttributes *attributes, CMenu *menu, bool pictureFlag,
                IMenuListener *listener);
    ~CMenuWindow() override;

    /**
     * Shows the menu with its top left corner at @p point on the screen, moved up and left just
     * enough to stay on the screen that holds what opened it, and tells the listener it opened.
     */
    virtual void showMenu(const MathTools::CPoint &point);
    /** Closes the sub-menu and hides the window, telling the listener; nothing when hidden. */
    virtual void hideMenu();
    bool isMenuShown() const;

    void setMenuListener(IMenuListener *listener) { m_listener = listener; }
    /** Lays @p menu out for the next showing (null is ignored). */
    void setMenu(CMenu *menu);
    /** As setMenu, and gives a shown window its new size at once. */
    void setMenuAndResize(CMenu *menu);
    CMenu *getMenu() const;
    void setFont(Graphics::CFont *font);
    void setMenuColours(const CMenuColours &colours);
    void setHighlightedIndex(long index);
    void setPictureFlag(bool pictureFlag);
    void setMinimumWidth(long width);
    void setParentMenuWindow(CMenuWindow *parent) { m_parentMenuWindow = parent; }
    CMenuWindow *getParentMenuWindow() const { return m_parentMenuWindow; }
    /** The child while it is shown, or null. */
    CMenuWindow *getSubMenuWindow() const;
    CMenuRoot &getMenuRoot() const { return *m_menuRoot; }

    /** Opens the sub-menu of row @p index as a child window; with @p highlightFirst, its first item is highlighted. */
    void openSubMenu(long index, bool highlightFirst);
    /** Hides the child window, if any, without telling anyone. */
    void closeSubMenu();
    /** Left or Escape: a child closes itself; the top window closes only on Escape, without a choice. */
    void closeFromKeyboard(bool escape);

    // The child windows report here.
    void handleMenuOpening(const CMenuEvent &) override {}
    void handleMenuClosing(const CMenuEvent &) override {}
    /** Closes the child and, at the top of the chain, this window; then passes the choice on. */
    void handleMenuSelection(const CMenuEvent &event) override;

    /** Hides this window and every one above it, unless a child is being opened. */
    void windowLostFocus(Windows::IWindow *window) override;

    /** Whether @p window is this window or one of its open children. */
    bool holdsPress(const Windows::IWindow &window, const MathTools::CPoint &position) const override;
    /** Closes the chain as a loss of the focus does; the press that closed it goes no further. */
    bool dismissPopup() override;

    void handleMessage(const Platform::SPlatformMessage &message) override;
    bool handleKeyboardHook(const Platform::SPlatformMessage &message) override;

private:
    /** Where the window goes so that all of it lies on the screen (moved up and left only). */
    MathTools::CRect keepOnScreen(MathTools::CRect area);
    /** Closes the child and hides this window without telling the listener. */
    void closeQuietly();
    /** The child window (made on first use) set up to show @p menu in this window's font and colours. */
    CMenuWindow &prepareChild(CMenu &menu);
    /** Whether @p position (client coordinates) lies on the window's outermost pixels. */
    bool isOnTheEdge(const Platform::SPoint &position) const;

    CMenuRoot *m_menuRoot;
    IMenuListener *m_listener;
    /** The child window, hidden while no sub-menu is open. */
    Basics::TCountedReference<CMenuWindow> m_subMenuWindow;
    /** The row whose sub-menu the child shows; -1 while it is hidden. */
    long m_subMenuRow = -1;
    CMenuWindow *m_parentMenuWindow = nullptr;
    bool m_keepOpen = false;
    bool m_pictureFlag;
    /** The usable area of the screen the chain stays on, once known. */
    MathTools::CRect m_screen;
    bool m_screenKnown = false;
};
} // namespace Corvane::GUI::Controls
