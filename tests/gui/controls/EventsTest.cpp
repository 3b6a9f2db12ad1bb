#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/windows/CMouse.hpp"
#include "tests/support/RecordingControl.hpp"
#include "tests/gui/controls/TestWindow.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

using namespace Corvane::GUI::Controls;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

TEST(CMouseEvent, SharesItsWindowsMouseAndKeepsOnlyKnownTypes)
{
    Corvane::GUI::Windows::CMouse mouse;
    CMouseEvent event(mouse, CMouseEvent::RIGHT_BUTTON_UP, 0.5);
    CMouseEvent other(mouse);
    event.setMousePosition(CPoint(12, -3));
    EXPECT_EQ(other.getMousePosition(), CPoint(12, -3));
    EXPECT_EQ(event.getWheelValue(), 0.5);

    for (long type : {512L, 513L, 514L, 515L, 516L, 517L, 522L, 675L})
        EXPECT_EQ(CMouseEvent(mouse, type).getEventType(), type);
    for (long type : {0L, 511L, 518L, 676L, -513L})
        EXPECT_EQ(CMouseEvent(mouse, type).getEventType(), CMouseEvent::MOUSE_MOVE) << type;
}

TEST(CDropEvent, CopiesOwnTheirFileNames)
{
    Corvane::Testing::TestWindow::makeProcessWideObjects();
    const Corvane::Testing::LiveCounts before;
    {
        auto original = std::make_unique<CDropEvent>(CPoint(7, 9));
        original->addFileName("/music/a.wav");
        original->getFileNames().addElement(new Corvane::Basics::CString("/music/b.wav"));
        const CDropEvent copy(*original);
        original->getFileNames().getElementAtIndex(0)->setString("changed");
        original.reset();

        ASSERT_EQ(copy.getFileNames().getNumberOfElements(), 2);
        EXPECT_EQ(*copy.getFileNames().getName(0), "/music/a.wav");
        EXPECT_EQ(*copy.getFileNames().getName(1), "/music/b.wav");
        EXPECT_EQ(copy.getDropPosition(), CPoint(7, 9));
    }
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}

TEST(CActionEvent, NamesItsControlAndTakesTheMouseModifiers)
{
    Corvane::Testing::TestWindow window(100, 100);
    Corvane::Testing::RecordingControl control(&window.root(), 3, CRect(0, 0, 10, 10));
    CMouseEvent mouseEvent(window.getMouse());
    mouseEvent.setModifiers(true, false, false); // control only
    const CActionEvent fromMouse(&control, mouseEvent);
    EXPECT_EQ(fromMouse.getControl(), &control);
    EXPECT_TRUE(fromMouse.isControlDown());
    EXPECT_FALSE(fromMouse.isShiftDown() || fromMouse.isAltDown());

    try
    {
        CActionEvent missing(nullptr);
        FAIL() << "a null control was accepted";
    }
    catch (const Corvane::Exceptions::CException &exception)
    {
        EXPECT_EQ(exception.getErrorReason(), "Control is NULL");
        EXPECT_EQ(exception.getFunctionName(), "CActionEvent::CActionEvent(IControl *control)");
    }
    EXPECT_THROW(CActionEvent(nullptr, mouseEvent), Corvane::Exceptions::CException);
}
