// The window on the headless backend: everything arrives as delivered platform messages, with no
// display and no sleeping.
#include "framework/application/CApplication.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CControlPanel.hpp"
#include "framework/gui/controls/CControlRoot.hpp"
#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "framework/gui/graphics/CJPEGImage.hpp"
#include "framework/gui/windows/CCursor.hpp"
#include "framework/gui/windows/CWindow.hpp"
#include "framework/platform/CHeadlessDriver.hpp"
#include "tests/gui/windows/WindowTestSupport.hpp"
#include "tests/support/RecordingControl.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace Corvane;
using namespace Corvane::Testing;
using GUI::Controls::CControlPanel;
using GUI::Controls::CTextLabel;
using GUI::Windows::CWindow;
using MathTools::CPoint;
using MathTools::CRect;
using Platform::EMessageKind;

/** A popup over part of one window, as an open edit box is. */
class CTestPopup : public GUI::Windows::IPopup
{
public:
    CTestPopup(const GUI::Windows::IWindow &window, const CRect &area, bool usesUpThePress)
        : m_window(window), m_area(area), m_usesUpThePress(usesUpThePress)
    {
        CWindow::addOpenPopup(this);
    }
    ~CTestPopup() override { CWindow::removeOpenPopup(this); }

    bool holdsPress(const GUI::Windows::IWindow &window, const CPoint &position) const override
    {
        return &window == &m_window && position.getXPosition() >= m_area.getLeft() &&
               position.getXPosition() < m_area.getRight() && position.getYPosition() >= m_area.getTop() &&
               position.getYPosition() < m_area.getBottom();
    }
    bool dismissPopup() override
    {
        ++dismissals;
        return m_usesUpThePress;
    }

    int dismissals = 0;

private:
    const GUI::Windows::IWindow &m_window;
    CRect m_area;
    bool m_usesUpThePress;
};

class WindowTest : public HeadlessWindowTest
{
protected:
    WindowTest() { window = openWindow(CRect(300, 200, 200, 150)); }

    Basics::TCountedReference<CWindow> window;
};

TEST_F(WindowTest, PresentsExactlyWhatTheControlsDrawOffscreen)
{
    GUI::Controls::IControlRoot *root = window->getControlRoot();
    Basics::TCountedReference<GUI::Graphics::CBaseImage> background(
        new GUI::Graphics::CJPEGImage(imageFixture("quadrants.jpg").c_str()));
    root->setBackgroundImage(background.get());
    auto *panel = new CControlPanel(window.get(), root, 1, CRect(20, 30, 150, 90), nullptr);
    panel->setDefaultControlDrawing(true);
    root->addControl(panel);
    panel->addControl(new CTextLabel(panel, 2, CRect(5, 5, 100, 20), "Panel label"));
    root->addControl(new CTextLabel(root, 3, CRect(10, 125, 180, 20), "Root label"));
    window->redrawWindow();
    window->updateWindow();

    const Picture expected = drawnOffscreen(*window);
    const Platform::CHeadlessWindow &shown = record(*window);
    ASSERT_EQ(expected.size(), shown.getPixels().size());
    EXPECT_TRUE(expected == shown.getPixels()) << "the presented pixels differ from the offscreen drawing";
    EXPECT_NE(shown.getPixel(25, 35), shown.getPixel(195, 5)) << "the panel is drawn over the background";
}

TEST_F(WindowTest, UpdatingOneLabelRepaintsOnlyItsArea)
{
    auto *label = new CTextLabel(window->getControlRoot(), 1, CRect(40, 50, 60, 20), "120.00");
    window->getControlRoot()->addControl(label);
    window->updateWindow();
    ASSERT_FALSE(window->hasPendingArea());

    label->setText("428.57");
    EXPECT_TRUE(window->hasPendingArea());
    EXPECT_EQ(CRect(40, 50, 60, 20), window->getPendingArea());

    // Pixels outside the label that change in the picture must not reach the screen.
    const std::uint32_t outside = record(*window).getPixel(5, 5);
    window->getWindowAttributes()->setAttributes("Test", MathTools::CColour(1, 2, 3), 1.0, nullptr, true, false);
    window->updateWindow();
    EXPECT_EQ(outside, record(*window).getPixel(5, 5));
    EXPECT_EQ(drawnOffscreen(*window).at(55 * 200 + 45), record(*window).getPixel(45, 55));
}

TEST_F(WindowTest, APartialPaintLeavesTheKeptPictureWhole)
{
    GUI::Controls::IControlRoot *root = window->getControlRoot();
    auto *panel = new CControlPanel(window.get(), root, 1, CRect(20, 30, 150, 90), nullptr);
    panel->setDefaultControlDrawing(true);
    root->addControl(panel);
    auto *changed = new CTextLabel(panel, 2, CRect(5, 5, 100, 20), "120.00");
    panel->addControl(changed);
    auto *untouched = new CTextLabel(panel, 3, CRect(5, 50, 100, 20), "untouched");
    untouched->setDefaultControlDrawing(true);
    untouched->setColours(MathTools::CAlphaColour(0, 0, 0, 255), MathTools::CAlphaColour(250, 20, 20, 255),
                          MathTools::CAlphaColour(0, 0, 0, 255));
    panel->addControl(untouched);
    window->redrawWindow();
    window->updateWindow();

    // A paint of one child's area, as a popup closing over it asks for.
    window->redrawWindow(changed->getWindowArea());
    window->updateWindow();
    const Picture whole = drawnOffscreen(*window);
    const GUI::Graphics::CNativeImage &kept = window->getOffscreenPicture();
    for (long y = 0; y < 150; y++)
        for (long x = 0; x < 200; x++)
            ASSERT_EQ(whole.at(static_cast<std::size_t>(y * 200 + x)), kept.getPixel(x, y)) << x << "," << y;
}

TEST_F(WindowTest, RedrawingWithoutAnAreaMarksTheWholeClientArea)
{
    window->updateWindow();
    window->redrawWindow();
    EXPECT_EQ(CRect(0, 0, 200, 150), window->getPendingArea());
}

TEST_F(WindowTest, AnUncoveredAreaIsPresentedAgainFromTheKeptPictureAndDrawnOnlyWhenStale)
{
    auto *control = new RecordingControl(window->getControlRoot(), 1, CRect(10, 10, 50, 20));
    window->getControlRoot()->addControl(control);
    window->redrawWindow();
    window->updateWindow();
    ASSERT_EQ(1u, control->drawn.size());

    // The platform lost what the window showed (its surface starts black again) and says so.
    const Picture shown = drawnOffscreen(*window);
    record(*window).resize({200, 150});
    ASSERT_FALSE(shown == record(*window).getPixels());
    const std::size_t drawings = control->drawn.size();
    Platform::SPlatformMessage exposed = message(EMessageKind::EXPOSED);
    exposed.area = {0, 0, 200, 150};
    deliver(*window, exposed);
    window->updateWindow();
    EXPECT_EQ(drawings, control->drawn.size()) << "an exposure of an up-to-date window drew it again";
    EXPECT_FALSE(window->hasPendingArea());
    EXPECT_TRUE(shown == record(*window).getPixels());

    // With a change still pending, the exposed area joins the next paint instead.
    window->redrawWindow(CRect(10, 10, 5, 5));
    exposed.area = {100, 100, 20, 20};
    deliver(*window, exposed);
    EXPECT_EQ(CRect(10, 10, 110, 110), window->getPendingArea());
}

TEST_F(WindowTest, PressAndReleaseReachTheControlUnderThePointerInItsOwnCoordinates)
{
    auto *panel = new CControlPanel(window.get(), window->getControlRoot(), 1, CRect(100, 50, 80, 80), nullptr);
    window->getControlRoot()->addControl(panel);
    auto *child = new RecordingControl(panel, 2, CRect(10, 10, 20, 20));
    panel->addControl(child);
    auto *direct = new RecordingControl(window->getControlRoot(), 3, CRect(0, 0, 50, 50));
    window->getControlRoot()->addControl(direct);

    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 115, 65));
    deliver(*window, mouse(EMessageKind::BUTTON_UP, 116, 66));
    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 7, 9, Platform::EMouseButton::RIGHT));
    EXPECT_EQ("leftDown@5,5 leftUp@6,6", child->summary());
    EXPECT_EQ("rightDown@7,9", direct->summary());
    EXPECT_EQ(CPoint(7, 9), window->getMouse().getPosition()) << "the window's mouse is back in window coordinates";
}

TEST_F(WindowTest, ALockedControlGetsEveryEvent)
{
    auto *locked = new RecordingControl(window->getControlRoot(), 1, CRect(50, 50, 10, 10));
    auto *other = new RecordingControl(window->getControlRoot(), 2, CRect(0, 0, 40, 40));
    window->getControlRoot()->addControl(locked);
    window->getControlRoot()->addControl(other);
    window->getControlRoot()->lockControl(locked);

    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 10, 10));
    deliver(*window, mouse(EMessageKind::MOUSE_MOVE, 20, 20));
    deliver(*window, key(EMessageKind::KEY_DOWN, 'a'));
    EXPECT_EQ("leftDown@-40,-40 move@-30,-30", locked->summary());
    EXPECT_EQ((std::vector<std::string>{"down a"}), locked->keys);
    EXPECT_TRUE(other->received.empty());
    EXPECT_TRUE(other->keys.empty());
}

TEST_F(WindowTest, TheControlThatGotThePressGetsTheReleaseOutsideTheWindow)
{
    auto *pressed = new RecordingControl(window->getControlRoot(), 1, CRect(10, 10, 30, 30));
    window->getControlRoot()->addControl(pressed);

    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 20, 20));
    EXPECT_TRUE(record(*window).isCaptured()) << "a press takes the mouse capture";
    deliver(*window, mouse(EMessageKind::BUTTON_UP, -50, 400));
    EXPECT_FALSE(record(*window).isCaptured()) << "the release gives it back";
    EXPECT_EQ("leftDown@10,10 leftUp@-60,390", pressed->summary());

    // Inside the window a release over empty space still reaches nobody.
    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 20, 20));
    deliver(*window, mouse(EMessageKind::BUTTON_UP, 150, 100));
    EXPECT_EQ(3u, pressed->received.size());
}

TEST_F(WindowTest, AWheelNotchTowardsTheUserGivesMinusOneToTheControlUnderThePointer)
{
    auto *control = new RecordingControl(window->getControlRoot(), 1, CRect(100, 100, 50, 40));
    window->getControlRoot()->addControl(control);
    Platform::SPlatformMessage wheel = mouse(EMessageKind::WHEEL, 110, 120);
    wheel.wheel = -1.0;
    deliver(*window, wheel);
    EXPECT_EQ("scroll@10,20", control->summary());
    EXPECT_EQ(-1.0, control->received.back().wheelValue);
}

TEST_F(WindowTest, ThreeDroppedFilesArriveAsOneEventInOrder)
{
    auto *target = new RecordingControl(window->getControlRoot(), 1, CRect(0, 0, 100, 100));
    target->setDropFileEnabled(true);
    window->getControlRoot()->addControl(target);
    Platform::SPlatformMessage drop = mouse(EMessageKind::FILES_DROPPED, 30, 40);
    drop.paths = {"/tmp/a.wav", "/tmp/b.wav", "/tmp/c.wav"};
    deliver(*window, drop);
    EXPECT_EQ(1, target->drops);
    EXPECT_EQ(CPoint(30, 40), target->lastDropPosition);
    EXPECT_EQ((std::vector<std::string>{"/tmp/a.wav", "/tmp/b.wav", "/tmp/c.wav"}), target->droppedFiles);
}

TEST_F(WindowTest, WindowClosingDecidesWhetherACloseRequestClosesTheWindow)
{
    CClosingListener refusing(false);
    window->setWindowListener(&refusing);
    deliver(*window, message(EMessageKind::CLOSE_REQUESTED));
    EXPECT_EQ(1, refusing.closings);
    EXPECT_NE(nullptr, window->getPlatformWindow()) << "answering false keeps the window";

    window->setWindowListener(window.get());
    deliver(*window, message(EMessageKind::CLOSE_REQUESTED));
    EXPECT_EQ(nullptr, window->getPlatformWindow());
    EXPECT_TRUE(driver.getWindows().empty());
}

TEST_F(WindowTest, TimersFireTheirTimedObjectsAndIdZeroIsRefused)
{
    CTimedCounter five(5);
    CTimedCounter six(6);
    window->addTimedObject(&five);
    window->addTimedObject(&six);
    window->startTimer(5, 100);
    ASSERT_TRUE(driver.fireTimer(*window->getPlatformWindow(), 5));
    ASSERT_TRUE(driver.fireTimer(*window->getPlatformWindow(), 5));
    EXPECT_EQ(2, five.fired);
    EXPECT_EQ(0, six.fired);
    EXPECT_EQ(100, record(*window).getTimerPeriod(5));

    window->stopTimer(5);
    EXPECT_FALSE(driver.fireTimer(*window->getPlatformWindow(), 5));
    try
    {
        window->startTimer(0, 100);
        FAIL() << "timer id 0 must be refused";
    }
    catch (const Exceptions::CException &exception)
    {
        EXPECT_STREQ("Timer ids cannot be zero", exception.getErrorReason().getString());
    }

    window->startTimer(6, 50);
    window->removeTimedObject(&six);
    EXPECT_FALSE(record(*window).isTimerRunning(6)) << "removing a timed object stops its timer";
    window->clearTimedObjects(); // the window holds them without owning them
}

TEST_F(WindowTest, KeysAndTheWheelGoToTheNewestWindowWhereverTheyHappen)
{
    auto *first = new RecordingControl(window->getControlRoot(), 1, CRect(0, 0, 200, 150));
    window->getControlRoot()->addControl(first);
    deliver(*window, mouse(EMessageKind::MOUSE_MOVE, 10, 10));
    Basics::TCountedReference<CWindow> newer = openWindow(CRect(400, 300, 100, 100));
    auto *second = new RecordingControl(newer->getControlRoot(), 1, CRect(0, 0, 100, 100));
    newer->getControlRoot()->addControl(second);
    deliver(*newer, mouse(EMessageKind::MOUSE_MOVE, 1, 1));

    deliver(*window, key(EMessageKind::KEY_DOWN, 'x'));
    Platform::SPlatformMessage wheel = mouse(EMessageKind::WHEEL, 150, 120);
    wheel.wheel = 1.0;
    deliver(*window, wheel);
    EXPECT_EQ("move@1,1 scroll@50,20", second->summary())
        << "the older window's wheel goes to the newest, in its coordinates";
    EXPECT_EQ((std::vector<std::string>{"down x"}), second->keys) << "and so do its keys";

    newer->getPlatformWindow()->hide();
    deliver(*window, key(EMessageKind::KEY_DOWN, 'y'));
    EXPECT_EQ((std::vector<std::string>{"down y"}), first->keys) << "a hidden window is not typed to";
    newer->getPlatformWindow()->show();
    newer->uninitialiseWindow();
    deliver(*window, key(EMessageKind::KEY_DOWN, 'z'));
    EXPECT_EQ((std::vector<std::string>{"down y", "down z"}), first->keys)
        << "the older window is served again once the newer is gone";
}

TEST_F(WindowTest, APressElsewhereOrTheLossOfTheFocusClosesOpenPopups)
{
    auto *control = new RecordingControl(window->getControlRoot(), 1, CRect(100, 100, 50, 40));
    window->getControlRoot()->addControl(control);
    CTestPopup editBox(*window, CRect(0, 0, 50, 50), false);
    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 10, 10));
    EXPECT_EQ(0, editBox.dismissals) << "a press inside the popup keeps it open";
    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 110, 110));
    deliver(*window, mouse(EMessageKind::BUTTON_UP, 110, 110));
    EXPECT_EQ(1, editBox.dismissals);
    EXPECT_EQ("leftDown@10,10 leftUp@10,10", control->summary())
        << "the press that closed the box still reaches the control under it";

    CTestPopup menu(*window, CRect(0, 0, 50, 50), true);
    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 110, 110));
    deliver(*window, mouse(EMessageKind::BUTTON_UP, 110, 110));
    EXPECT_EQ(1, menu.dismissals);
    EXPECT_EQ(2u, control->received.size()) << "a press used up by closing a menu takes its release with it";
    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, 110, 110));
    EXPECT_EQ(1, menu.dismissals) << "a closed popup is not closed again";

    CTestPopup another(*window, CRect(0, 0, 50, 50), false);
    deliver(*window, message(EMessageKind::FOCUS_LOST));
    EXPECT_EQ(1, another.dismissals);
}

TEST_F(WindowTest, PostQuitEndsTheMessageLoopWithZeroAfterTheQueuedMessages)
{
    auto *control = new RecordingControl(window->getControlRoot(), 1, CRect(0, 0, 200, 150));
    window->getControlRoot()->addControl(control);
    driver.post(*window->getPlatformWindow(), mouse(EMessageKind::BUTTON_DOWN, 1, 2));
    Application::CApplication::postQuit();
    driver.post(*window->getPlatformWindow(), mouse(EMessageKind::BUTTON_UP, 3, 4));

    EXPECT_EQ(0, Application::CApplication::runMessageLoop());
    EXPECT_EQ("leftDown@1,2", control->summary());
}

TEST_F(WindowTest, ClosingTheMainWindowEndsTheMessageLoop)
{
    Application::CApplication::setMainWindow(window.get());
    driver.post(*window->getPlatformWindow(), message(EMessageKind::CLOSE_REQUESTED));
    EXPECT_EQ(0, Application::CApplication::runMessageLoop());
    Application::CApplication::setMainWindow(nullptr);
}

TEST_F(WindowTest, CursorsShowAtOnceAndUnknownTypesAreTheArrow)
{
    using GUI::Windows::CCursor;
    EXPECT_EQ(Platform::EStockCursor::ARROW, CCursor(9).getCursor());
    window->getMouse().setCursor(CCursor::getPredefinedCursor(CCursor::HAND));
    EXPECT_EQ(Platform::EStockCursor::HAND, driver.getCursor());
    window->getMouse().setCursor(nullptr);
    EXPECT_EQ(CCursor::getPredefinedCursor(CCursor::HAND), window->getMouse().getCursor());

    GUI::Windows::hideCursor();
    EXPECT_FALSE(driver.isCursorShown());
    GUI::Windows::showCursor();
    EXPECT_TRUE(driver.isCursorShown());
}

TEST_F(WindowTest, OpeningWithoutADisplayThrowsWithTheReason)
{
    driver.setStartFailure("no display here");
    Basics::TCountedReference<CWindow> another(new CWindow(CRect(0, 0, 10, 10)));
    GUI::Windows::CWindowAttributes attributes;
    try
    {
        another->intialiseWindow(&attributes, true);
        FAIL() << "a window that cannot be made must throw";
    }
    catch (const Exceptions::CException &exception)
    {
        const std::string reason = exception.getErrorReason().getString();
        EXPECT_EQ(0u, reason.find("Caught an exception whilst initialising window.")) << reason;
        EXPECT_NE(std::string::npos, reason.find("no display here")) << reason;
    }
    EXPECT_FALSE(another->isWindowOpen());
}

TEST_F(WindowTest, ACentredWindowKeepsItsTopLeftCornerOnTheUsableScreen)
{
    const MathTools::CDimension calculator(476, 613);
    driver.setScreenArea(Platform::SArea{0, 0, 1280, 1024});
    EXPECT_EQ(CRect(402, 205, 476, 613), CWindow::getCentredOnScreen(calculator));
    // A panel across the top: centred on what is left below it.
    driver.setScreenArea(Platform::SArea{0, 40, 1280, 984});
    EXPECT_EQ(CRect(402, 225, 476, 613), CWindow::getCentredOnScreen(calculator));
    // Smaller than the window: the title bar's corner stays on the screen, in both directions.
    driver.setScreenArea(Platform::SArea{0, 0, 400, 300});
    EXPECT_EQ(CRect(0, 0, 476, 613), CWindow::getCentredOnScreen(calculator));
    driver.setScreenArea(Platform::SArea{100, 30, 400, 900});
    EXPECT_EQ(CRect(100, 173, 476, 613), CWindow::getCentredOnScreen(calculator));
}
} // namespace
