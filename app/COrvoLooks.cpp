#include "app/COrvoLooks.hpp"

namespace Corvane::Orvo
{
using GUI::Controls::CMenuColours;
using MathTools::CAlphaColour;

namespace
{
const CAlphaColour MENU_TEXT(220, 214, 248, 255);
const CAlphaColour MENU_DISABLED_TEXT(47, 83, 116, 255);
const CAlphaColour MENU_FRAME(0, 0, 0, 255);
const CAlphaColour MENU_HIGHLIGHT(150, 150, 150, 255);
const MathTools::CColour MENU_WINDOW_BACKGROUND(62, 62, 59);
constexpr double MENU_WINDOW_ALPHA = 0.87;
} // namespace

COrvoLooks::COrvoLooks() : m_menuWindowAttributes(new GUI::Windows::CWindowAttributes())
{
    m_menuColours.setColour(CMenuColours::ITEM_TEXT, MENU_TEXT);
    m_menuColours.setColour(CMenuColours::DISABLED_TEXT, MENU_DISABLED_TEXT);
    m_menuColours.setColour(CMenuColours::SEPARATOR, MENU_TEXT);
    m_menuColours.setColour(CMenuColours::SUB_MENU_ARROW, MENU_TEXT);
    m_menuColours.setColour(CMenuColours::FRAME, MENU_FRAME);
    m_menuColours.setColour(CMenuColours::HIGHLIGHT_FILL, MENU_HIGHLIGHT);
    GUI::Windows::CWindowAttributes &attributes = *m_menuWindowAttributes;
    attributes.setAttributes(attributes.getTitle(), MENU_WINDOW_BACKGROUND, MENU_WINDOW_ALPHA,
                             attributes.getWindowIcon(), attributes.isEnabled(), attributes.hasDropShadow());
}
} // namespace Corvane::Orvo
