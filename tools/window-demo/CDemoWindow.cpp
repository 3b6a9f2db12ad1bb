#include "tools/window-demo/CDemoWindow.hpp"

#include "framework/gui/controls/CControlPanel.hpp"
#include "framework/gui/windows/Dialogs.hpp"
#include "tools/window-demo/CDivisionChooser.hpp"

namespace Corvane::Demo
{
using GUI::Controls::CControlPanel;
using GUI::Controls::CTextLabel;
using MathTools::CAlphaColour;
using MathTools::CRect;

namespace
{
const MathTools::CColour BACKGROUND(236, 240, 244);
const CAlphaColour PANEL_FACE(255, 255, 255, 255);
const CAlphaColour PANEL_FRAME(150, 160, 170, 255);
const CAlphaColour COUNTER_FACE(222, 234, 246, 255);
const CAlphaColour FIELD_FACE(255, 255, 255, 255);
const CAlphaColour TEXT_BLACK(0, 0, 0, 255);
} // namespace

CClickCounter::CClickCounter(GUI::Controls::IControlRoot *root, long uniqueId, const CRect &area)
    : CTextLabel(root, uniqueId, area, "0")
{
    setMouseEnabled(true);
    setDefaultControlDrawing(true);
    setColours(PANEL_FRAME, COUNTER_FACE, CAlphaColour(0, 0, 0, 255));
    setTextAlignment(GUI::Graphics::CGraphics::CENTRE_CENTRE);
}

void CClickCounter::handleLeftButtonUp(GUI::Controls::CMouseEvent &)
{
    setCount(m_count + 1);
}

void CClickCounter::setCount(long count)
{
    m_count = count;
    Basics::CString text;
    text.setStringWithFormat("%li", count);
    setText(text);
}

CDemoWindow::CDemoWindow(const MathTools::CPoint &position) : CWindow(CRect(position, MathTools::CDimension(WIDTH, HEIGHT)))
{
    GUI::Controls::IControlRoot *root = getControlRoot();
    auto *panel = new CControlPanel(this, root, 1, CRect(16, 16, 288, 188), nullptr);
    panel->setDefaultControlDrawing(true);
    panel->setColours(PANEL_FACE, PANEL_FRAME);
    root->addControl(panel);
    panel->addControl(new CTextLabel(panel, 2, CRect(16, 16, 120, 24), "Clicks:"));
    m_counter = new CClickCounter(panel, 3, CRect(136, 16, 120, 24));
    panel->addControl(m_counter);
    panel->addControl(new CTextLabel(panel, 4, CRect(16, 64, 256, 24), "Click the count, or press M."));
    m_committed = new CCommittedTextLabel(panel, 6, CRect(136, 104, 120, 24));
    m_edit = new GUI::Controls::CTextEdit(panel, 5, CRect(16, 104, 104, 24), "120", m_committed);
    m_edit->setDefaultControlDrawing(true);
    m_edit->setColours(PANEL_FRAME, FIELD_FACE, TEXT_BLACK);
    m_edit->setTextAlignment(GUI::Graphics::CGraphics::CENTRE_CENTRE);
    m_edit->setPopupAlignment(1);
    panel->addControl(m_edit);
    panel->addControl(m_committed);
    m_divisionChooser = addDivisionChooser(*panel, 144);
    describe(*getWindowAttributes());
}

void CDemoWindow::describe(GUI::Windows::CWindowAttributes &attributes)
{
    attributes.setAttributes(TITLE, BACKGROUND, 1.0, nullptr, true, false);
    attributes.setWindowStyle(GUI::Windows::CWindowAttributes::STYLE_FIXED_FRAME, 0);
}

bool CDemoWindow::handleKeyboardHook(const Platform::SPlatformMessage &message)
{
    // While an edit is open every key is typed into it.
    if (message.kind == Platform::EMessageKind::KEY_DOWN && message.key == 'm' && !getControlRoot()->isControlLocked())
    {
        GUI::Windows::messageBox("Hello from Corvane.\nPress Enter to close this box.", MESSAGE_TITLE, false);
        return true;
    }
    return CWindow::handleKeyboardHook(message);
}
} // namespace Corvane::Demo
