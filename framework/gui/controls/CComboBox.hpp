#pragma once

#include "framework/gui/controls/CMenu.hpp"
#include "framework/gui/controls/CMenuColours.hpp"
#include "framework/gui/controls/CMenuWindow.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "framework/gui/windows/CWindowAttributes.hpp"

namespace Corvane::GUI::Controls
{
/**
 * A drop-down chooser: a label showing the text of the chosen menu item that, when clicked, opens
 * a menu window with its menu right below itself. A choice takes over the item's text and id,
 * closes the menu and tells the action listener, which reads the choice back from the combo box.
 * Until createMenuWindow has been called, clicks do nothing.
 */
class CComboBox : public CTextLabel, public IMenuListener, private Basics::TInstanceCounter<CComboBox>
{
public:
    CORVANE_DECLARE_CLASS

    /** Holds @p menu; throws CException for a null menu. */
    CComboBox(IControlRoot *root, long uniqueId, const MathTools::CRect &area, const Basics::CString &text,
              CMenu *menu, IActionListener *listener);
    ~CComboBox() override;

    /** Holds @p menu instead; a menu window made before keeps showing the old one. Null is ignored. */
    virtual void setMenu(CMenu *menu);
    /**
     * For 0 <= @p index < the menu's slot count: shows the text of the item in that slot (when
     * there is one), which becomes the selected item, and stores @p index as the selected id. Other
     * indexes change nothing. The listener is not told.
     */
    virtual void setSelectedIndex(long index);
    virtual CMenuItem *getMenuItem(long index) const;
    virtual CMenuWindow *getMenuWindow() const { return m_menuWindow.get(); }
    /** The chosen item's id, or the index given to setSelectedIndex. */
    virtual long getSelectedIndex() const { return m_selectedId; }
    /** Hands the colours to the menu window, when there is one. */
    virtual void setMenuColours(const CMenuColours &colours);
    /** Drawn instead of the background while the menu is open; held by counted reference. */
    virtual void setPressedImage(Graphics::CBaseImage *image);
    /**
     * Makes the menu window, replacing any before it, with a copy of @p attributes and the menu;
     * with @p pictureFlag, items' pictures get a column.
     */
    virtual void createMenuWindow(Windows::CWindowAttributes *attributes, bool pictureFlag);

    CMenu *getMenu() const { return m_menu.get(); }
    /** Null until a choice is made (or setSelectedIndex names an item). */
    CMenuItem *getSelectedItem() const { return m_selectedItem.get(); }
    /** Whether the menu is open from a click. */
    bool isPressed() const { return m_pressed; }

    /** The label's font, and the menu window's when there is one. */
    void setFont(Graphics::CFont *font) override;
    void drawControl(Graphics::CGraphics &graphics) override;
    /** Opens the menu right below the combo box. */
    void handleLeftButtonDown(CMouseEvent &event) override;

    void handleMenuOpening(const CMenuEvent &) override {}
    void handleMenuClosing(const CMenuEvent &event) override;
    void handleMenuSelection(const CMenuEvent &event) override;

private:
    static CMenu *checkedMenu(CMenu *menu);

    Basics::TCountedReference<CMenu> m_menu;
    Basics::TCountedReference<CMenuWindow> m_menuWindow;
    Basics::TCountedReference<Windows::CWindowAttributes> m_windowAttributes;
    bool m_pictureFlag = true;
    std::int32_t m_selectedId = 0;
    bool m_pressed = false;
    Basics::TCountedReference<Graphics::CBaseImage> m_pressedImage;
    Basics::TCountedReference<CMenuItem> m_selectedItem;
};
} // namespace Corvane::GUI::Controls
