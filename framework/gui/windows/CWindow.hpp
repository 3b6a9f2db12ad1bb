#pragma once

#include "framework/basics/TCounted.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CKeyboardEvent.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/windows/CMouse.hpp"
#include "framework/gui/windows/CWindowAttributes.hpp"
#include "framework/gui/windows/IWindow.hpp"
#include "framework/platform/IPlatformWindow.hpp"

#include <memory>
#include <vector>

namespace Corvane::GUI::Controls
{
class CControlRoot;
}

namespace Corvane::GUI::Windows
{
/**
 * The framework's top-level window: a platform window made from a CWindowAttributes record,
 * the control root that fills it, and the offscreen picture it paints through.
 *
 * The backend hands every platform message to handleMessage, which turns it into the
 * framework's events: mouse messages go to the mouse listener (the root) as the window's one
 * CMouseEvent, dropped files as a CDropEvent, and keys, wheel turns and typed text to the
 * window that the process-wide "hooks" serve (the most recently created window still shown),
 * wherever they happened, as a desktop's keyboard hook would see them. Typed text reaches that
 * window's text-input listener, and only while one has asked for it with startTextInput.
 *
 * Nothing is drawn on request: redrawWindow adds the area to the window's pending repaint area,
 * and when the message queue runs empty the window draws its root into the offscreen picture
 * inside that area and presents it. Everything runs on the thread of the message loop.
 */
class CWindow : public Basics::TCounted<IWindow>,
                public IWindowListener,
                public IFocusListener,
                public Platform::IPlatformWindowHandler,
                private Basics::TInstanceCounter<CWindow>
{
public:
    CORVANE_DECLARE_CLASS

    /** A window for @p area (client area on the screen); no platform window is made yet. */
    explicit CWindow(const MathTools::CRect &area);
    CWindow(const CWindow &) = delete;
    CWindow &operator=(const CWindow &) = delete;
    ~CWindow() override;

    /** "Window: " and the title, cut to the caller's buffer. */
    void getObjectDescription(char *text, long size) const override;

    void setParentWindow(IWindow *parent) override { m_parentWindow = parent; }
    IWindow *getParentWindow() const override { return m_parentWindow; }
    CWindowAttributes *getWindowAttributes() override { return m_attributes.get(); }

    void intialiseWindow(CWindowAttributes *attributes, bool show) override;
    void uninitialiseWindow() override;
    bool isWindowOpen() const override { return m_open; }
    void openWindow() override;
    void closeWindow() override;
    void destroyWindow() override;
    void updateWindow() override;
    void disableWindow() override;
    void enableWindow() override;
    void drawWindow(Graphics::CGraphics &graphics) override;
    void redrawWindow() override;
    void redrawWindow(const MathTools::CRect &area) override;

    void setWindowPosition(const MathTools::CPoint &position) override;
    const MathTools::CPoint &getWindowPosition() const override { return m_position; }
    void setWindowSize(const MathTools::CDimension &size) override;
    const MathTools::CDimension &getWindowSize() const override { return m_size; }
    void setWindowArea(const MathTools::CRect &area) override;
    const MathTools::CRect &getWindowArea() const override { return m_area; }
    void setWindowAlpha(double alpha) override;
    bool getClientAreaOnScreen(MathTools::CRect &area) const override;

    void startTextInput(ITextInputListener *listener, const MathTools::CRect &area) override;
    void stopTextInput(ITextInputListener *listener) override;

    void handleTimer(long id) override;
    /** Throws for id 0, which the framework keeps for "no timer". */
    void startTimer(long id, long milliseconds) override;
    void stopTimer(long id) override;
    void addTimedObject(ITimedObject *object) override;
    void removeTimedObject(ITimedObject *object) override;
    void clearTimedObjects() override;

    void setFocusListener(IFocusListener *listener) override { m_focusListener = listener; }
    void setWindowListener(IWindowListener *listener) override { m_windowListener = listener; }
    void setMouseListener(Controls::IMouseEventListener *listener) override { m_mouseListener = listener; }
    void setDropFileListener(Controls::IDropFileEventListener *listener) override { m_dropListener = listener; }
    void setKeyboardListener(Controls::IKeyboardEventListener *listener) override { m_keyboardListener = listener; }
    bool hasMouseListener() const override { return m_mouseListener != nullptr; }
    bool hasKeyboardListener() const override { return m_keyboardListener != nullptr; }
    bool hasDropFileListener() const override { return m_dropListener != nullptr; }

    CMouse &getMouse() override { return m_mouse; }
    Controls::IControlRoot *getControlRoot() override;

    /** The window's own notices do nothing, but closing the main window ends the message loop. */
    void windowSized(IWindow *, const MathTools::CDimension &) override {}
    void windowMoved(IWindow *, const MathTools::CPoint &) override {}
    bool windowClosing(IWindow *window) override;
    void windowGainedFocus(IWindow *) override {}
    void windowLostFocus(IWindow *) override {}

    /**
     * Makes the platform window from the attributes and makes this the window the hooks serve.
     * Throws when the platform cannot make it; answers whether a platform window exists.
     */
    virtual bool createWindow();
    /** Every platform message of this window arrives here. */
    void handleMessage(const Platform::SPlatformMessage &message) override;
    /** A key press or release anywhere in the process, while this window is served by the hooks. */
    virtual bool handleKeyboardHook(const Platform::SPlatformMessage &message);
    /** Stops the hooks serving this window; they serve the window created before it again. */
    void uninstallKeyboardHook();

    /** "com.corvane." + product name + "." + title: the class name the window manager sees. */
    Basics::CString getWindowClassName() const;
    /** Null while no platform window exists. */
    Platform::IPlatformWindow *getPlatformWindow() const { return m_platformWindow.get(); }
    /** Takes or gives back the platform's mouse capture; false without a platform window. */
    bool capturePlatformMouse(bool capture);
    const MathTools::CRect &getPendingArea() const { return m_pendingArea; }
    bool hasPendingArea() const { return m_hasPendingArea; }

    /**
     * Draws @p area (client coordinates) of the window into its offscreen picture exactly as a
     * paint does: the background colour, then the root. The picture is kept for the next paint.
     * Where the platform window lends its own picture on the screen, that is the picture.
     */
    void drawOffscreen(const MathTools::CRect &area) { drawPicture(area); }
    /** The window's offscreen picture; empty until something was drawn. */
    const Graphics::CNativeImage &getOffscreenPicture() const { return m_graphics.getNativeImage(); }

    /** Paints the pending areas of every window now (what the message loop does when idle). */
    static void paintPendingWindows();
    /** Makes @p popup one that a press elsewhere or the loss of the focus closes. */
    static void addOpenPopup(IPopup *popup);
    /** Forgets @p popup (it closed by itself); nothing happens for one that is not open. */
    static void removeOpenPopup(IPopup *popup);
    /**
     * The window the keyboard and wheel "hooks" serve: the most recently created one that is
     * shown (the newest of all when none is), or null.
     */
    static CWindow *getHookWindow();
    /** Every window of the process whose platform window exists, oldest first. */
    static std::vector<CWindow *> getOpenWindows();
    /**
     * An area of @p size centred on the usable part of the primary screen. Where the area is larger
     * than that part, its top-left corner stays on it: the window manager hangs the title bar there,
     * and a window whose title bar is off the screen cannot be moved. At (0, 0) when the platform
     * cannot tell the screen.
     */
    static MathTools::CRect getCentredOnScreen(const MathTools::CDimension &size);
    /** Whether the window takes input (a disabled one still paints). */
    bool isWindowEnabled() const { return m_enabled; }

protected:
    /** Sets the area the window will be made at; only before its platform window exists. */
    void setInitialArea(const MathTools::CRect &area);
    /**
     * Makes @p root the window's control root instead of the plain one it was built with, for a
     * window whose content answers input in its own way. The new root takes over the roles (mouse,
     * key and drop listener) that the old one had. Null changes nothing.
     */
    void replaceControlRoot(std::unique_ptr<Controls::CControlRoot> root);

private:
    /** drawOffscreen, answering the area drawn: the whole window when the picture was new. */
    MathTools::CRect drawPicture(const MathTools::CRect &area);
    /** The platform window's picture on the screen when it lends one of the window's size. */
    std::uint32_t *getScreenPicture(long &rowWords) const;
    /**
     * Whether the picture drawn so far is there to draw on and present: of the window's size and,
     * when it was made on the screen's picture, on the one @p screen the platform lends now.
     */
    bool hasCurrentPicture(const std::uint32_t *screen) const;
    void paintPendingArea();
    /** Shows an area the platform uncovered: the kept picture again when it is up to date. */
    void handleExposure(const MathTools::CRect &area);
    void handleMouseMessage(const Platform::SPlatformMessage &message);
    void handleButton(const Platform::SPlatformMessage &message, bool down);
    /** Closes the open popups that do not hold a press there; true when the press is used up. */
    bool dismissPopupsOutside(const MathTools::CPoint &position) const;
    static void dismissAllPopups();
    void handleWheel(const Platform::SPlatformMessage &message);
    void handleTextInput(const Platform::SPlatformMessage &message);
    /** Tells the text-input listener that it has lost the input for good, and forgets it. */
    void withdrawTextInput();
    void handleDrop(const Platform::SPlatformMessage &message);
    void handleClose();
    void handleMove(const Platform::SPlatformMessage &message);
    void handleSize(const Platform::SPlatformMessage &message);
    void setMousePositionFromMessage(const MathTools::CPoint &position, const Platform::SModifiers &modifiers);
    Platform::SWindowDescription describeWindow() const;
    bool isServedByHooks() const;

    IWindow *m_parentWindow = nullptr;
    Controls::IMouseEventListener *m_mouseListener = nullptr;
    Controls::IDropFileEventListener *m_dropListener = nullptr;
    Controls::IKeyboardEventListener *m_keyboardListener = nullptr;
    IWindowListener *m_windowListener = this;
    IFocusListener *m_focusListener = this;
    ITextInputListener *m_textInputListener = nullptr;
    Basics::TCountedReference<CWindowAttributes> m_attributes;
    std::unique_ptr<Platform::IPlatformWindow> m_platformWindow;
    MathTools::CDimension m_size;
    MathTools::CPoint m_position;
    MathTools::CRect m_area;
    CMouse m_mouse;
    Graphics::CGraphics m_graphics;
    Controls::CMouseEvent m_mouseEvent;
    Controls::CKeyboardEvent m_keyboardEvent;
    bool m_open = false;
    bool m_enabled = true;
    bool m_pressUsedUp = false;
    std::vector<ITimedObject *> m_timedObjects;
    std::unique_ptr<Controls::CControlRoot> m_root;
    MathTools::CRect m_pendingArea;
    bool m_hasPendingArea = false;
    /** The picture was made on the platform window's picture on the screen. */
    bool m_pictureOnScreen = false;
};
} // namespace Corvane::GUI::Windows
