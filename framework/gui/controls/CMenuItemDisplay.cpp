#include "framework/gui/controls/CMenuItemDisplay.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CCheckMenuItem.hpp"
#include "framework/gui/graphics/CGraphics.hpp"

namespace Corvane::GUI::Controls
{
using MathTools::CAlphaColour;
using MathTools::CPoint;
using MathTools::CRect;

CORVANE_DEFINE_CLASS(CMenuItemDisplay, "CMenuItemDisplay", "CControlPanel")
CORVANE_DEFINE_CLASS(CMenuItemDisplay::CMenuItemSubMenuPointer, "CMenuItemDisplay::CMenuItemSubMenuPointer",
                     "CControl")
CORVANE_DEFINE_CLASS(CMenuItemDisplay::CMenuItemSelectable, "CMenuItemDisplay::CMenuItemSelectable", "CControl")

namespace
{
/** How far each child stays in from the edges of its place in the row. */
constexpr long CHILD_MARGIN = 2;
/** How far the arrow stays in from the edges of its own area. */
constexpr long ARROW_MARGIN = 4;
const CAlphaColour TICK_COLOUR(0, 0, 0, 255);
/** The tick's columns from left to right: how far each one's top lies below the highest. */
constexpr long TICK_DROPS[] = {2, 3, 4, 3, 2, 1, 0};
constexpr long TICK_COLUMN_HEIGHT = 3;

/** The picture a plain, link or sub-menu item shows: its highlight picture while highlighted. */
Graphics::CBaseImage *pictureOf(const CMenuItem &item, bool highlighted)
{
    if (const auto *check = dynamic_cast<const CCheckMenuItem *>(&item))
        return check->getStateImage(highlighted);
    if (highlighted && item.getHighlightImage() != nullptr)
        return item.getHighlightImage();
    return item.getNormalImage();
}
} // namespace

CMenuItemDisplay::CMenuItemSubMenuPointer::CMenuItemSubMenuPointer(IControlRoot *root, const CRect &area)
    : CControl(root, -1, area, nullptr)
{
    setMouseEnabled(false);
}

void CMenuItemDisplay::CMenuItemSubMenuPointer::drawControl(Graphics::CGraphics &graphics)
{
    CRect inside(getNormalisedArea());
    inside.inset(ARROW_MARGIN);
    if (inside.getWidth() <= 0 || inside.getHeight() <= 0)
        return;
    MathTools::CPolygon triangle(3);
    triangle.setPoint(0, CPoint(inside.getLeft(), inside.getTop()));
    triangle.setPoint(1, CPoint(inside.getRight(), inside.getTop() + inside.getHeight() / 2));
    triangle.setPoint(2, CPoint(inside.getLeft(), inside.getBottom()));
    graphics.getBrush().setColour(m_colour);
    graphics.fillPolygon(triangle);
}

CMenuItemDisplay::CMenuItemSelectable::CMenuItemSelectable(IControlRoot *root, const CRect &area)
    : CControl(root, -1, area, nullptr)
{
    setMouseEnabled(false);
}

void CMenuItemDisplay::CMenuItemSelectable::drawControl(Graphics::CGraphics &graphics)
{
    if (!m_checked)
        return;
    const CRect &area = getNormalisedArea();
    const long left = area.getCentralXPosition() - 3;
    const long top = area.getCentralYPosition() - 2;
    graphics.getBrush().setColour(TICK_COLOUR);
    long column = 0;
    for (long drop : TICK_DROPS)
        graphics.fillRectangle(CRect(left + column++, top + drop, 1, TICK_COLUMN_HEIGHT));
}

CMenuItemDisplay::CMenuItemDisplay(Windows::IWindow *window, IControlRoot *root, long uniqueId, const CRect &area,
                                   bool indent, bool pictureColumn)
    : CControlPanel(window, root, uniqueId, area, nullptr),
      m_indent(indent),
      m_pictureColumn(pictureColumn),
      m_picture(new CImageLabel(this, -1, CRect())),
      m_text(new CTextLabel(this, -1, CRect(), "")),
      m_arrow(new CMenuItemSubMenuPointer(this, CRect())),
      m_checkMark(new CMenuItemSelectable(this, CRect()))
{
    m_text->setDropFileEnabled(false);
}

CMenuItemDisplay::~CMenuItemDisplay() = default;

void CMenuItemDisplay::setMenuItem(CMenuItem *item)
{
    if (item == nullptr)
        throw Exceptions::CException("Menu item is null", "CMenuItemDisplay::setMenuItem(CMenuItem *)");
    m_item.reset(item);
    m_text->setText(item->getText());
    placeChildren();
    refreshLook();
}

void CMenuItemDisplay::place(CControl &child, CRect area)
{
    area.inset(CHILD_MARGIN);
    child.setArea(area);
    addControl(&child);
}

void CMenuItemDisplay::placeChildren()
{
    clearControls();
    const long width = getDimension().getWidth();
    const long height = getDimension().getHeight();
    const Graphics::CBaseImage *picture = m_item->getNormalImage();
    const long pictureWidth = picture != nullptr ? picture->getImageSize().getWidth() : height;
    const CRect pictureColumn(0, 0, pictureWidth, height);
    const CRect arrowColumn(width - height, 0, height, height);
    const CRect afterPicture(pictureWidth, 0, width - height, height);
    switch (m_item->getType())
    {
    case CMenuItem::SEPARATOR:
    case CMenuItem::COLUMN_BREAK:
        return;
    case CMenuItem::CHECK:
        place(*m_picture, pictureColumn);
        place(*m_checkMark, pictureColumn);
        place(*m_text, afterPicture);
        return;
    case CMenuItem::SUB_MENU:
        if (m_pictureColumn)
        {
            place(*m_picture, pictureColumn);
            place(*m_text, CRect(height, 0, width - height, height));
        }
        else
            place(*m_text, CRect(0, 0, width - height, height));
        place(*m_arrow, arrowColumn);
        return;
    default:
        if (m_pictureColumn)
            place(*m_picture, pictureColumn);
        place(*m_text, m_pictureColumn || m_indent ? afterPicture : CRect(0, 0, width, height));
        return;
    }
}

void CMenuItemDisplay::refreshLook()
{
    if (!m_item)
        return;
    const bool enabled = m_item->isEnabled();
    CAlphaColour text = m_item->hasOwnTextColour() ? m_item->getOwnTextColour()
                                                   : m_colours.getColour(CMenuColours::ITEM_TEXT);
    if (!enabled)
        text = m_colours.getColour(CMenuColours::DISABLED_TEXT);
    m_text->setTextColour(text);
    m_arrow->setColour(m_colours.getColour(enabled ? CMenuColours::SUB_MENU_ARROW : CMenuColours::DISABLED_TEXT));
    Graphics::CBaseImage *picture = pictureOf(*m_item, m_highlighted);
    m_picture->setPrimaryImage(picture);
    const auto *check = dynamic_cast<const CCheckMenuItem *>(m_item.get());
    // A check item with pictures of its states shows those instead of the tick.
    m_checkMark->setChecked(check != nullptr && check->isChecked() && picture == nullptr);
}

void CMenuItemDisplay::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    refreshLook();
    update();
}

void CMenuItemDisplay::setFont(Graphics::CFont *font)
{
    m_text->setFont(font);
}

void CMenuItemDisplay::setMenuColours(const CMenuColours &colours)
{
    m_colours = colours;
    refreshLook();
}

void CMenuItemDisplay::drawControl(Graphics::CGraphics &graphics)
{
    if (!m_item || m_item->getType() != CMenuItem::SEPARATOR)
    {
        CControlPanel::drawControl(graphics);
        return;
    }
    const long width = getDimension().getWidth();
    const long middle = getDimension().getHeight() / 2;
    graphics.getPen().setColour(m_colours.getColour(CMenuColours::SEPARATOR));
    graphics.drawLine(CPoint(CHILD_MARGIN, middle), CPoint(width - CHILD_MARGIN, middle));
}
} // namespace Corvane::GUI::Controls
