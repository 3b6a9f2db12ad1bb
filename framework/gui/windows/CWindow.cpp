#include "framework/gui/windows/CWindow.hpp"

#include "framework/application/CApplication.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/TextBuffer.hpp"
#include "framework/gui/controls/CControlRoot.hpp"
#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/graphics/CBaseImage.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <algorithm>
#include <utility>

namespace Corvane::GUI::Windows
{
CORVANE_DEFINE_CLASS(CWindow, "CWindow", "UndefinedParent")

using Basics::CString;
using Exceptions::CException;
using MathTools::CDimension;
using MathTools::CPoint;
using MathTools::CRect;
using Platform::EMessageKind;
using Platform::EMouseButton;
using Platform::SPlatformMessage;

namespace
{
/** Every window alive, in construction order: the idle painter walks them. */
std::vector<CWindow *> &liveWindows()
{
    static std::vector<CWindow *> windows;
    return windows;
}

/**
 * The windows the keyboard and wheel "hooks" have served, oldest first: the last one is served
 * now. When it goes, the one created before it is served again, so the main window gets its
 * keys back after a short-lived window closes.
 */
std::vector<CWindow *> &hookedWindows()
{
    static std::vector<CWindow *> windows;
    return windows;
}

void forget(std::vector<CWindow *> &windows, const CWindow *window)
{
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

/** The popups open now, oldest first. */
std::vector<IPopup *> &openPopups()
{
    static std::vector<IPopup *> popups;
    return popups;
}

/** Forgets @p popup; false when it was not open (another dismissal came first). */
bool forgetPopup(IPopup *popup)
{
    std::vector<IPopup *> &popups = openPopups();
    const auto found = std::find(popups.begin(), popups.end(), popup);
    if (found == popups.end())
        return false;
    popups.erase(found);
    return true;
}

/** Paints what every window has pending whenever the message queue runs empty. */
class CIdlePainter : public Platform::IIdleHandler
{
public:
    void runIdleWork() override { CWindow::paintPendingWindows(); }
};
CIdlePainter idlePainter;

CPoint toPoint(const Platform::SPoint &point)
{
    return CPoint(point.x, point.y);
}

Platform::SArea toArea(const CRect &area)
{
    return {static_cast<int>(area.getLeft()), static_cast<int>(area.getTop()), static_cast<int>(area.getWidth()),
            static_cast<int>(area.getHeight())};
}

Platform::SSize toSize(const CDimension &size)
{
    return {static_cast<int>(size.getWidth()), static_cast<int>(size.getHeight())};
}

CRect clientArea(const CDimension &size)
{
    return CRect(0, 0, size.getWidth(), size.getHeight());
}
} // namespace

CWindow::CWindow(const CRect &area)
    : m_attributes(new CWindowAttributes()),
      m_size(area.getWidth(), area.getHeight()),
      m_position(area.getLeft(), area.getTop()),
      m_area(area),
      m_mouseEvent(m_mouse, Controls::CMouseEvent::MOUSE_MOVE, 0.0),
      m_root(std::make_unique<Controls::CControlRoot>(this))
{
    m_mouseListener = m_root.get();
    m_dropListener = m_root.get();
    m_keyboardListener = m_root.get();
    liveWindows().push_back(this);
}

CWindow::~CWindow()
{
    withdrawTextInput(); // also when no platform window was ever made
    uninitialiseWindow();
    forget(liveWindows(), this);
    CMouse::forgetWindow(this);
}

void CWindow::getObjectDescription(char *text, long size) const
{
    CString description("Window: ");
    description += m_attributes->getTitle();
    Basics::copyTextToBuffer(description.getString(), text, size);
}

Controls::IControlRoot *CWindow::getControlRoot()
{
    return m_root.get();
}

void CWindow::intialiseWindow(CWindowAttributes *attributes, bool show)
{
    if (attributes == nullptr || m_open)
        return;
    try
    {
        *m_attributes = *attributes;
        if (createWindow() && show)
        {
            openWindow();
            updateWindow();
        }
    }
    catch (const CException &caught)
    {
        CString reason("Caught an exception whilst initialising window. Further details below:\n\n");
        reason += caught.getErrorReason();
        CString function("void CWindow::intialiseWindow(CWindowAttributes *, const bool) ->\n");
        function += caught.getFunctionName();
        throw CException(reason, function);
    }
}

bool CWindow::createWindow()
{
    Platform::IPlatformDriver &driver = Platform::getPlatformDriver();
    std::string error;
    if (driver.start(error))
        m_platformWindow = driver.createWindow(describeWindow(), *this, error);
    if (!m_platformWindow)
        throw CException(error.c_str(), "CWindow::createWindow()");

    driver.setIdleHandler(&idlePainter);
    hookedWindows().push_back(this);
    m_open = true;
    setWindowAlpha(m_attributes->getAlpha());
    if (!m_attributes->isEnabled())
        disableWindow();
    const CWindowIcon *icon = m_attributes->getWindowIcon();
    if (icon != nullptr && icon->getIcon() != nullptr && icon->getIcon()->isLoaded())
    {
        long rowWords = 0;
        const std::uint32_t *pixels = Graphics::getPictureWords(icon->getIcon()->getImageHandle(), rowWords);
        m_platformWindow->setIcon(pixels, toSize(icon->getIcon()->getImageSize()), rowWords);
    }
    return true;
}

Platform::SWindowDescription CWindow::describeWindow() const
{
    Platform::SWindowDescription description;
    description.title = m_attributes->getTitle().getString();
    description.className = getWindowClassName().getString();
    description.area = toArea(m_area);
    description.style = m_attributes->getWindowStyle();
    description.extendedStyle = m_attributes->getExtendedWindowStyle();
    if (const auto *owner = dynamic_cast<const CWindow *>(m_parentWindow))
        description.owner = owner->getPlatformWindow();
    return description;
}

CString CWindow::getWindowClassName() const
{
    CString name("com.corvane.");
    name += *Application::CApplication::getProductName();
    name += ".";
    name += m_attributes->getTitle();
    return name;
}

void CWindow::uninitialiseWindow()
{
    if (!m_open)
        return;
    clearTimedObjects();
    destroyWindow();
    m_open = false;
}

void CWindow::openWindow()
{
    if (!m_platformWindow)
        return;
    m_platformWindow->show();
    redrawWindow();
}

void CWindow::closeWindow()
{
    if (!m_platformWindow)
        return;
    m_platformWindow->hide();
    if (m_windowListener != nullptr)
        m_windowListener->windowClosing(this);
}

void CWindow::destroyWindow()
{
    // An edit box open here ends as on a loss of focus, while the window can still repaint.
    withdrawTextInput();
    uninstallKeyboardHook();
    if (m_mouse.isCapturedBy(this))
        m_mouse.releaseMouse();
    m_platformWindow.reset();
    m_graphics.uninitialise();
    m_hasPendingArea = false;
    m_enabled = true;
}

void CWindow::updateWindow()
{
    if (m_platformWindow && m_hasPendingArea)
        paintPendingArea();
}

void CWindow::disableWindow()
{
    if (!m_platformWindow)
        return;
    m_platformWindow->setEnabled(false);
    m_enabled = false;
}

void CWindow::enableWindow()
{
    if (!m_platformWindow)
        return;
    m_platformWindow->setEnabled(true);
    m_enabled = true;
}

void CWindow::drawWindow(Graphics::CGraphics &graphics)
{
    m_root->drawRootArea(graphics);
}

void CWindow::redrawWindow()
{
    redrawWindow(clientArea(m_size));
}

void CWindow::redrawWindow(const CRect &area)
{
    if (!m_platformWindow)
        return;
    CRect visible;
    CRect::getIntersectionArea(area, clientArea(m_size), visible);
    if (visible.getWidth() <= 0 || visible.getHeight() <= 0)
        return;
    if (m_hasPendingArea)
        m_pendingArea.unionWith(visible);
    else
        m_pendingArea = visible;
    m_hasPendingArea = true;
}

void CWindow::paintPendingArea()
{
    m_hasPendingArea = false;
    const CRect area = drawPicture(m_pendingArea);
    long rowWords = 0;
    if (const std::uint32_t *pixels = m_graphics.getNativeImage().getPixels(rowWords))
        m_platformWindow->present(pixels, toSize(m_size), rowWords, toArea(area));
}

void CWindow::handleExposure(const CRect &area)
{
    // Between paints the kept picture holds exactly what the window shows, so an uncovered area
    // (the first mapping too) only needs it presented again, not drawn again.
    long rowWords = 0;
    const std::uint32_t *pixels =
        hasCurrentPicture(getScreenPicture(rowWords)) ? m_graphics.getNativeImage().getPixels(rowWords) : nullptr;
    CRect visible;
    CRect::getIntersectionArea(area, clientArea(m_size), visible);
    if (m_hasPendingArea || pixels == nullptr)
        redrawWindow(area);
    else if (m_platformWindow && visible.getWidth() > 0 && visible.getHeight() > 0)
        m_platformWindow->present(pixels, toSize(m_size), rowWords, toArea(visible));
}

std::uint32_t *CWindow::getScreenPicture(long &rowWords) const
{
    Platform::SSize size{};
    std::uint32_t *pixels = m_platformWindow ? m_platformWindow->getScreenPicture(size, rowWords) : nullptr;
    return pixels != nullptr && size.width == m_size.getWidth() && size.height == m_size.getHeight() ? pixels
                                                                                                    : nullptr;
}

bool CWindow::hasCurrentPicture(const std::uint32_t *screen) const
{
    const Graphics::CNativeImage &picture = m_graphics.getNativeImage();
    long rowWords = 0;
    return picture.isInitialised() && picture.getSize() == m_size &&
           (!m_pictureOnScreen || picture.getPixels(rowWords) == screen);
}

CRect CWindow::drawPicture(const CRect &area)
{
    const MathTools::CColour &background = m_attributes->getBackgroundColour();
    long screenRowWords = 0;
    std::uint32_t *screen = getScreenPicture(screenRowWords);
    CRect drawn = area;
    const bool made = !hasCurrentPicture(screen);
    if (made)
    {
        // Drawn on the screen's own picture where the platform lends one: presenting it then
        // copies nothing, and the window keeps no second picture of itself.
        m_graphics.uninitialise();
        m_graphics.initialiseBuffered(m_size, background, screen, screenRowWords);
        m_pictureOnScreen = screen != nullptr;
        drawn = clientArea(m_size); // a new picture holds nothing of the window yet
    }
    m_graphics.setUpdateArea(drawn);
    m_graphics.setDrawingOffset(CPoint());
    m_graphics.getClip().setClip(drawn);
    // Nothing else clears what the last paint left here: controls draw only their own pixels. A
    // picture just made starts in the background colour.
    if (!made)
    {
        m_graphics.getBrush().setColour(
            MathTools::CAlphaColour(background.getRed(), background.getGreen(), background.getBlue(), 255));
        m_graphics.fillRectangle(drawn);
    }
    drawWindow(m_graphics);
    m_graphics.setDrawingOffset(CPoint());
    m_graphics.getClip().releaseClip();
    return drawn;
}

void CWindow::paintPendingWindows()
{
    for (CWindow *window : std::vector<CWindow *>(liveWindows()))
        window->updateWindow();
}

void CWindow::setInitialArea(const CRect &area)
{
    if (m_platformWindow)
        return;
    m_area = area;
    m_position = area.getOrigin();
    m_size = area.getDimension();
}

void CWindow::replaceControlRoot(std::unique_ptr<Controls::CControlRoot> root)
{
    if (!root)
        return;
    if (m_mouseListener == m_root.get())
        m_mouseListener = root.get();
    if (m_dropListener == m_root.get())
        m_dropListener = root.get();
    if (m_keyboardListener == m_root.get())
        m_keyboardListener = root.get();
    m_root = std::move(root);
}

void CWindow::setWindowPosition(const CPoint &position)
{
    if (!m_platformWindow)
        return;
    m_position = position;
    m_area.setOrigin(position);
    m_platformWindow->move({static_cast<int>(position.getXPosition()), static_cast<int>(position.getYPosition())});
    if (m_windowListener != nullptr)
        m_windowListener->windowMoved(this, position);
}

void CWindow::setWindowSize(const CDimension &size)
{
    if (!m_platformWindow)
        return;
    m_size = size;
    m_area.setDimension(size);
    m_platformWindow->resize(toSize(size));
    redrawWindow();
    if (m_windowListener != nullptr)
        m_windowListener->windowSized(this, size);
}

void CWindow::setWindowArea(const CRect &area)
{
    // Moved first, then sized: listeners hear of the two changes in that order.
    setWindowPosition(area.getOrigin());
    setWindowSize(area.getDimension());
}

void CWindow::setWindowAlpha(double alpha)
{
    if (!m_platformWindow)
        return;
    CWindowAttributes &attributes = *m_attributes;
    attributes.setAttributes(attributes.getTitle(), attributes.getBackgroundColour(), alpha,
                             attributes.getWindowIcon(), attributes.isEnabled(), attributes.hasDropShadow());
    m_platformWindow->setOpacity(attributes.getAlpha());
}

CRect CWindow::getCentredOnScreen(const CDimension &size)
{
    Platform::SArea screen;
    if (!Platform::getPlatformDriver().getScreenArea(Platform::SPoint{0, 0}, screen))
        screen = Platform::SArea{};
    const long left = screen.x + (screen.width - size.getWidth()) / 2;
    const long top = screen.y + (screen.height - size.getHeight()) / 2;
    return CRect(std::max<long>(left, screen.x), std::max<long>(top, screen.y), size.getWidth(), size.getHeight());
}

bool CWindow::getClientAreaOnScreen(CRect &area) const
{
    Platform::SArea outer;
    Platform::SSize client;
    if (!m_platformWindow || !m_platformWindow->getOuterArea(outer) || !m_platformWindow->getClientSize(client))
        return false;
    // The window manager's side and bottom borders are taken as equal; the rest is the caption.
    const int border = (outer.width - client.width) / 2;
    area.setRect(outer.x + border, outer.y + outer.height - border - client.height, client.width, client.height);
    return true;
}

void CWindow::startTextInput(ITextInputListener *listener, const CRect &area)
{
    m_textInputListener = listener;
    if (m_platformWindow && listener != nullptr)
        m_platformWindow->startTextInput(toArea(area));
}

void CWindow::stopTextInput(ITextInputListener *listener)
{
    if (listener == nullptr || listener != m_textInputListener)
        return;
    m_textInputListener = nullptr;
    if (m_platformWindow)
        m_platformWindow->stopTextInput();
}

void CWindow::withdrawTextInput()
{
    if (ITextInputListener *listener = m_textInputListener)
    {
        stopTextInput(listener);
        listener->textInputWithdrawn();
    }
}

void CWindow::handleTextInput(const SPlatformMessage &message)
{
    if (m_textInputListener != nullptr)
        m_textInputListener->handleTextInput(CString(message.text.c_str()));
}

void CWindow::handleTimer(long id)
{
    // A timed object may remove itself, or others, when it fires.
    for (ITimedObject *object : std::vector<ITimedObject *>(m_timedObjects))
        if (std::find(m_timedObjects.begin(), m_timedObjects.end(), object) != m_timedObjects.end() &&
            object->getTimerId() == id)
            object->timerFired();
}

void CWindow::startTimer(long id, long milliseconds)
{
    if (id == 0)
        throw CException("Timer ids cannot be zero", "CWindow::startTimer(const long, const long)");
    if (m_platformWindow)
        m_platformWindow->startTimer(id, milliseconds);
}

void CWindow::stopTimer(long id)
{
    if (m_platformWindow)
        m_platformWindow->stopTimer(id);
}

void CWindow::addTimedObject(ITimedObject *object)
{
    if (object != nullptr)
        m_timedObjects.push_back(object);
}

void CWindow::removeTimedObject(ITimedObject *object)
{
    const auto found = std::find(m_timedObjects.begin(), m_timedObjects.end(), object);
    if (found == m_timedObjects.end())
        return;
    stopTimer(object->getTimerId());
    m_timedObjects.erase(found);
}

void CWindow::clearTimedObjects()
{
    for (ITimedObject *object : m_timedObjects)
        stopTimer(object->getTimerId());
    m_timedObjects.clear();
}

bool CWindow::windowClosing(IWindow *window)
{
    if (window == this && Application::CApplication::getMainWindow() == this)
        Application::CApplication::postQuit();
    return true;
}

bool CWindow::capturePlatformMouse(bool capture)
{
    if (!m_platformWindow)
        return false;
    m_platformWindow->captureMouse(capture);
    return true;
}

CWindow *CWindow::getHookWindow()
{
    // A hidden window (a closed drop-down menu, say) is not where anybody types.
    const std::vector<CWindow *> &windows = hookedWindows();
    const auto shown = std::find_if(windows.rbegin(), windows.rend(), [](const CWindow *window) {
        return window->m_platformWindow && window->m_platformWindow->isVisible();
    });
    if (shown != windows.rend())
        return *shown;
    return windows.empty() ? nullptr : windows.back();
}

void CWindow::addOpenPopup(IPopup *popup)
{
    if (popup != nullptr && std::find(openPopups().begin(), openPopups().end(), popup) == openPopups().end())
        openPopups().push_back(popup);
}

void CWindow::removeOpenPopup(IPopup *popup)
{
    forgetPopup(popup);
}

bool CWindow::dismissPopupsOutside(const CPoint &position) const
{
    bool usedUp = false;
    // Newest first: closing a popup may close the ones it opened.
    for (auto popup = openPopups().rbegin(); popup != openPopups().rend();)
    {
        IPopup *candidate = *popup;
        if (candidate->holdsPress(*this, position) || !forgetPopup(candidate))
        {
            ++popup;
            continue;
        }
        usedUp = candidate->dismissPopup() || usedUp;
        popup = openPopups().rbegin();
    }
    return usedUp;
}

void CWindow::dismissAllPopups()
{
    while (!openPopups().empty())
    {
        IPopup *popup = openPopups().back();
        forgetPopup(popup);
        popup->dismissPopup();
    }
}

std::vector<CWindow *> CWindow::getOpenWindows()
{
    std::vector<CWindow *> open;
    for (CWindow *window : liveWindows())
        if (window->m_platformWindow)
            open.push_back(window);
    return open;
}

void CWindow::uninstallKeyboardHook()
{
    forget(hookedWindows(), this);
}

void CWindow::handleMessage(const SPlatformMessage &message)
{
    switch (message.kind)
    {
    case EMessageKind::BUTTON_DOWN:
    case EMessageKind::DOUBLE_CLICK:
        // A press outside an open edit box or menu first closes it, as focus moving away would.
        // A press used up that way takes its release with it.
        m_pressUsedUp = dismissPopupsOutside(toPoint(message.position));
        if (!m_pressUsedUp)
            handleMouseMessage(message);
        break;
    case EMessageKind::BUTTON_UP:
        if (!std::exchange(m_pressUsedUp, false))
            handleMouseMessage(message);
        break;
    case EMessageKind::MOUSE_MOVE:
    case EMessageKind::MOUSE_LEAVE:
        handleMouseMessage(message);
        break;
    case EMessageKind::WHEEL:
        handleWheel(message);
        break;
    case EMessageKind::KEY_DOWN:
    case EMessageKind::KEY_UP:
        if (CWindow *hooked = getHookWindow())
            hooked->handleKeyboardHook(message);
        break;
    case EMessageKind::TEXT_INPUT:
        // Typed text goes where the keys go; the platform sends it only while someone asked for it.
        if (CWindow *hooked = getHookWindow())
            hooked->handleTextInput(message);
        break;
    case EMessageKind::FILES_DROPPED:
        handleDrop(message);
        break;
    case EMessageKind::FOCUS_GAINED:
        if (m_focusListener != nullptr)
            m_focusListener->windowGainedFocus(this);
        break;
    case EMessageKind::FOCUS_LOST:
        dismissAllPopups();
        if (m_focusListener != nullptr)
            m_focusListener->windowLostFocus(this);
        break;
    case EMessageKind::CLOSE_REQUESTED:
        handleClose();
        break;
    case EMessageKind::MOVED:
        handleMove(message);
        break;
    case EMessageKind::SIZED:
        handleSize(message);
        break;
    case EMessageKind::EXPOSED:
        handleExposure(CRect(message.area.x, message.area.y, message.area.width, message.area.height));
        break;
    case EMessageKind::TIMER:
        handleTimer(message.timerId);
        break;
    }
}

void CWindow::setMousePositionFromMessage(const CPoint &position, const Platform::SModifiers &modifiers)
{
    m_mouse.setPosition(position);
    m_mouseEvent.setModifiers(modifiers.control, modifiers.shift, modifiers.alt);
}

void CWindow::handleMouseMessage(const SPlatformMessage &message)
{
    if (m_mouseListener == nullptr)
        return;
    const bool left = message.button == EMouseButton::LEFT;
    const bool right = message.button == EMouseButton::RIGHT;
    switch (message.kind)
    {
    case EMessageKind::MOUSE_MOVE:
        setMousePositionFromMessage(toPoint(message.position), message.modifiers);
        m_mouseListener->handleMouseMovement(m_mouseEvent);
        break;
    case EMessageKind::MOUSE_LEAVE:
        setMousePositionFromMessage(CPoint(), message.modifiers);
        m_mouseListener->handleMouseLeavingArea(m_mouseEvent);
        break;
    case EMessageKind::BUTTON_DOWN:
        if (left || right)
            handleButton(message, true);
        break;
    case EMessageKind::BUTTON_UP:
        if (left || right)
            handleButton(message, false);
        break;
    case EMessageKind::DOUBLE_CLICK:
        if (left)
        {
            setMousePositionFromMessage(toPoint(message.position), message.modifiers);
            m_mouseListener->handleDoubleClick(m_mouseEvent);
        }
        else if (right)
            handleButton(message, true); // a quick second right press is still a press
        break;
    default:
        break;
    }
}

void CWindow::handleButton(const SPlatformMessage &message, bool down)
{
    // The window that gets a press keeps the pointer until the release, wherever it goes.
    if (down && !CMouse::isMouseCaptured())
        m_mouse.captureMouse(this);
    else if (!down && CMouse::isMouseCaptured())
        m_mouse.releaseMouse();
    setMousePositionFromMessage(toPoint(message.position), message.modifiers);
    const bool left = message.button == EMouseButton::LEFT;
    if (down)
        left ? m_mouseListener->handleLeftButtonDown(m_mouseEvent) : m_mouseListener->handleRightButtonDown(m_mouseEvent);
    else
        left ? m_mouseListener->handleLeftButtonUp(m_mouseEvent) : m_mouseListener->handleRightButtonUp(m_mouseEvent);
}

void CWindow::handleWheel(const SPlatformMessage &message)
{
    // The wheel goes where the keys go, in that window's coordinates, as a mouse hook sees it.
    CWindow *target = getHookWindow();
    CPoint position = toPoint(message.position);
    if (target == nullptr || target->m_keyboardListener == nullptr)
        target = this;
    else if (target != this)
    {
        CRect here;
        CRect there;
        if (!getClientAreaOnScreen(here) || !target->getClientAreaOnScreen(there))
            return;
        position.offset(here.getLeft() - there.getLeft(), here.getTop() - there.getTop());
    }
    if (target->m_mouseListener == nullptr)
        return;
    target->setMousePositionFromMessage(position, message.modifiers);
    target->m_mouseEvent.setWheelValue(message.wheel);
    target->m_mouseListener->handleMouseScroll(target->m_mouseEvent);
}

bool CWindow::handleKeyboardHook(const SPlatformMessage &message)
{
    if (m_keyboardListener == nullptr)
        return false;
    m_keyboardEvent.setKey(message.character);
    m_keyboardEvent.setKeyCode(static_cast<Platform::EKey>(message.key));
    m_keyboardEvent.setModifiers(message.modifiers.control, message.modifiers.shift, message.modifiers.alt);
    return message.kind == EMessageKind::KEY_UP ? m_keyboardListener->handleKeyUp(m_keyboardEvent)
                                                : m_keyboardListener->handleKeyDown(m_keyboardEvent);
}

void CWindow::handleDrop(const SPlatformMessage &message)
{
    if (m_dropListener == nullptr)
        return;
    Controls::CDropEvent event(toPoint(message.position));
    for (const std::string &path : message.paths)
        event.getFileNames().addName(CString(path.c_str()));
    m_dropListener->handleFileDrop(event);
    if (m_platformWindow)
        m_platformWindow->bringToForeground();
}

void CWindow::handleClose()
{
    if (m_windowListener != nullptr && !m_windowListener->windowClosing(this))
        return;
    destroyWindow();
}

void CWindow::handleMove(const SPlatformMessage &message)
{
    m_position = toPoint(message.position);
    m_area.setOrigin(m_position);
    if (m_windowListener != nullptr)
        m_windowListener->windowMoved(this, m_position);
}

void CWindow::handleSize(const SPlatformMessage &message)
{
    m_size = CDimension(message.size.width, message.size.height);
    m_area.setDimension(m_size);
    redrawWindow();
    if (m_windowListener != nullptr)
        m_windowListener->windowSized(this, m_size);
}
} // namespace Corvane::GUI::Windows
