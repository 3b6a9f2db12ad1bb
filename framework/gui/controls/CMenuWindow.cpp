#include "framework/gui/controls/CMenuWindow.hpp"

#include "framework/gui/controls/CMenuEvent.hpp"
#include "framework/gui/controls/CMenuItemDisplay.hpp"
#include "framework/gui/controls/CMenuRoot.hpp"
#include "framework/gui/controls/CSubMenuMenuItem.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <unistd.h>

#include <algorithm>

namespace Corvane::GUI::Controls
{
using MathTools::CDimension;
using MathTools::CPoint;
using MathTools::CRect;
using Windows::CWindowAttributes;

CORVANE_DEFINE_CLASS(CMenuWindow, "CMenuWindow", "CWindow")

namespace
{
/** "Menu_" with the process and a number no other menu window of it has. */
Basics::CString makeMenuTitle()
{
    static long madeSoFar = 0;
    Basics::CString title;
    title.setStringWithFormat("Menu_%li_%li", static_cast<long>(getpid()), ++madeSoFar);
    return title;
}

/** Moves @p start back, never below @p lowest, until @p length from it ends at @p end at the latest. */
long keepWithin(long start, long length, long lowest, long end)
{
    if (start + length > end && start > lowest)
        return std::max(end - length, lowest);
    return start;
}
} // namespace

CMenuWindow::CMenuWindow(const CRect &area, CWindowAttributes *attributes, CMenu *menu, bool pictureFlag,
                         IMenuListener *listener)
    : CWindow(area), m_listener(listener), m_pictureFlag(pictureFlag)
{
    CWindowAttributes &own = *getWindowAttributes();
    if (attributes != nullptr)
        own = *attributes;
    own.setAttributes(makeMenuTitle(), own.getBackgroundColour(), own.getAlpha(), own.getWindowIcon(), own.isEnabled(),
                      own.hasDropShadow());
    own.setWindowStyle(CWindowAttributes::STYLE_POPUP, CWindowAttributes::EXTENDED_STYLE_TOPMOST |
                                                           CWindowAttributes::EXTENDED_STYLE_LAYERED |
                                                           CWindowAttributes::EXTENDED_STYLE_NO_ACTIVATE);
    auto root = std::make_unique<CMenuRoot>(*this, area.getWidth(), pictureFlag);
    m_menuRoot = root.get();
    replaceControlRoot(std::move(root));
    m_menuRoot->setMenu(menu);
}

CMenuWindow::~CMenuWindow()
{
    removeOpenPopup(this);
}

CMenu *CMenuWindow::getMenu() const
{
    return m_menuRoot->getMenu();
}

bool CMenuWindow::isMenuShown() const
{
    return getPlatformWindow() != nullptr && getPlatformWindow()->isVisible();
}

void CMenuWindow::showMenu(const CPoint &point)
{
    const CDimension size = getMenu() != nullptr ? m_menuRoot->getLaidOutSize() : getWindowSize();
    const CRect area = keepOnScreen(CRect(point, size));
    if (getPlatformWindow() == nullptr)
    {
        setInitialArea(area);
        createWindow();
    }
    else
        setWindowArea(area);
    openWindow();
    // Painted now rather than when the queue runs empty: the menu shows in the frame of the press.
    updateWindow();
    if (m_parentMenuWindow == nullptr)
        addOpenPopup(this);
    if (m_listener != nullptr)
        m_listener->handleMenuOpening(CMenuEvent(nullptr, getMenu()));
}

CRect CMenuWindow::keepOnScreen(CRect area)
{
    if (m_parentMenuWindow != nullptr)
    {
        m_screen = m_parentMenuWindow->m_screen;
        m_screenKnown = m_parentMenuWindow->m_screenKnown;
    }
    else
    {
        // The point lies just below what opened the menu: the chain stays on the screen holding that.
        Platform::SArea screen;
        const Platform::SPoint opener{static_cast<int>(area.getLeft()), static_cast<int>(area.getTop() - 1)};
        m_screenKnown = Platform::getPlatformDriver().getScreenArea(opener, screen);
        m_screen.setRect(screen.x, screen.y, screen.width, screen.height);
    }
    if (!m_screenKnown)
        return area;
    return CRect(keepWithin(area.getLeft(), area.getWidth(), m_screen.getLeft(), m_screen.getRight()),
                 keepWithin(area.getTop(), area.getHeight(), m_screen.getTop(), m_screen.getBottom()),
                 area.getWidth(), area.getHeight());
}

void CMenuWindow::hideMenu()
{
    if (!isMenuShown())
        return;
    closeQuietly();
    if (m_listener != nullptr)
        m_listener->handleMenuClosing(CMenuEvent(nullptr, getMenu()));
}

void CMenuWindow::closeQuietly()
{
    closeSubMenu();
    removeOpenPopup(this);
    m_menuRoot->reset();
    closeWindow();
}

void CMenuWindow::setMenu(CMenu *menu)
{
    m_menuRoot->setMenu(menu);
}

void CMenuWindow::setMenuAndResize(CMenu *menu)
{
    setMenu(menu);
    if (getMenu() != nullptr)
        setWindowSize(m_menuRoot->getLaidOutSize());
}

void CMenuWindow::setFont(Graphics::CFont *font)
{
    m_menuRoot->setFont(font);
}

void CMenuWindow::setMenuColours(const CMenuColours &colours)
{
    m_menuRoot->setMenuColours(colours);
}

void CMenuWindow::setHighlightedIndex(long index)
{
    m_menuRoot->setHighlightedIndex(index);
}

void CMenuWindow::setPictureFlag(bool pictureFlag)
{
    m_pictureFlag = pictureFlag;
    m_menuRoot->setPictureFlag(pictureFlag);
}

void CMenuWindow::setMinimumWidth(long width)
{
    m_menuRoot->setMinimumWidth(width);
}

void CMenuWindow::openSubMenu(long index, bool highlightFirst)
{
    const CMenuItemDisplay *row = m_menuRoot->getDisplay(index);
    auto *item = row != nullptr ? dynamic_cast<CSubMenuMenuItem *>(row->getMenuItem()) : nullptr;
    if (item == nullptr)
        return;
    if (CMenuWindow *open = getSubMenuWindow(); open != nullptr && m_subMenuRow == index)
    {
        if (highlightFirst && open->getMenuRoot().getHighlightedIndex() < 0)
            open->getMenuRoot().highlightFirstItem();
        return;
    }
    closeSubMenu();
    m_keepOpen = true;
    CMenuWindow &child = prepareChild(*item->getSubMenu());
    m_subMenuRow = index;
    if (highlightFirst)
        child.getMenuRoot().highlightFirstItem();
    const CPoint &position = getWindowPosition();
    child.showMenu(CPoint(position.getXPosition() + getWindowSize().getWidth(),
                          position.getYPosition() + row->getArea().getTop()));
    m_keepOpen = false;
}

CMenuWindow &CMenuWindow::prepareChild(CMenu &menu)
{
    if (!m_subMenuWindow)
    {
        m_subMenuWindow.reset(new CMenuWindow(CRect(0, 0, 10, 10), getWindowAttributes(), &menu, m_pictureFlag, this));
        m_subMenuWindow->setParentMenuWindow(this);
    }
    else
        m_subMenuWindow->setMenu(&menu);
    CMenuWindow &child = *m_subMenuWindow;
    if (child.getMenuRoot().getFont() != m_menuRoot->getFont())
        child.setFont(m_menuRoot->getFont());
    child.setMenuColours(m_menuRoot->getMenuColours());
    return child;
}

CMenuWindow *CMenuWindow::getSubMenuWindow() const
{
    return m_subMenuWindow && m_subMenuWindow->isMenuShown() ? m_subMenuWindow.get() : nullptr;
}

void CMenuWindow::closeSubMenu()
{
    if (m_subMenuWindow)
        m_subMenuWindow->closeQuietly();
    m_subMenuRow = -1;
}

void CMenuWindow::closeFromKeyboard(bool escape)
{
    if (m_parentMenuWindow != nullptr)
        m_parentMenuWindow->closeSubMenu();
    else if (escape)
        hideMenu();
}

void CMenuWindow::handleMenuSelection(const CMenuEvent &event)
{
    // The listener may let go of the whole chain (its combo box, say) while the choice passes up.
    const Basics::TCountedReference<CMenuWindow> keepAlive(this);
    closeSubMenu();
    if (m_parentMenuWindow == nullptr)
        closeQuietly(); // the choice is the news: no closing notice before it
    if (m_listener != nullptr)
        m_listener->handleMenuSelection(event);
}

void CMenuWindow::windowLostFocus(Windows::IWindow *)
{
    if (m_keepOpen)
        return;
    const Basics::TCountedReference<CMenuWindow> keepAlive(this);
    hideMenu();
    if (m_parentMenuWindow != nullptr)
        m_parentMenuWindow->windowLostFocus(m_parentMenuWindow);
}

bool CMenuWindow::holdsPress(const Windows::IWindow &window, const CPoint &) const
{
    for (const CMenuWindow *member = this; member != nullptr; member = member->getSubMenuWindow())
        if (member == &window)
            return true;
    return false;
}

bool CMenuWindow::dismissPopup()
{
    windowLostFocus(this);
    return true;
}

bool CMenuWindow::isOnTheEdge(const Platform::SPoint &position) const
{
    const CDimension &size = getWindowSize();
    return position.x <= 0 || position.y <= 0 || position.x >= size.getWidth() - 1 ||
           position.y >= size.getHeight() - 1;
}

void CMenuWindow::handleMessage(const Platform::SPlatformMessage &message)
{
    // Leaving a window, the platform reports a last movement at the point of leaving pulled onto
    // the window's outermost pixels: after a jump across the menu it would land on some other row
    // and open the wrong sub-menu. Those pixels are the menu's outline, where resting means nothing.
    if (message.kind == Platform::EMessageKind::MOUSE_MOVE && !Windows::CMouse::isMouseCaptured() &&
        isOnTheEdge(message.position))
        return;
    // A choice made here releases this window (a child) or lets its owner do so.
    const Basics::TCountedReference<CMenuWindow> keepAlive(this);
    CWindow::handleMessage(message);
}

bool CMenuWindow::handleKeyboardHook(const Platform::SPlatformMessage &message)
{
    const Basics::TCountedReference<CMenuWindow> keepAlive(this);
    return CWindow::handleKeyboardHook(message);
}
} // namespace Corvane::GUI::Controls
