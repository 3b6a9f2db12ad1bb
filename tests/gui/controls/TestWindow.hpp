#pragma once

#include "framework/basics/CClass.hpp"
#include "framework/basics/TCounted.hpp"
#include "framework/gui/controls/CControlRoot.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/windows/CMouse.hpp"
#include "framework/gui/windows/IWindow.hpp"

#include <memory>
#include <vector>

namespace Corvane::Testing
{
/**
 * A window for the control tree alone: a fixed client size, a client area at a fixed place on the
 * screen, a mouse and a root, and a record of every repaint the controls ask for. Input is handed
 * to the root the way a window hands it: through the window's one mouse event, in window
 * coordinates.
 */
class TestWindow : public Basics::TCounted<GUI::Windows::IWindow>, private Basics::TInstanceCounter<TestWindow>
{
public:
    CORVANE_DECLARE_CLASS

    using MouseHandler = void (GUI::Controls::IMouseEventListener::*)(GUI::Controls::CMouseEvent &event);

    TestWindow(long width, long height);
    ~TestWindow() override;

    /**
     * Makes the objects that live for the whole process once first used (the stock cursors, the
     * shared ownership policies), so that live counts taken afterwards show only a test's own.
     */
    static void makeProcessWideObjects();

    GUI::Controls::CControlRoot &root() { return *m_root; }
    /** Puts the mouse at (@p x, @p y) and calls @p handler of the root with the window's event. */
    void sendMouse(MouseHandler handler, long x, long y, double wheelValue = 0.0);
    void click(long x, long y);
    GUI::Controls::CMouseEvent &mouseEvent() { return m_mouseEvent; }

    /** Every area passed to redrawWindow, in order. */
    std::vector<MathTools::CRect> redrawAreas;
    /** Where the client area lies on the screen; unknown makes getClientAreaOnScreen fail. */
    MathTools::CRect clientAreaOnScreen{200, 100, 0, 0};
    bool clientAreaKnown = true;

    void getObjectDescription(char *text, long size) const override;
    void setParentWindow(IWindow *parent) override { m_parent = parent; }
    IWindow *getParentWindow() const override { return m_parent; }
    GUI::Windows::CWindowAttributes *getWindowAttributes() override { return nullptr; }
    void intialiseWindow(GUI::Windows::CWindowAttributes *, bool) override {}
    void uninitialiseWindow() override {}
    bool isWindowOpen() const override { return true; }
    void openWindow() override {}
    void closeWindow() override {}
    void destroyWindow() override {}
    void updateWindow() override {}
    void disableWindow() override {}
    void enableWindow() override {}
    void drawWindow(GUI::Graphics::CGraphics &graphics) override { m_root->drawRootArea(graphics); }
    void redrawWindow() override;
    void redrawWindow(const MathTools::CRect &area) override { redrawAreas.push_back(area); }
    void setWindowPosition(const MathTools::CPoint &position) override;
    const MathTools::CPoint &getWindowPosition() const override { return m_position; }
    void setWindowSize(const MathTools::CDimension &size) override;
    const MathTools::CDimension &getWindowSize() const override { return m_size; }
    void setWindowArea(const MathTools::CRect &area) override { m_area = area; }
    const MathTools::CRect &getWindowArea() const override { return m_area; }
    void setWindowAlpha(double) override {}
    bool getClientAreaOnScreen(MathTools::CRect &area) const override;
    void startTextInput(GUI::Windows::ITextInputListener *, const MathTools::CRect &) override {}
    void stopTextInput(GUI::Windows::ITextInputListener *) override {}
    void handleTimer(long) override {}
    void startTimer(long, long) override {}
    void stopTimer(long) override {}
    void addTimedObject(GUI::Windows::ITimedObject *) override {}
    void removeTimedObject(GUI::Windows::ITimedObject *) override {}
    void clearTimedObjects() override {}
    void setFocusListener(GUI::Windows::IFocusListener *) override {}
    void setWindowListener(GUI::Windows::IWindowListener *) override {}
    void setMouseListener(GUI::Controls::IMouseEventListener *) override {}
    void setDropFileListener(GUI::Controls::IDropFileEventListener *) override {}
    void setKeyboardListener(GUI::Controls::IKeyboardEventListener *) override {}
    bool hasMouseListener() const override { return true; }
    bool hasKeyboardListener() const override { return true; }
    bool hasDropFileListener() const override { return true; }
    GUI::Windows::CMouse &getMouse() override { return m_mouse; }
    GUI::Controls::IControlRoot *getControlRoot() override { return m_root.get(); }

private:
    IWindow *m_parent = nullptr;
    MathTools::CDimension m_size;
    MathTools::CPoint m_position;
    MathTools::CRect m_area;
    GUI::Windows::CMouse m_mouse;
    GUI::Controls::CMouseEvent m_mouseEvent;
    std::unique_ptr<GUI::Controls::CControlRoot> m_root;
};
} // namespace Corvane::Testing
