#include "app/panels/CalculatorPanels.hpp"

#include "framework/gui/controls/CMenu.hpp"
#include "framework/gui/controls/CMenuItem.hpp"
#include "framework/gui/controls/MusicMenus.hpp"

namespace Corvane::Orvo
{
using GUI::Controls::CMenu;
using GUI::Controls::IControlRoot;
using MathTools::CRect;

CORVANE_DEFINE_CLASS(CDelayPanel, "CDelayPanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CTimeToBpmPanel, "CTimeToBpmPanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CBpmToTimePanel, "CBpmToTimePanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CTempoNoteShiftPanel, "CTempoNoteShiftPanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CTimeStretchPanel, "CTimeStretchPanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CTempoShiftPanel, "CTempoShiftPanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CLfoPanel, "CLfoPanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CClosestDivisionPanel, "CClosestDivisionPanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CNoteFrequencyPanel, "CNoteFrequencyPanel", "CControlPanel")
CORVANE_DEFINE_CLASS(CClosestNotePanel, "CClosestNotePanel", "CControlPanel")

namespace
{
const SPanelLayout &layoutOf(EPanel panel)
{
    return CPanelLayout::getPanel(panel);
}
} // namespace

CDelayPanel::CDelayPanel(IControlRoot *root, long uniqueId, const CRect &area, CMenu *divisions)
    : CDivisionPanel(root, uniqueId, area, layoutOf(EPanel::DELAY), divisions)
{
    calculate();
}

CTimeToBpmPanel::CTimeToBpmPanel(IControlRoot *root, long uniqueId, const CRect &area)
    : CCalculatorPanel(root, uniqueId, area, layoutOf(EPanel::TIME_TO_BPM), nullptr)
{
    calculate();
}

CBpmToTimePanel::CBpmToTimePanel(IControlRoot *root, long uniqueId, const CRect &area)
    : CCalculatorPanel(root, uniqueId, area, layoutOf(EPanel::BPM_TO_TIME), nullptr)
{
    calculate();
}

CTempoNoteShiftPanel::CTempoNoteShiftPanel(IControlRoot *root, long uniqueId, const CRect &area)
    : CCalculatorPanel(root, uniqueId, area, layoutOf(EPanel::TEMPO_NOTE_SHIFT), nullptr)
{
    calculate();
}

CTimeStretchPanel::CTimeStretchPanel(IControlRoot *root, long uniqueId, const CRect &area)
    : CCalculatorPanel(root, uniqueId, area, layoutOf(EPanel::TIME_STRETCH), nullptr)
{
    calculate();
}

CTempoShiftPanel::CTempoShiftPanel(IControlRoot *root, long uniqueId, const CRect &area)
    : CCalculatorPanel(root, uniqueId, area, layoutOf(EPanel::TEMPO_SHIFT), nullptr)
{
    calculate();
}

CLfoPanel::CLfoPanel(IControlRoot *root, long uniqueId, const CRect &area, CMenu *divisions)
    : CDivisionPanel(root, uniqueId, area, layoutOf(EPanel::LFO), divisions)
{
    calculate();
}

CClosestDivisionPanel::CClosestDivisionPanel(IControlRoot *root, long uniqueId, const CRect &area)
    : CCalculatorPanel(root, uniqueId, area, layoutOf(EPanel::CLOSEST_DIVISION), nullptr)
{
    calculate();
}

CNoteFrequencyPanel::CNoteFrequencyPanel(IControlRoot *root, long uniqueId, const CRect &area)
    : CCalculatorPanel(root, uniqueId, area, layoutOf(EPanel::NOTE_FREQUENCY), makeNoteMenu())
{
    // A4's frequency, 440.00: the calculation of the note the combo box shows at first.
    calculate();
}

CMenu *CNoteFrequencyPanel::makeNoteMenu()
{
    // The combo box takes the reference that keeps the menu.
    auto *menu = new CMenu();
    GUI::Controls::buildNoteMenu(menu);
    return menu;
}

long CNoteFrequencyPanel::getChoice() const
{
    const GUI::Controls::CMenuItem *note = getChooser()->getSelectedItem();
    return note != nullptr ? note->getId() : CCalculatorPanel::getChoice();
}

CClosestNotePanel::CClosestNotePanel(IControlRoot *root, long uniqueId, const CRect &area)
    : CCalculatorPanel(root, uniqueId, area, layoutOf(EPanel::CLOSEST_NOTE), nullptr)
{
    calculate();
}
} // namespace Corvane::Orvo
