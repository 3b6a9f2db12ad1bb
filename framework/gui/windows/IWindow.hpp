#pragma once

#include "framework/basics/ICountedObject.hpp"
#include "framework/mathtools/CDimension.hpp"
#include "framework/mathtools/CPoint.hpp"
#include "framework/mathtools/CRect.hpp"

namespace Corvane::Basics
{
class CString;
}

namespace Corvane::GUI::Graphics
{
class CGraphics;
}

namespace Corvane::GUI::Controls
{
struct IControlRoot;
struct IMouseEventListener;
struct IKeyboardEventListener;
struct IDropFileEventListener;
} // namespace Corvane::GUI::Controls

namespace Corvane::GUI::Windows
{
class CMouse;
class CWindowAttributes;
struct IWindow;

/** Size, move and close notices of a window. */
struct IWindowListener
{
    virtual ~IWindowListener() = default;
    virtual void windowSized(IWindow *window, const MathTools::CDimension &size) = 0;
    virtual void windowMoved(IWindow *window, const MathTools::CPoint &position) = 0;
    /** True lets the window close. */
    virtual bool windowClosing(IWindow *window) = 0;
};

/**
 * An object whose timer a window runs: timerFired comes on the user-interface thread. (It lives
 * with the windows: a namespace GUI::Basics would hide Corvane::Basics from all GUI code.)
 */
struct ITimedObject
{
    virtual ~ITimedObject() = default;
    virtual void timerFired() = 0;
    virtual long getTimerId() const = 0;
};

/**
 * Something that stays open only while the user works in it, as an open edit box or menu chain:
 * a press anywhere else in the program, or the program losing the focus, closes it.
 */
struct IPopup
{
    virtual ~IPopup() = default;
    /** Whether a press at @p position (client coordinates of @p window) falls inside the popup. */
    virtual bool holdsPress(const IWindow &window, const MathTools::CPoint &position) const = 0;
    /** Closes the popup; answers true when the press that closed it must go no further. */
    virtual bool dismissPopup() = 0;
};

/**
 * Whoever takes the text typed into a window, as an open edit box does. Text arrives as the
 * keyboard layout or an input method made it, so dead keys and composed characters come whole.
 */
struct ITextInputListener
{
    virtual ~ITextInputListener() = default;
    /** One or more characters, UTF-8. */
    virtual void handleTextInput(const Basics::CString &text) = 0;
    /** The window is going away and takes the text input with it: the listener must let go. */
    virtual void textInputWithdrawn() = 0;
};

struct IFocusListener
{
    virtual ~IFocusListener() = default;
    virtual void windowGainedFocus(IWindow *window) = 0;
    virtual void windowLostFocus(IWindow *window) = 0;
};

/**
 * A top-level window as the control tree and the application see it. Positions and sizes are
 * logical pixels; areas given to redrawWindow are client coordinates.
 */
struct IWindow : public Corvane::Basics::ICountedObject
{
    virtual void setParentWindow(IWindow *parent) = 0;
    virtual IWindow *getParentWindow() const = 0;
    virtual CWindowAttributes *getWindowAttributes() = 0;

    /** Copies @p attributes, makes the platform window and, with @p show, shows and paints it. */
    virtual void intialiseWindow(CWindowAttributes *attributes, bool show) = 0;
    virtual void uninitialiseWindow() = 0;
    virtual bool isWindowOpen() const = 0;
    virtual void openWindow() = 0;
    virtual void closeWindow() = 0;
    virtual void destroyWindow() = 0;
    /** Paints the pending repaint area now, instead of when the message queue is next empty. */
    virtual void updateWindow() = 0;
    virtual void disableWindow() = 0;
    virtual void enableWindow() = 0;
    virtual void drawWindow(Graphics::CGraphics &graphics) = 0;
    /** Marks the whole client area for repainting. */
    virtual void redrawWindow() = 0;
    /** Marks @p area (client coordinates) for repainting; it is painted when the queue is empty. */
    virtual void redrawWindow(const MathTools::CRect &area) = 0;

    virtual void setWindowPosition(const MathTools::CPoint &position) = 0;
    virtual const MathTools::CPoint &getWindowPosition() const = 0;
    virtual void setWindowSize(const MathTools::CDimension &size) = 0;
    virtual const MathTools::CDimension &getWindowSize() const = 0;
    virtual void setWindowArea(const MathTools::CRect &area) = 0;
    virtual const MathTools::CRect &getWindowArea() const = 0;
    virtual void setWindowAlpha(double alpha) = 0;
    /** The client area on the screen; false when the platform cannot tell. */
    virtual bool getClientAreaOnScreen(MathTools::CRect &area) const = 0;

    /**
     * Typed text goes to @p listener from now on (instead of any listener before it), and the
     * platform learns that it is typed at @p area (client coordinates), where an input method
     * shows what is being composed.
     */
    virtual void startTextInput(ITextInputListener *listener, const MathTools::CRect &area) = 0;
    /** Ends text input when @p listener still takes it; nothing happens otherwise. */
    virtual void stopTextInput(ITextInputListener *listener) = 0;

    virtual void handleTimer(long id) = 0;
    virtual void startTimer(long id, long milliseconds) = 0;
    virtual void stopTimer(long id) = 0;
    virtual void addTimedObject(ITimedObject *object) = 0;
    virtual void removeTimedObject(ITimedObject *object) = 0;
    virtual void clearTimedObjects() = 0;

    virtual void setFocusListener(IFocusListener *listener) = 0;
    virtual void setWindowListener(IWindowListener *listener) = 0;
    virtual void setMouseListener(Controls::IMouseEventListener *listener) = 0;
    virtual void setDropFileListener(Controls::IDropFileEventListener *listener) = 0;
    virtual void setKeyboardListener(Controls::IKeyboardEventListener *listener) = 0;
    virtual bool hasMouseListener() const = 0;
    virtual bool hasKeyboardListener() const = 0;
    virtual bool hasDropFileListener() const = 0;

    virtual CMouse &getMouse() = 0;
    virtual Controls::IControlRoot *getControlRoot() = 0;
};
} // namespace Corvane::GUI::Windows
