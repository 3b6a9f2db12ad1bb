#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CControlPanel.hpp"
#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/controls/CKeyboardEvent.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "tests/support/RecordingControl.hpp"
#include "tests/gui/controls/TestWindow.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

using namespace Corvane::GUI::Controls;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Corvane::Testing::RecordingControl;
using Corvane::Testing::TestWindow;

namespace
{
using Listener = IMouseEventListener;

RecordingControl *addRecording(TestWindow &window, const CRect &area, long uniqueId = 0)
{
    auto *control = new RecordingControl(&window.root(), uniqueId, area);
    window.root().addControl(control);
    return control;
}

bool keyDown(IControlRoot &root)
{
    return root.handleKeyDown(CKeyboardEvent());
}
} // namespace

TEST(CControlRoot, RefusesANullWindow)
{
    try
    {
        CControlRoot root(nullptr);
        FAIL() << "a root was built without a window";
    }
    catch (const Corvane::Exceptions::CException &exception)
    {
        EXPECT_EQ(exception.getErrorReason(), "Parent window is NULL");
        EXPECT_EQ(exception.getFunctionName(), "CControlRoot::CControlRoot(IWindow *)");
    }
    TestWindow window(10, 10);
    EXPECT_THROW(window.root().setParentWindow(nullptr), Corvane::Exceptions::CException);
}

TEST(CControlRoot, HitTestsIncludeEdgesAndTheFirstAddedWins)
{
    TestWindow window(200, 200);
    RecordingControl *first = addRecording(window, CRect(10, 10, 50, 50));
    RecordingControl *second = addRecording(window, CRect(40, 40, 50, 50));
    CControlRoot &root = window.root();
    EXPECT_EQ(root.getControlAtPoint(CPoint(45, 45)), first);
    EXPECT_EQ(root.getControlAtPoint(CPoint(60, 60)), first); // right and bottom edges belong to the area
    EXPECT_EQ(root.getControlAtPoint(CPoint(61, 60)), second);
    EXPECT_EQ(root.getControlAtPoint(CPoint(91, 90)), nullptr);
    EXPECT_EQ(root.getControlAtPoint(CPoint(9, 10)), nullptr);

    first->setMouseEnabled(false);
    second->setKeyboardEnabled(true);
    second->setDropFileEnabled(true);
    EXPECT_EQ(root.getControlAtPoint(CPoint(45, 45)), first);
    EXPECT_EQ(root.getMouseEnabledControlAtPoint(CPoint(45, 45)), second);
    EXPECT_EQ(root.getKeyEnabledControlAtPoint(CPoint(45, 45)), second);
    EXPECT_EQ(root.getDropFileEnabledControlAtPoint(CPoint(45, 45)), second);
    window.click(45, 45);
    EXPECT_TRUE(first->received.empty());
    EXPECT_EQ(second->summary(), "leftDown@5,5 leftUp@5,5");
}

TEST(CControlRoot, RoutesEveryMouseHandlerInControlCoordinates)
{
    TestWindow window(200, 200);
    RecordingControl *control = addRecording(window, CRect(30, 20, 40, 40));
    window.mouseEvent().setModifiers(true, false, true);
    const std::pair<TestWindow::MouseHandler, const char *> handlers[] = {
        {&Listener::handleLeftButtonDown, "leftDown"}, {&Listener::handleLeftButtonUp, "leftUp"},
        {&Listener::handleRightButtonDown, "rightDown"}, {&Listener::handleRightButtonUp, "rightUp"},
        {&Listener::handleDoubleClick, "double"},       {&Listener::handleMouseScroll, "scroll"},
        {&Listener::handleMouseMovement, "move"},       {&Listener::handleMouseLeavingArea, "leave"}};
    for (const auto &[handler, name] : handlers)
    {
        window.sendMouse(handler, 31, 59, -1.0);
        ASSERT_FALSE(control->received.empty());
        const RecordingControl::SReceived &received = control->received.back();
        EXPECT_EQ(received.handler, name);
        EXPECT_EQ(received.position, CPoint(1, 39)) << name;
        EXPECT_EQ(received.eventType, CMouseEvent::MOUSE_MOVE) << name;
        EXPECT_TRUE(received.controlDown && !received.shiftDown && received.altDown) << name;
        // The shared mouse is back at the window position once the handler returned.
        EXPECT_EQ(window.getMouse().getPosition(), CPoint(31, 59)) << name;
    }
    EXPECT_EQ(control->received[4].wheelValue, 0.0); // only the wheel handler takes the wheel value
    EXPECT_EQ(control->received[5].wheelValue, -1.0);

    window.sendMouse(&Listener::handleMouseMovement, 150, 150); // empty space: nobody, nothing changes
    EXPECT_EQ(control->received.size(), 8u);
    EXPECT_EQ(window.root().getLastMouseControl(), control);
}

TEST(CControlRoot, LockedControlsAndKeys)
{
    TestWindow window(200, 200);
    RecordingControl *locked = addRecording(window, CRect(50, 50, 10, 10));
    RecordingControl *other = addRecording(window, CRect(0, 0, 40, 40));
    CControlRoot &root = window.root();
    EXPECT_FALSE(keyDown(root)); // no mouse event yet, nothing locked

    root.lockControl(locked);
    window.click(5, 5);
    window.sendMouse(&Listener::handleLeftButtonUp, -20, 300); // outside the window too
    EXPECT_EQ(locked->summary(), "leftDown@-45,-45 leftUp@-45,-45 leftUp@-70,250");
    EXPECT_TRUE(other->received.empty());
    EXPECT_TRUE(keyDown(root));
    EXPECT_EQ(locked->keys.size(), 1u);

    // Unlocked, keys go to the last control the mouse met, keyboard-enabled or not.
    root.lockControl(nullptr);
    EXPECT_FALSE(root.isControlLocked());
    window.sendMouse(&Listener::handleMouseMovement, 5, 5);
    other->usesKeys = false;
    EXPECT_FALSE(keyDown(root));
    EXPECT_EQ(other->keys.size(), 1u);
}

TEST(CControlRoot, RemovingEmptiesTheSlotAndForgetsTheControl)
{
    TestWindow window(200, 200);
    CControlRoot &root = window.root();
    addRecording(window, CRect(0, 0, 10, 10), 5);
    RecordingControl *b = addRecording(window, CRect(20, 0, 10, 10), 7);
    RecordingControl *c = addRecording(window, CRect(40, 0, 10, 10), 7);
    root.addControl(b); // already held
    root.addControl(nullptr);
    EXPECT_EQ(root.getNumberOfControls(), 3);
    EXPECT_EQ(b->getReferenceCount(), 1);
    EXPECT_EQ(root.getControlAtIndex(7, false), b);

    window.sendMouse(&Listener::handleLeftButtonDown, 25, 5); // b: pressed, last under the mouse
    root.lockControl(b);
    b->reference(); // kept alive here, to see that the root forgot it in every role
    root.removeControl(b);
    EXPECT_EQ(b->getReferenceCount(), 1);
    EXPECT_FALSE(root.isControlAttached(b));
    EXPECT_FALSE(root.isControlLocked());
    EXPECT_EQ(root.getLastMouseControl(), nullptr);
    EXPECT_EQ(root.getPressedControl(), nullptr);
    EXPECT_FALSE(keyDown(root));
    window.sendMouse(&Listener::handleLeftButtonUp, 500, 5);
    EXPECT_EQ(b->summary(), "leftDown@5,5");
    b->dereference();

    EXPECT_EQ(root.getNumberOfControls(), 3);
    EXPECT_EQ(root.getControlArraySize(), 32);
    EXPECT_EQ(root.getControlAtIndex(1, true), nullptr);
    EXPECT_EQ(root.getControlAtIndex(7, false), c);
    auto *d = new RecordingControl(&root, 9, CRect(60, 0, 10, 10));
    EXPECT_EQ(root.getControlIndex(d), -1);
    root.addControl(d);
    EXPECT_EQ(root.getControlIndex(d), 3);
    EXPECT_EQ(root.getControlAtIndex(4, true), nullptr);
    for (long index = 0; index < 29; index++)
        root.addControl(new RecordingControl(&root, 100 + index, CRect(0, 100, 5, 5)));
    EXPECT_EQ(root.getControlArraySize(), 64);

    root.clearControls();
    EXPECT_EQ(root.getNumberOfControls(), 0);
    EXPECT_EQ(root.getControlArraySize(), 0);
}

TEST(CControlRoot, AControlThatLeavesDuringItsHandlerIsNotRemembered)
{
    TestWindow window(100, 100);
    RecordingControl *leaving = addRecording(window, CRect(0, 0, 10, 10));
    RecordingControl *staying = addRecording(window, CRect(20, 0, 10, 10));
    leaving->reference(); // kept alive here: only its leaving the root matters
    window.sendMouse(&Listener::handleMouseMovement, 25, 5);
    leaving->onMouse = [&window, leaving] { window.root().removeControl(leaving); };
    window.sendMouse(&Listener::handleLeftButtonDown, 5, 5);
    EXPECT_EQ(window.root().getLastMouseControl(), staying);
    EXPECT_EQ(window.root().getPressedControl(), nullptr);
    leaving->dereference();
}

TEST(CControlRoot, AReleaseOutsideTheWindowReachesThePressedControl)
{
    TestWindow window(100, 80);
    RecordingControl *pressed = addRecording(window, CRect(10, 10, 20, 20));
    RecordingControl *other = addRecording(window, CRect(50, 10, 20, 20));
    CControlRoot &root = window.root();

    window.sendMouse(&Listener::handleLeftButtonDown, 15, 15);
    EXPECT_EQ(root.getPressedControl(), pressed);
    window.sendMouse(&Listener::handleLeftButtonUp, 150, -7);
    EXPECT_EQ(pressed->summary(), "leftDown@5,5 leftUp@140,-17");
    window.sendMouse(&Listener::handleLeftButtonUp, 150, -7); // that press has ended
    EXPECT_EQ(pressed->received.size(), 2u);

    // The window's own edges count as inside, as for hit tests.
    window.sendMouse(&Listener::handleRightButtonDown, 15, 15);
    window.sendMouse(&Listener::handleRightButtonUp, 100, 80);
    window.sendMouse(&Listener::handleDoubleClick, 12, 12);
    window.sendMouse(&Listener::handleRightButtonUp, 101, 80);
    EXPECT_EQ(pressed->summary(), "leftDown@5,5 leftUp@140,-17 rightDown@5,5 double@2,2 rightUp@91,70");

    // Inside the window a release goes where the pointer is: to nobody, or to another control.
    window.sendMouse(&Listener::handleLeftButtonDown, 15, 15);
    window.sendMouse(&Listener::handleLeftButtonUp, 40, 40);
    window.sendMouse(&Listener::handleLeftButtonDown, 15, 15);
    window.sendMouse(&Listener::handleLeftButtonUp, 55, 15);
    EXPECT_EQ(pressed->received.back().handler, "leftDown");
    EXPECT_EQ(other->summary(), "leftUp@5,5");
}

TEST(CControlRoot, DropsAndRedrawRequests)
{
    TestWindow window(100, 100);
    RecordingControl *plain = addRecording(window, CRect(0, 0, 50, 50), 6);
    RecordingControl *accepting = addRecording(window, CRect(0, 0, 50, 50));
    accepting->setDropFileEnabled(true);
    window.root().handleFileDrop(CDropEvent(CPoint(20, 30)));
    window.root().handleFileDrop(CDropEvent(CPoint(70, 70)));
    EXPECT_EQ(plain->drops, 0);
    EXPECT_EQ(accepting->drops, 1);
    EXPECT_EQ(accepting->lastDropPosition, CPoint(20, 30));

    plain->update();
    window.root().updateArea(CRect(1, 2, 3, 4));
    window.root().updateControlAt(6, false);
    window.root().updateControlAt(5, true);
    EXPECT_EQ(window.redrawAreas, (std::vector<CRect>{CRect(0, 0, 50, 50), CRect(1, 2, 3, 4), CRect(0, 0, 50, 50)}));
    EXPECT_TRUE(plain->drawn.empty());
}

TEST(CControlRoot, ScreenPositionIsJustBelowTheControlsLowerLeftCorner)
{
    TestWindow window(100, 100);
    window.clientAreaOnScreen = CRect(200, 100, 100, 100);
    RecordingControl *control = addRecording(window, CRect(10, 20, 30, 40));
    CPoint point(1, 1);
    window.root().getScreenPositionOfControl(control, point);
    EXPECT_EQ(point, CPoint(209, 160));

    point = CPoint(1, 1);
    window.root().getScreenPositionOfControl(nullptr, point);
    window.clientAreaKnown = false;
    window.root().getScreenPositionOfControl(control, point);
    EXPECT_EQ(point, CPoint(1, 1));
}

TEST(CControlRoot, DestroyingTheRootFreesEveryControl)
{
    TestWindow::makeProcessWideObjects();
    const Corvane::Testing::LiveCounts before;
    {
        TestWindow window(100, 100);
        auto *panel = new CControlPanel(&window, &window.root(), 1, CRect(0, 50, 100, 50), nullptr);
        window.root().addControl(panel);
        auto *inner = new CControlPanel(&window, panel, 2, CRect(0, 0, 50, 50), nullptr);
        panel->addControl(inner);
        inner->addControl(new CTextLabel(inner, 3, CRect(5, 5, 10, 10), "deep"));
        for (long index = 0; index < 5; index++)
            addRecording(window, CRect(index * 10, 0, 10, 10), index);
        window.root().removeControl(window.root().getControlAtIndex(2, true));
        inner->lockControl(inner->getControlAtIndex(0, true));
        window.click(15, 5);
    }
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}
