#include "framework/gui/controls/CMenuRoot.hpp"

#include "framework/gui/controls/CCheckMenuItem.hpp"
#include "framework/gui/controls/CHtmlMenuItem.hpp"
#include "framework/gui/controls/CKeyboardEvent.hpp"
#include "framework/gui/controls/CMenuEvent.hpp"
#include "framework/gui/controls/CMenuItemDisplay.hpp"
#include "framework/gui/controls/CMenuWindow.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/graphics/TextMeasure.hpp"
#include "framework/gui/windows/CCursor.hpp"

#include <algorithm>
#include <utility>

namespace Corvane::GUI::Controls
{
using MathTools::CDimension;
using MathTools::CPoint;
using MathTools::CRect;

namespace
{
/** Room around the widest text and in a row above and below the tallest text or picture. */
constexpr long ITEM_PADDING = 8;
constexpr long SEPARATOR_HEIGHT = 4;
constexpr long COLUMN_GAP = 4;

/** What the layout needs to know of a menu's items. */
struct SMenuMeasure
{
    long textWidth = 0;
    long textHeight = 0;
    long pictureWidth = 0;
    long pictureHeight = 0;
    bool anyPicture = false;
    bool anyCheck = false;
    bool anySubMenu = false;
};

bool showsNothing(const CMenuItem &item)
{
    return item.getType() == CMenuItem::SEPARATOR || item.getType() == CMenuItem::COLUMN_BREAK;
}

SMenuMeasure measure(const CMenu &menu, const Graphics::CFont *font)
{
    SMenuMeasure measured;
    for (long index = 0; index < menu.getNumberOfMenuItems(); index++)
    {
        const CMenuItem *item = menu.getMenuItem(index);
        if (item == nullptr)
            continue;
        measured.anyCheck = measured.anyCheck || item->getType() == CMenuItem::CHECK;
        measured.anySubMenu = measured.anySubMenu || item->getType() == CMenuItem::SUB_MENU;
        if (showsNothing(*item))
            continue;
        const CDimension text = Graphics::measureTextBlock(item->getText(), font, 0);
        measured.textWidth = std::max(measured.textWidth, text.getWidth());
        measured.textHeight = std::max(measured.textHeight, text.getHeight());
        if (const Graphics::CBaseImage *picture = item->getNormalImage())
        {
            measured.anyPicture = true;
            measured.pictureWidth = std::max(measured.pictureWidth, picture->getImageSize().getWidth());
            measured.pictureHeight = std::max(measured.pictureHeight, picture->getImageSize().getHeight());
        }
    }
    return measured;
}
} // namespace

CMenuRoot::CMenuRoot(CMenuWindow &window, long minimumWidth, bool pictureFlag)
    : CControlRoot(&window),
      m_window(window),
      m_font(Graphics::CFont::getDefaultFont()),
      m_minimumWidth(minimumWidth),
      m_pictureFlag(pictureFlag)
{
}

CMenuRoot::~CMenuRoot() = default;

void CMenuRoot::setMenu(CMenu *menu)
{
    if (menu == nullptr)
        return;
    m_menu.reset(menu);
    requestLayout();
}

void CMenuRoot::setFont(Graphics::CFont *font)
{
    m_font.reset(font);
    requestLayout();
}

void CMenuRoot::setMenuColours(const CMenuColours &colours)
{
    m_colours = colours;
    // Rows still to be laid out take the colours as they are made.
    for (long index = 0; !m_layoutDue && index < getNumberOfControls(); index++)
        if (CMenuItemDisplay *row = getDisplay(index))
            row->setMenuColours(colours);
    m_window.redrawWindow();
}

void CMenuRoot::setMinimumWidth(long width)
{
    m_minimumWidth = width;
    requestLayout();
}

void CMenuRoot::setPictureFlag(bool pictureFlag)
{
    m_pictureFlag = pictureFlag;
    requestLayout();
}

const CDimension &CMenuRoot::getLaidOutSize() const
{
    layOutIfDue();
    return m_laidOutSize;
}

long CMenuRoot::getItemHeight() const
{
    layOutIfDue();
    return m_itemHeight;
}

long CMenuRoot::getNumberOfControls() const
{
    layOutIfDue();
    return CControlRoot::getNumberOfControls();
}

IControl *CMenuRoot::getControlAtIndex(long index, bool isIndex) const
{
    layOutIfDue();
    return CControlRoot::getControlAtIndex(index, isIndex);
}

void CMenuRoot::requestLayout()
{
    // Not due while the old rows go: clearing them asks for the controls.
    m_layoutDue = false;
    clearControls();
    m_highlightedIndex = -1;
    m_pressedIndex = -1;
    m_laidOutSize = CDimension();
    m_itemHeight = 0;
    m_layoutDue = static_cast<bool>(m_menu);
}

void CMenuRoot::layOutIfDue() const
{
    if (m_layoutDue)
        const_cast<CMenuRoot *>(this)->layout();
}

void CMenuRoot::layout()
{
    // Cleared first: adding the rows asks for the controls again.
    m_layoutDue = false;
    const SMenuMeasure measured = measure(*m_menu, m_font.get());
    m_itemHeight = std::max(measured.textHeight, measured.pictureHeight) + ITEM_PADDING;
    long width = measured.textWidth + ITEM_PADDING;
    if (measured.anySubMenu)
        width += m_itemHeight;
    if (measured.anyPicture)
        width += measured.pictureWidth;
    else if (measured.anyCheck)
        width += m_itemHeight;
    width = std::max(width, m_minimumWidth);

    long x = 0;
    long y = 0;
    long tallest = 0;
    for (long index = 0; index < m_menu->getNumberOfMenuItems(); index++)
    {
        CMenuItem *item = m_menu->getMenuItem(index);
        if (item == nullptr)
            continue;
        if (item->getType() == CMenuItem::COLUMN_BREAK)
        {
            x += width + COLUMN_GAP;
            y = 0;
            continue;
        }
        const long height = item->getType() == CMenuItem::SEPARATOR ? SEPARATOR_HEIGHT : m_itemHeight;
        auto *row = new CMenuItemDisplay(&m_window, this, index, CRect(x, y, width, height), measured.anyCheck,
                                         m_pictureFlag && measured.anyPicture);
        addControl(row);
        row->setFont(m_font.get());
        row->setMenuColours(m_colours);
        row->setMenuItem(item);
        y += height;
        // Every column shows whole: the menu is as high as its highest column.
        tallest = std::max(tallest, y);
    }
    m_laidOutSize = CDimension(x + width, tallest);
}

CMenuItemDisplay *CMenuRoot::getDisplay(long index) const
{
    return static_cast<CMenuItemDisplay *>(getControlAtIndex(index, true));
}

void CMenuRoot::setHighlightedIndex(long index)
{
    if (index < -1 || index >= getNumberOfControls())
        return;
    if (CMenuItemDisplay *previous = getDisplay(m_highlightedIndex))
        previous->setHighlighted(false);
    m_highlightedIndex = index;
    if (CMenuItemDisplay *row = getDisplay(index))
        row->setHighlighted(true);
}

void CMenuRoot::highlightFirstItem()
{
    for (long index = 0; index < getNumberOfControls(); index++)
        if (isSelectable(index))
        {
            setHighlightedIndex(index);
            return;
        }
}

void CMenuRoot::reset()
{
    setHighlightedIndex(-1);
    m_pressedIndex = -1;
}

void CMenuRoot::drawRootArea(Graphics::CGraphics &graphics)
{
    graphics.getPen().setColour(m_colours.getColour(CMenuColours::FRAME));
    graphics.drawRectangle(CRect(CPoint(), getParentWindow()->getWindowSize()));
    if (const CMenuItemDisplay *row = getDisplay(m_highlightedIndex))
    {
        graphics.getBrush().setColour(m_colours.getColour(CMenuColours::HIGHLIGHT_FILL));
        graphics.fillRectangle(row->getArea());
        graphics.getPen().setColour(m_colours.getColour(CMenuColours::FRAME));
        graphics.drawRectangle(row->getArea());
    }
    drawControls(graphics, true);
}

long CMenuRoot::findRowAt(const CPoint &point) const
{
    for (long index = 0; index < getNumberOfControls(); index++)
        if (const CMenuItemDisplay *row = getDisplay(index))
            if (holdsPoint(row->getArea(), point))
                return index;
    return -1;
}

void CMenuRoot::pointAt(const CPoint &point)
{
    const long index = findRowAt(point);
    if (index < 0)
        return;
    const CMenuItem &item = *getDisplay(index)->getMenuItem();
    const long cursor = item.getType() == CMenuItem::LINK ? Windows::CCursor::HAND : Windows::CCursor::ARROW;
    m_window.getMouse().setCursor(Windows::CCursor::getPredefinedCursor(cursor));
    if (index == m_highlightedIndex)
        return;
    if (!item.isEnabled() || item.getType() == CMenuItem::SEPARATOR)
    {
        m_window.closeSubMenu();
        setHighlightedIndex(-1);
        return;
    }
    setHighlightedIndex(index);
    if (item.getType() == CMenuItem::SUB_MENU)
        m_window.openSubMenu(index, false);
    else
        m_window.closeSubMenu();
}

void CMenuRoot::handleMouseMovement(CMouseEvent &event)
{
    pointAt(event.getMousePosition());
}

void CMenuRoot::handleMouseLeavingArea(CMouseEvent &)
{
    // A sub-menu row stays highlighted while the pointer is in the sub-menu it opened.
    const CMenuItemDisplay *row = getDisplay(m_highlightedIndex);
    if (row != nullptr && row->getMenuItem()->getType() != CMenuItem::SUB_MENU)
        setHighlightedIndex(-1);
}

void CMenuRoot::handleLeftButtonDown(CMouseEvent &event)
{
    // A menu that appeared under a still pointer has had no movement to highlight a row by.
    pointAt(event.getMousePosition());
    m_pressedIndex = m_highlightedIndex;
}

void CMenuRoot::handleLeftButtonUp(CMouseEvent &event)
{
    const long pressed = std::exchange(m_pressedIndex, -1);
    const CMenuItemDisplay *row = getDisplay(pressed);
    // Pressing on one row and releasing on another chooses nothing.
    if (pressed == -1 || pressed != m_highlightedIndex || row == nullptr ||
        !holdsPoint(row->getArea(), event.getMousePosition()))
        return;
    choose(pressed);
}

void CMenuRoot::choose(long index)
{
    CMenuItemDisplay *row = getDisplay(index);
    CMenuItem *item = row != nullptr ? row->getMenuItem() : nullptr;
    if (item == nullptr || !item->isEnabled())
        return;
    switch (item->getType())
    {
    case CMenuItem::PLAIN:
        break;
    case CMenuItem::LINK:
        if (const auto *link = dynamic_cast<const CHtmlMenuItem *>(item))
            link->openLink();
        break;
    case CMenuItem::CHECK:
        if (auto *check = dynamic_cast<CCheckMenuItem *>(item))
            check->setChecked(!check->isChecked());
        row->setHighlighted(row->isHighlighted());
        break;
    default:
        return; // separators and sub-menu rows are not choices
    }
    const CMenuEvent event(item, m_menu.get());
    m_window.handleMenuSelection(event);
}

bool CMenuRoot::isSelectable(long index) const
{
    const CMenuItemDisplay *row = getDisplay(index);
    return row != nullptr && row->getMenuItem()->isEnabled() && row->getMenuItem()->getType() != CMenuItem::SEPARATOR;
}

long CMenuRoot::findSelectable(long step) const
{
    const long count = getNumberOfControls();
    const long start = m_highlightedIndex >= 0 ? m_highlightedIndex : (step > 0 ? -1 : count);
    for (long distance = 1; distance <= count; distance++)
    {
        const long index = ((start + step * distance) % count + count) % count;
        if (isSelectable(index))
            return index;
    }
    return -1;
}

void CMenuRoot::moveHighlight(long step)
{
    const long next = findSelectable(step);
    if (next < 0 || next == m_highlightedIndex)
        return;
    m_window.closeSubMenu();
    setHighlightedIndex(next);
}

bool CMenuRoot::openHighlightedSubMenu()
{
    const CMenuItemDisplay *row = getDisplay(m_highlightedIndex);
    if (row == nullptr || row->getMenuItem()->getType() != CMenuItem::SUB_MENU || !row->getMenuItem()->isEnabled())
        return false;
    m_window.openSubMenu(m_highlightedIndex, true);
    return true;
}

bool CMenuRoot::handleKeyDown(const CKeyboardEvent &event)
{
    switch (event.getKeyCode())
    {
    case Platform::KEY_DOWN:
        moveHighlight(1);
        return true;
    case Platform::KEY_UP:
        moveHighlight(-1);
        return true;
    case Platform::KEY_RIGHT:
        openHighlightedSubMenu();
        return true;
    case Platform::KEY_RETURN:
    case Platform::KEY_KEYPAD_ENTER:
        if (!openHighlightedSubMenu())
            choose(m_highlightedIndex);
        return true;
    case Platform::KEY_LEFT:
        m_window.closeFromKeyboard(false);
        return true;
    case Platform::KEY_ESCAPE:
        m_window.closeFromKeyboard(true);
        return true;
    default:
        return false;
    }
}
} // namespace Corvane::GUI::Controls
