#include "framework/gui/controls/CComboBox.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CMenuEvent.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/graphics/CGraphics.hpp"

namespace Corvane::GUI::Controls
{
using MathTools::CPoint;
using MathTools::CRect;

CORVANE_DEFINE_CLASS(CComboBox, "CComboBox", "CTextLabel")

namespace
{
/** The menu window starts this high; the menu's own height replaces it when it is shown. */
constexpr long FIRST_MENU_HEIGHT = 100;
} // namespace

CComboBox::CComboBox(IControlRoot *root, long uniqueId, const CRect &area, const Basics::CString &text, CMenu *menu,
                     IActionListener *listener)
    : CTextLabel(root, uniqueId, area, text), m_menu(checkedMenu(menu))
{
    setActionListener(listener);
    setMouseEnabled(true);
    setDropFileEnabled(false);
}

CComboBox::~CComboBox()
{
    if (m_menuWindow)
        m_menuWindow->setMenuListener(nullptr);
}

CMenu *CComboBox::checkedMenu(CMenu *menu)
{
    if (menu == nullptr)
        throw Exceptions::CException("Menu is NULL", "CComboBox::CComboBox(IControlRoot *, const long, const CRect &, "
                                                     "const CString &, CMenu *)");
    return menu;
}

void CComboBox::setMenu(CMenu *menu)
{
    if (menu != nullptr)
        m_menu.reset(menu);
}

CMenuItem *CComboBox::getMenuItem(long index) const
{
    return m_menu->getMenuItem(index);
}

void CComboBox::setSelectedIndex(long index)
{
    if (index < 0 || index >= m_menu->getNumberOfMenuItems())
        return;
    CMenuItem *item = m_menu->getMenuItem(index);
    if (item != nullptr)
        setText(item->getText());
    m_selectedItem.reset(item);
    m_selectedId = static_cast<std::int32_t>(index);
}

void CComboBox::setMenuColours(const CMenuColours &colours)
{
    if (m_menuWindow)
        m_menuWindow->setMenuColours(colours);
}

void CComboBox::setPressedImage(Graphics::CBaseImage *image)
{
    m_pressedImage.reset(image);
}

void CComboBox::createMenuWindow(Windows::CWindowAttributes *attributes, bool pictureFlag)
{
    if (!m_windowAttributes)
        m_windowAttributes.reset(new Windows::CWindowAttributes());
    if (attributes != nullptr)
        *m_windowAttributes = *attributes;
    m_pictureFlag = pictureFlag;
    if (m_menuWindow)
        m_menuWindow->setMenuListener(nullptr);
    m_menuWindow.reset(new CMenuWindow(CRect(0, 0, getDimension().getWidth(), FIRST_MENU_HEIGHT),
                                       m_windowAttributes.get(), m_menu.get(), m_pictureFlag, this));
}

void CComboBox::setFont(Graphics::CFont *font)
{
    CTextLabel::setFont(font);
    if (m_menuWindow)
        m_menuWindow->setFont(font);
}

void CComboBox::drawControl(Graphics::CGraphics &graphics)
{
    if (!drawDisabledControl(graphics))
        return;
    if (!m_pressed)
        drawBackground(graphics, isDefaultControlDrawing());
    else if (m_pressedImage)
        drawOverNormalisedArea(graphics, *m_pressedImage);
    else if (isDefaultControlDrawing())
        drawFrame(graphics); // open: the frame alone, without the fill
    graphics.setTextColour(getTextColour());
    const MathTools::CDimension &size = getDimension();
    graphics.drawText(getText(), CRect(1, 1, size.getWidth(), size.getHeight()), getFont(), getTextAlignment());
}

void CComboBox::handleLeftButtonDown(CMouseEvent &)
{
    if (!m_menuWindow)
        return;
    m_pressed = true;
    update();
    CPoint below;
    getControlRoot()->getScreenPositionOfControl(this, below);
    below.offset(1, 0); // the root answers one pixel to the left of the corner
    m_menuWindow->showMenu(below);
}

void CComboBox::handleMenuClosing(const CMenuEvent &)
{
    if (m_menuWindow)
        m_menuWindow->setHighlightedIndex(-1);
    m_pressed = false;
    update();
}

void CComboBox::handleMenuSelection(const CMenuEvent &event)
{
    CMenuItem *item = event.getMenuItem();
    setText(item != nullptr ? item->getText() : Basics::CString(" "));
    m_selectedItem.reset(item);
    m_selectedId = static_cast<std::int32_t>(event.getMenuItemId());
    m_pressed = false;
    update();
    if (m_menuWindow)
        m_menuWindow->hideMenu();
    if (IActionListener *listener = getActionListener())
        listener->handleActionEvent(CActionEvent(this));
}
} // namespace Corvane::GUI::Controls
