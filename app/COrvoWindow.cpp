#include "app/COrvoWindow.hpp"

#include "app/COrvoLooks.hpp"
#include "app/layout/CPanelLayout.hpp"
#include "app/panels/CalculatorPanels.hpp"
#include "app/startup/DataFolder.hpp"
#include "framework/application/CApplication.hpp"
#include "framework/basics/CException.hpp"
#include "framework/gui/controls/MusicMenus.hpp"
#include "framework/gui/graphics/CBaseImage.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/graphics/ImageFactory.hpp"

namespace Corvane::Orvo
{
CORVANE_DEFINE_CLASS(COrvoWindow, "COrvoWindow", "CWindow")

using GUI::Controls::IControlRoot;
using MathTools::CRect;

namespace
{
const MathTools::CColour WINDOW_BACKGROUND(160, 160, 174);
} // namespace

COrvoWindow::COrvoWindow(const CRect &area) : CWindow(area), m_divisions(new GUI::Controls::CMenu())
{
    chooseFont();
    GUI::Controls::buildTempoDivisionMenu(m_divisions.get());
    addPanels(area.getWidth());
    loadBackground();
    describe(*getWindowAttributes());
}

COrvoWindow::~COrvoWindow() = default;

const GUI::Graphics::CFont *COrvoWindow::chooseFont()
{
    GUI::Graphics::CFont *font = GUI::Graphics::CFont::getDefaultFont();
    if (font != nullptr)
        font->setFont("Arial", FONT_POINTS, false, false, false, false);
    return font;
}

const COrvoWindow &COrvoWindow::of(const IControlRoot &root)
{
    const auto *window = dynamic_cast<const COrvoWindow *>(root.getParentWindow());
    if (window == nullptr)
        throw Exceptions::CException("Calculator panels belong in the calculator window",
                                     "COrvoWindow::of(const IControlRoot &)");
    return *window;
}

void COrvoWindow::describe(GUI::Windows::CWindowAttributes &attributes)
{
    attributes.setAttributes(TITLE, WINDOW_BACKGROUND, 1.0, attributes.getWindowIcon(), true, false);
    attributes.setWindowStylePreset(GUI::Windows::CWindowAttributes::PRESET_FIXED_FRAME);
}

void COrvoWindow::addPanels(long width)
{
    IControlRoot *root = getControlRoot();
    GUI::Controls::CMenu *divisions = m_divisions.get();
    const auto area = [width](EPanel panel) { return CPanelLayout::getPanel(panel).getStripArea(width); };
    // Each panel goes to the root as soon as it is built, in the order of the strips.
    root->addControl(new CDelayPanel(root, -1, area(EPanel::DELAY), divisions));
    root->addControl(new CTimeToBpmPanel(root, -1, area(EPanel::TIME_TO_BPM)));
    root->addControl(new CBpmToTimePanel(root, -1, area(EPanel::BPM_TO_TIME)));
    root->addControl(new CTempoNoteShiftPanel(root, -1, area(EPanel::TEMPO_NOTE_SHIFT)));
    root->addControl(new CTimeStretchPanel(root, -1, area(EPanel::TIME_STRETCH)));
    root->addControl(new CTempoShiftPanel(root, -1, area(EPanel::TEMPO_SHIFT)));
    root->addControl(new CLfoPanel(root, -1, area(EPanel::LFO), divisions));
    root->addControl(new CClosestDivisionPanel(root, -1, area(EPanel::CLOSEST_DIVISION)));
    root->addControl(new CNoteFrequencyPanel(root, -1, area(EPanel::NOTE_FREQUENCY)));
    root->addControl(new CClosestNotePanel(root, -1, area(EPanel::CLOSEST_NOTE)));
}

Basics::CSystemString COrvoWindow::getBackgroundPath()
{
    Basics::CSystemString path = findDataFolder(*Application::CApplication::getApplicationPath());
    path.appendPath("Resources");
    path.appendPath("Background.png");
    return path;
}

void COrvoWindow::loadBackground()
{
    // A missing or damaged picture throws: the window cannot be made without its captions.
    getControlRoot()->setBackgroundImage(GUI::Graphics::createImage(getBackgroundPath()));
}
} // namespace Corvane::Orvo
