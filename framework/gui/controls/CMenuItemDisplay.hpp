#pragma once

#include "framework/gui/controls/CControlPanel.hpp"
#include "framework/gui/controls/CImageLabel.hpp"
#include "framework/gui/controls/CMenuColours.hpp"
#include "framework/gui/controls/CMenuItem.hpp"
#include "framework/gui/controls/CTextLabel.hpp"

namespace Corvane::GUI::Controls
{
/**
 * One row of a menu window: a panel that shows one menu item with up to four children placed by
 * the item's type: its picture, its text, the arrow of a sub-menu item, and the tick of a checked
 * item. A separator has no children and draws a line across instead. The highlight under a row
 * is the menu's to draw; the row only shows the item's highlight picture while it is highlighted.
 */
class CMenuItemDisplay : public CControlPanel, private Basics::TInstanceCounter<CMenuItemDisplay>
{
public:
    CORVANE_DECLARE_CLASS

    /** The triangle that points at a sub-menu, filled in its own colour. */
    class CMenuItemSubMenuPointer : public CControl, private Basics::TInstanceCounter<CMenuItemSubMenuPointer>
    {
    public:
        CORVANE_DECLARE_CLASS

        CMenuItemSubMenuPointer(IControlRoot *root, const MathTools::CRect &area);
        void setColour(const MathTools::CAlphaColour &colour) { m_colour = colour; }
        const MathTools::CAlphaColour &getColour() const { return m_colour; }
        /** A triangle pointing right, 4 pixels in from every side. */
        void drawControl(Graphics::CGraphics &graphics) override;

    private:
        MathTools::CAlphaColour m_colour{0, 0, 0, 255};
    };

    /** The tick of a checked item: seven black columns, one pixel wide, around the centre. */
    class CMenuItemSelectable : public CControl, private Basics::TInstanceCounter<CMenuItemSelectable>
    {
    public:
        CORVANE_DECLARE_CLASS

        CMenuItemSelectable(IControlRoot *root, const MathTools::CRect &area);
        void setChecked(bool checked) { m_checked = checked; }
        bool isChecked() const { return m_checked; }
        void drawControl(Graphics::CGraphics &graphics) override;

    private:
        bool m_checked = false;
    };

    /**
     * A row in @p root of the menu window @p window. With @p indent, plain items leave room at
     * their left as check items do; with @p pictureColumn, every item has a picture column.
     */
    CMenuItemDisplay(Windows::IWindow *window, IControlRoot *root, long uniqueId, const MathTools::CRect &area,
                     bool indent, bool pictureColumn);
    ~CMenuItemDisplay() override;

    /** Shows @p item, placing the children for its type; throws CException for a null item. */
    void setMenuItem(CMenuItem *item);
    CMenuItem *getMenuItem() const { return m_item.get(); }
    /** Shows the item's highlight picture (or the picture of its state) and asks to be redrawn. */
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }
    void setFont(Graphics::CFont *font);
    void setMenuColours(const CMenuColours &colours);

    CTextLabel &getTextLabel() const { return *m_text; }
    CImageLabel &getPicture() const { return *m_picture; }
    CMenuItemSubMenuPointer &getArrow() const { return *m_arrow; }
    CMenuItemSelectable &getCheckMark() const { return *m_checkMark; }

    void drawControl(Graphics::CGraphics &graphics) override;

private:
    /** Adds the children the item's type shows, at their places. */
    void placeChildren();
    /** Colours, picture and tick from the item's state. */
    void refreshLook();
    void place(CControl &child, MathTools::CRect area);

    Basics::TCountedReference<CMenuItem> m_item;
    bool m_highlighted = false;
    bool m_indent;
    bool m_pictureColumn;
    CMenuColours m_colours;
    Basics::TCountedReference<CImageLabel> m_picture;
    Basics::TCountedReference<CTextLabel> m_text;
    Basics::TCountedReference<CMenuItemSubMenuPointer> m_arrow;
    Basics::TCountedReference<CMenuItemSelectable> m_checkMark;
};
} // namespace Corvane::GUI::Controls
