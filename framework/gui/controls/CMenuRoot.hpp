#pragma once

#include "framework/gui/controls/CControlRoot.hpp"
#include "framework/gui/controls/CMenu.hpp"
#include "framework/gui/controls/CMenuColours.hpp"
#include "framework/gui/graphics/CFont.hpp"

namespace Corvane::GUI::Controls
{
class CMenuItemDisplay;
class CMenuWindow;

/**
 * The control root of a menu window. It lays its menu out as one CMenuItemDisplay per item, in
 * columns, and answers the pointer and the keys itself rather than handing them to the rows: it
 * highlights the row under the pointer (or the one the arrow keys move to), has the window open
 * the sub-menu of a highlighted sub-menu row, and reports a click or Enter on a row to the
 * window. The pointer and the keys share one highlight.
 *
 * Rows are counted by their slots among the root's controls: separators have rows, empty menu
 * slots and column breaks have none.
 *
 * The rows are laid out when something first asks for them (their number, a row, the menu's size)
 * rather than at every change: a menu of a drop-down is made with its window but mostly never
 * opened, and measuring its texts would make the window's start wait for the text engine.
 */
class CMenuRoot : public CControlRoot
{
public:
    /** Rows are at least @p minimumWidth wide; with @p pictureFlag, items' pictures get a column. */
    CMenuRoot(CMenuWindow &window, long minimumWidth, bool pictureFlag);
    ~CMenuRoot() override;

    /** Holds @p menu and lays it out; null is ignored (the menu and the size stay). */
    void setMenu(CMenu *menu);
    CMenu *getMenu() const { return m_menu.get(); }
    /** The size the menu takes: the columns side by side, as high as the highest. */
    const MathTools::CDimension &getLaidOutSize() const;
    /** The height of a row that is not a separator. */
    long getItemHeight() const;

    /** Null lays out in whatever the default font is. The menu is laid out again. */
    void setFont(Graphics::CFont *font);
    Graphics::CFont *getFont() const { return m_font.get(); }
    void setMenuColours(const CMenuColours &colours);
    const CMenuColours &getMenuColours() const { return m_colours; }
    void setMinimumWidth(long width);
    void setPictureFlag(bool pictureFlag);

    /** -1 for none, or a row; any other index is ignored. Both rows concerned are redrawn. */
    void setHighlightedIndex(long index);
    long getHighlightedIndex() const { return m_highlightedIndex; }
    /** Highlights the first row that can be chosen or opened. */
    void highlightFirstItem();
    /** Forgets the highlight and any press in progress. */
    void reset();
    /** The row at that slot, or null. */
    CMenuItemDisplay *getDisplay(long index) const;
    long getNumberOfControls() const override;
    IControl *getControlAtIndex(long index, bool isIndex) const override;

    /** The outline, the highlight, then the rows that meet the update area. */
    void drawRootArea(Graphics::CGraphics &graphics) override;

    void handleMouseMovement(CMouseEvent &event) override;
    void handleMouseLeavingArea(CMouseEvent &event) override;
    void handleLeftButtonDown(CMouseEvent &event) override;
    void handleLeftButtonUp(CMouseEvent &event) override;
    /** Up, Down, Right, Left, Enter and Escape; answers whether the key did something. */
    bool handleKeyDown(const CKeyboardEvent &event) override;

private:
    /** Drops the rows and the highlight; the rows are laid out again when next asked for. */
    void requestLayout();
    /** Lays the rows out if they are due; the rows are the menu's, so asking for them is const. */
    void layOutIfDue() const;
    void layout();
    /** The row whose area holds @p point, edges included, or -1. */
    long findRowAt(const MathTools::CPoint &point) const;
    /** What the pointer resting on @p point does. */
    void pointAt(const MathTools::CPoint &point);
    /** A row that can be highlighted from the keyboard: not a separator, and enabled. */
    bool isSelectable(long index) const;
    /** The next selectable row from the highlighted one, @p step away, wrapping; -1 for none. */
    long findSelectable(long step) const;
    void moveHighlight(long step);
    /** Chooses the row as a click does: reports plain, link and check items. */
    void choose(long index);
    /** Opens the sub-menu of the highlighted row when it has one; answers whether it did. */
    bool openHighlightedSubMenu();

    CMenuWindow &m_window;
    Basics::TCountedReference<CMenu> m_menu;
    Basics::TCountedReference<Graphics::CFont> m_font;
    long m_minimumWidth;
    bool m_pictureFlag;
    long m_highlightedIndex = -1;
    long m_pressedIndex = -1;
    CMenuColours m_colours;
    MathTools::CDimension m_laidOutSize;
    long m_itemHeight = 0;
    bool m_layoutDue = false;
};
} // namespace Corvane::GUI::Controls
