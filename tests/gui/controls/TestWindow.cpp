#include "tests/gui/controls/TestWindow.hpp"

#include "framework/basics/TextBuffer.hpp"
#include "framework/gui/controls/CNameList.hpp"

namespace Corvane::Testing
{
CORVANE_DEFINE_CLASS(TestWindow, "TestWindow", "UndefinedParent")

TestWindow::TestWindow(long width, long height)
    : m_size(width, height), m_area(0, 0, width, height), m_mouseEvent(m_mouse),
      m_root(std::make_unique<GUI::Controls::CControlRoot>(this))
{
    clientAreaOnScreen.setDimension(m_size);
}

TestWindow::~TestWindow() = default;

void TestWindow::makeProcessWideObjects()
{
    const GUI::Windows::CMouse mouse;
    const GUI::Controls::CNameList names;
}

void TestWindow::sendMouse(MouseHandler handler, long x, long y, double wheelValue)
{
    m_mouse.setPosition(MathTools::CPoint(x, y));
    m_mouseEvent.setWheelValue(wheelValue);
    (m_root.get()->*handler)(m_mouseEvent);
}

void TestWindow::click(long x, long y)
{
    sendMouse(&GUI::Controls::IMouseEventListener::handleLeftButtonDown, x, y);
    sendMouse(&GUI::Controls::IMouseEventListener::handleLeftButtonUp, x, y);
}

void TestWindow::getObjectDescription(char *text, long size) const
{
    Basics::copyTextToBuffer("Test window", text, size);
}

void TestWindow::redrawWindow()
{
    redrawWindow(MathTools::CRect(MathTools::CPoint(), m_size));
}

void TestWindow::setWindowPosition(const MathTools::CPoint &position)
{
    m_position = position;
    m_area.setOrigin(position);
}

void TestWindow::setWindowSize(const MathTools::CDimension &size)
{
    m_size = size;
    m_area.setDimension(size);
}

bool TestWindow::getClientAreaOnScreen(MathTools::CRect &area) const
{
    if (clientAreaKnown)
        area = clientAreaOnScreen;
    return clientAreaKnown;
}
} // namespace Corvane::Testing
