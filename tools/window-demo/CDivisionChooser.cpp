#include "tools/window-demo/CDivisionChooser.hpp"

#include "framework/gui/controls/MusicMenus.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/windows/CWindowAttributes.hpp"

namespace Corvane::Demo
{
using MathTools::CAlphaColour;
using MathTools::CRect;

namespace
{
const CAlphaColour CHOOSER_FRAME(150, 160, 170, 255);
const CAlphaColour CHOOSER_FACE(222, 234, 246, 255);
const CAlphaColour CHOOSER_TEXT(0, 0, 0, 255);
const MathTools::CColour MENU_BACKGROUND(252, 252, 252);
} // namespace

GUI::Controls::CComboBox *addDivisionChooser(GUI::Controls::CControlPanel &panel, long top)
{
    panel.addControl(new GUI::Controls::CTextLabel(&panel, 5, CRect(16, top, 120, 24), "Division:"));
    Basics::TCountedReference<GUI::Controls::CMenu> divisions(new GUI::Controls::CMenu());
    GUI::Controls::buildTempoDivisionMenu(divisions.get());
    auto *chooser = new GUI::Controls::CComboBox(&panel, 6, CRect(136, top, 120, 24), "1/4", divisions.get(), nullptr);
    panel.addControl(chooser);
    chooser->setDefaultControlDrawing(true);
    chooser->setColours(CHOOSER_FRAME, CHOOSER_FACE, CHOOSER_TEXT);
    chooser->setTextAlignment(GUI::Graphics::CGraphics::CENTRE_CENTRE);
    Basics::TCountedReference<GUI::Windows::CWindowAttributes> menuLook(new GUI::Windows::CWindowAttributes());
    menuLook->setAttributes("Menu", MENU_BACKGROUND, 1.0, nullptr, true, false);
    chooser->createMenuWindow(menuLook.get(), false);
    return chooser;
}
} // namespace Corvane::Demo
