#include "framework/gui/controls/CControlPanel.hpp"
#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/controls/CKeyboardEvent.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "tests/support/RecordingControl.hpp"
#include "tests/gui/controls/TestWindow.hpp"

#include <gtest/gtest.h>

using namespace Corvane::GUI::Controls;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Corvane::Testing::RecordingControl;
using Corvane::Testing::TestWindow;

namespace
{
using Listener = IMouseEventListener;

CControlPanel *addPanel(TestWindow &window, IControlRoot &root, const CRect &area, long uniqueId = 0)
{
    auto *panel = new CControlPanel(&window, &root, uniqueId, area, nullptr);
    root.addControl(panel);
    return panel;
}

RecordingControl *addRecording(IControlRoot &root, const CRect &area, long uniqueId = 0)
{
    auto *control = new RecordingControl(&root, uniqueId, area);
    root.addControl(control);
    return control;
}

/** A window holding a panel at (100, 50, 60, 40) that holds a recording child at (10, 10, 20, 20). */
struct PanelScene
{
    TestWindow window{300, 200};
    CControlPanel *panel = addPanel(window, window.root(), CRect(100, 50, 60, 40), 1);
    RecordingControl *child = addRecording(*panel, CRect(10, 10, 20, 20), 2);
};
} // namespace

TEST(CControlPanel, ChildrenFollowThePanelInWindowCoordinates)
{
    PanelScene scene;
    EXPECT_TRUE(scene.panel->isContainer());
    EXPECT_STREQ(scene.panel->getClass().getClassName(), "CControlPanel");
    EXPECT_EQ(scene.child->getControlRoot(), scene.panel);
    EXPECT_EQ(scene.child->getParentControl(), scene.panel);
    EXPECT_EQ(scene.child->getWindowArea(), CRect(110, 60, 20, 20));
    EXPECT_EQ(scene.panel->getWindowOffset(), CPoint(100, 50));
    scene.panel->setArea(CRect(0, 0, 60, 40));
    EXPECT_EQ(scene.child->getWindowArea(), CRect(10, 10, 20, 20));
    EXPECT_EQ(scene.child->getArea(), CRect(10, 10, 20, 20));

    // Nested panels add every position on the way up.
    CControlPanel *inner = addPanel(scene.window, *scene.panel, CRect(30, 5, 25, 25));
    RecordingControl *deep = addRecording(*inner, CRect(2, 3, 4, 4));
    EXPECT_EQ(deep->getWindowArea(), CRect(32, 8, 4, 4));
    scene.panel->setArea(CRect(100, 50, 60, 40));
    EXPECT_EQ(deep->getWindowArea(), CRect(132, 58, 4, 4));

    // A child made for another root is placed for its new one when the panel takes it.
    auto *moved = new RecordingControl(&scene.window.root(), 9, CRect(1, 1, 5, 5));
    EXPECT_EQ(moved->getWindowArea(), CRect(1, 1, 5, 5));
    inner->addControl(moved);
    EXPECT_EQ(moved->getWindowArea(), CRect(131, 56, 5, 5));
    EXPECT_EQ(moved->getControlRoot(), inner);
}

TEST(CControlPanel, PassesMouseEventsOnInItsChildrensCoordinates)
{
    PanelScene scene;
    scene.window.click(115, 65);
    EXPECT_EQ(scene.child->summary(), "leftDown@5,5 leftUp@5,5");
    EXPECT_EQ(scene.window.getMouse().getPosition(), CPoint(115, 65));
    EXPECT_EQ(scene.window.root().getLastMouseControl(), scene.panel);
    EXPECT_EQ(scene.panel->getLastMouseControl(), scene.child);

    scene.window.click(105, 55); // inside the panel, beside the child
    EXPECT_EQ(scene.child->received.size(), 2u);

    CKeyboardEvent key;
    key.setKey('q');
    EXPECT_TRUE(scene.window.root().handleKeyDown(key));
    EXPECT_EQ(scene.child->keys, (std::vector<std::string>{"down q"}));
}

TEST(CControlPanel, LockingAChildLocksThePanel)
{
    PanelScene scene;
    RecordingControl *outside = addRecording(scene.window.root(), CRect(0, 0, 20, 20));
    scene.panel->lockControl(scene.child);
    EXPECT_EQ(scene.window.root().getLockedControl(), scene.panel);
    EXPECT_EQ(scene.panel->getLockedControl(), scene.child);

    scene.window.click(5, 5);
    EXPECT_EQ(scene.child->summary(), "leftDown@-105,-55 leftUp@-105,-55");
    EXPECT_TRUE(outside->received.empty());

    scene.panel->unlockControl();
    EXPECT_FALSE(scene.window.root().isControlLocked());
    EXPECT_FALSE(scene.panel->isControlLocked());

    scene.panel->lockControl(scene.child);
    scene.panel->lockControl(nullptr);
    EXPECT_FALSE(scene.window.root().isControlLocked());

    // A locked child that leaves the panel takes both locks with it.
    scene.panel->lockControl(scene.child);
    scene.panel->removeControl(scene.child);
    EXPECT_FALSE(scene.window.root().isControlLocked());
    scene.window.click(5, 5);
    EXPECT_EQ(outside->received.size(), 2u);
}

TEST(CControlPanel, AReleaseOutsideReachesThePressedChildThroughThePanel)
{
    PanelScene scene;
    RecordingControl *neighbour = addRecording(*scene.panel, CRect(40, 10, 10, 10));
    scene.window.sendMouse(&Listener::handleLeftButtonDown, 115, 65);
    scene.window.sendMouse(&Listener::handleLeftButtonUp, 400, -20);
    EXPECT_EQ(scene.child->summary(), "leftDown@5,5 leftUp@290,-80");

    // Inside the window but on the panel's other child, the release goes there.
    scene.window.sendMouse(&Listener::handleLeftButtonDown, 115, 65);
    scene.window.sendMouse(&Listener::handleLeftButtonUp, 145, 65);
    EXPECT_EQ(neighbour->summary(), "leftUp@5,5");
    EXPECT_EQ(scene.child->received.size(), 3u);
}

TEST(CControlPanel, RedrawRequestsAndPositionsClimbToTheWindow)
{
    PanelScene scene;
    scene.window.clientAreaOnScreen = CRect(200, 100, 300, 200);
    scene.window.redrawAreas.clear();
    scene.panel->updateArea(CRect(0, 0, 5, 5));
    scene.child->update();
    scene.panel->update();
    EXPECT_EQ(scene.window.redrawAreas,
              (std::vector<CRect>{CRect(100, 50, 5, 5), CRect(110, 60, 20, 20), CRect(100, 50, 60, 40)}));

    CPoint point;
    scene.panel->getScreenPositionOfControl(scene.child, point);
    EXPECT_EQ(point, CPoint(309, 180));
    CPoint position(1, 1);
    scene.panel->getWindowPositionOfControl(scene.child, position);
    EXPECT_EQ(position, CPoint(111, 61));
    scene.panel->getWindowPositionOfControl(nullptr, position);
    EXPECT_EQ(position, CPoint(111, 61));
}

TEST(CControlPanel, EnablingAndDisablingReachEveryChild)
{
    PanelScene scene;
    RecordingControl *second = addRecording(*scene.panel, CRect(40, 10, 10, 10));
    scene.panel->removeControl(second); // an empty slot is skipped
    addRecording(*scene.panel, CRect(40, 10, 10, 10));
    scene.panel->disable();
    EXPECT_FALSE(scene.panel->isEnabled());
    EXPECT_FALSE(scene.child->isEnabled());
    EXPECT_FALSE(scene.panel->getControlAtIndex(2, true)->isEnabled());
    scene.panel->enable();
    EXPECT_TRUE(scene.child->isEnabled());
    EXPECT_TRUE(scene.panel->getControlAtIndex(2, true)->isEnabled());
}

TEST(CControlPanel, DeepHitTestsDescendIntoNestedPanels)
{
    PanelScene scene;
    CControlPanel *inner = addPanel(scene.window, *scene.panel, CRect(30, 5, 25, 25));
    auto *label = new CTextLabel(inner, 5, CRect(5, 5, 10, 10), "deep");
    inner->addControl(label);

    EXPECT_EQ(scene.window.root().getDeepControlAtPoint(CPoint(140, 65)), scene.panel); // a root does not descend
    EXPECT_EQ(scene.panel->getDeepControlAtPoint(CPoint(40, 15)), label);
    EXPECT_EQ(scene.panel->getDeepControlAtPoint(CPoint(32, 7)), inner);
    EXPECT_EQ(scene.panel->getDeepControlAtPoint(CPoint(15, 15)), scene.child);
    EXPECT_EQ(scene.panel->getDeepControlAtPoint(CPoint(2, 2)), scene.panel);
}

TEST(CControlPanel, DropsFindChildrenInPanelCoordinatesAndKeepTheWindowPosition)
{
    PanelScene scene;
    scene.panel->setDropFileEnabled(true);
    scene.child->setDropFileEnabled(true);
    scene.window.root().handleFileDrop(CDropEvent(CPoint(115, 65)));
    EXPECT_EQ(scene.child->drops, 1);
    EXPECT_EQ(scene.child->lastDropPosition, CPoint(115, 65));
}
