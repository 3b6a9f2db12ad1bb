#include "framework/gui/controls/CControlRoot.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/windows/IWindow.hpp"

namespace Corvane::GUI::Controls
{
using MathTools::CPoint;
using MathTools::CRect;

namespace
{
/** The collection grows this many slots at a time. */
constexpr long SLOT_GROWTH = 32;

/**
 * The part of @p updateArea that @p area covers, in the coordinates of @p area's own corner: the
 * whole normalised area when the control lies wholly inside.
 */
CRect updateAreaOfControl(const CRect &area, const CRect &updateArea)
{
    CRect overlap;
    CRect::getIntersectionArea(area, updateArea, overlap);
    overlap.offset(CPoint(-area.getLeft(), -area.getTop()));
    return overlap;
}
} // namespace

CControlRoot::CControlRoot(Windows::IWindow *window)
    : m_parentWindow(checkedWindow(window)), m_workingEvent(window->getMouse())
{
}

CControlRoot::~CControlRoot() = default;

Windows::IWindow *CControlRoot::checkedWindow(Windows::IWindow *window)
{
    if (window == nullptr)
        throw Exceptions::CException("Parent window is NULL", "CControlRoot::CControlRoot(IWindow *)");
    return window;
}

void CControlRoot::setParentWindow(Windows::IWindow *window)
{
    m_parentWindow = checkedWindow(window);
    m_workingEvent = CMouseEvent(window->getMouse());
}

void CControlRoot::handleLeftButtonDown(CMouseEvent &event)
{
    routeMouseEvent(event, &IMouseEventListener::handleLeftButtonDown, EMouseAction::PRESS);
}

void CControlRoot::handleLeftButtonUp(CMouseEvent &event)
{
    routeMouseEvent(event, &IMouseEventListener::handleLeftButtonUp, EMouseAction::RELEASE);
}

void CControlRoot::handleRightButtonDown(CMouseEvent &event)
{
    routeMouseEvent(event, &IMouseEventListener::handleRightButtonDown, EMouseAction::PRESS);
}

void CControlRoot::handleRightButtonUp(CMouseEvent &event)
{
    routeMouseEvent(event, &IMouseEventListener::handleRightButtonUp, EMouseAction::RELEASE);
}

void CControlRoot::handleDoubleClick(CMouseEvent &event)
{
    // The second press of a double click comes instead of a button down, and is released as one.
    routeMouseEvent(event, &IMouseEventListener::handleDoubleClick, EMouseAction::PRESS);
}

void CControlRoot::handleMouseScroll(CMouseEvent &event)
{
    routeMouseEvent(event, &IMouseEventListener::handleMouseScroll, EMouseAction::WHEEL);
}

void CControlRoot::handleMouseMovement(CMouseEvent &event)
{
    routeMouseEvent(event, &IMouseEventListener::handleMouseMovement, EMouseAction::OTHER);
}

void CControlRoot::handleMouseLeavingArea(CMouseEvent &event)
{
    routeMouseEvent(event, &IMouseEventListener::handleMouseLeavingArea, EMouseAction::OTHER);
}

void CControlRoot::routeMouseEvent(CMouseEvent &event, MouseHandler handler, EMouseAction action)
{
    m_mousePoint = event.getMousePosition();
    IControl *target = findMouseTarget(action);
    if (action == EMouseAction::RELEASE)
        m_pressedControl = nullptr;
    if (target == nullptr)
        return;
    if (action == EMouseAction::PRESS)
        m_pressedControl = target;
    // The working event's type stays a plain move: the handler called says what happened.
    m_workingEvent.setModifiers(event.isControlDown(), event.isShiftDown(), event.isAltDown());
    if (action == EMouseAction::WHEEL)
        m_workingEvent.setWheelValue(event.getWheelValue());
    CPoint position(m_mousePoint);
    position -= target->getArea().getOrigin();
    m_workingEvent.setMousePosition(position);
    (target->*handler)(m_workingEvent);
    m_workingEvent.setMousePosition(m_mousePoint);
    // A handler may have taken its own control out of this root; it must not be remembered then.
    if (target == m_lockedControl || isControlAttached(target))
        m_lastMouseControl = target;
}

IControl *CControlRoot::findMouseTarget(EMouseAction action) const
{
    if (m_lockedControl != nullptr)
        return m_lockedControl;
    if (action == EMouseAction::RELEASE && !holdsPoint(getRootBounds(), m_mousePoint))
        return m_pressedControl;
    return getMouseEnabledControlAtPoint(m_mousePoint);
}

bool CControlRoot::handleKeyDown(const CKeyboardEvent &event)
{
    return routeKey(event, &IKeyboardEventListener::handleKeyDown);
}

bool CControlRoot::handleKeyUp(const CKeyboardEvent &event)
{
    return routeKey(event, &IKeyboardEventListener::handleKeyUp);
}

bool CControlRoot::routeKey(const CKeyboardEvent &event, KeyHandler handler)
{
    IControl *target = m_lockedControl != nullptr ? m_lockedControl : m_lastMouseControl;
    return target != nullptr && (target->*handler)(event);
}

void CControlRoot::handleFileDrop(const CDropEvent &event)
{
    // The drop position is in window coordinates; the controls' areas are in this root's.
    CPoint point(event.getDropPosition());
    point -= getWindowOffset();
    if (IControl *target = getDropFileEnabledControlAtPoint(point))
        target->handleFileDrop(event);
}

void CControlRoot::lockControl(IControl *control)
{
    m_lockedControl = control;
}

void CControlRoot::unlockControl()
{
    m_lockedControl = nullptr;
}

CPoint CControlRoot::getWindowOffset() const
{
    return CPoint(0, 0);
}

CRect CControlRoot::getRootBounds() const
{
    return CRect(CPoint(), m_parentWindow->getWindowSize());
}

bool CControlRoot::holdsPoint(const CRect &area, const CPoint &point)
{
    return area.getLeft() <= point.getXPosition() && point.getXPosition() <= area.getRight() &&
           area.getTop() <= point.getYPosition() && point.getYPosition() <= area.getBottom();
}

bool CControlRoot::meets(const CRect &first, const CRect &second)
{
    return first.getLeft() <= second.getRight() && first.getTop() <= second.getBottom() &&
           second.getLeft() <= first.getRight() && second.getTop() <= first.getBottom();
}

IControl *CControlRoot::findControlAt(const CPoint &point, ControlFlag flag) const
{
    for (const Basics::TCountedReference<IControl> &slot : m_controls)
        if (slot && holdsPoint(slot->getArea(), point) && (flag == nullptr || (slot.get()->*flag)()))
            return slot.get();
    return nullptr;
}

IControl *CControlRoot::getControlAtPoint(const CPoint &point) const
{
    return findControlAt(point, nullptr);
}

IControl *CControlRoot::getDeepControlAtPoint(const CPoint &point)
{
    return getControlAtPoint(point);
}

IControl *CControlRoot::getMouseEnabledControlAtPoint(const CPoint &point) const
{
    return findControlAt(point, &IControl::isMouseEnabled);
}

IControl *CControlRoot::getDropFileEnabledControlAtPoint(const CPoint &point) const
{
    return findControlAt(point, &IControl::isDropFileEnabled);
}

IControl *CControlRoot::getKeyEnabledControlAtPoint(const CPoint &point) const
{
    return findControlAt(point, &IControl::isKeyboardEnabled);
}

void CControlRoot::addControl(IControl *control)
{
    if (control != nullptr && !isControlAttached(control))
        m_controls.emplace_back(control);
}

void CControlRoot::removeControl(IControl *control)
{
    const long index = getControlIndex(control);
    if (index < 0)
        return;
    forgetControl(control);
    m_controls[static_cast<std::size_t>(index)].reset(nullptr);
}

void CControlRoot::clearControls()
{
    for (const Basics::TCountedReference<IControl> &slot : m_controls)
        forgetControl(slot.get());
    m_controls.clear();
}

void CControlRoot::forgetControl(const IControl *control)
{
    if (control == nullptr)
        return;
    if (control == m_lockedControl)
        unlockControl();
    if (control == m_lastMouseControl)
        m_lastMouseControl = nullptr;
    if (control == m_pressedControl)
        m_pressedControl = nullptr;
}

IControl *CControlRoot::getControlAtIndex(long index, bool isIndex) const
{
    if (isIndex)
        return index >= 0 && index < getNumberOfControls() ? m_controls[static_cast<std::size_t>(index)].get()
                                                           : nullptr;
    for (const Basics::TCountedReference<IControl> &slot : m_controls)
        if (slot && slot->getUniqueId() == index)
            return slot.get();
    return nullptr;
}

long CControlRoot::getControlIndex(const IControl *control) const
{
    for (std::size_t index = 0; control != nullptr && index < m_controls.size(); index++)
        if (m_controls[index].get() == control)
            return static_cast<long>(index);
    return -1;
}

long CControlRoot::getControlArraySize() const
{
    return (getNumberOfControls() + SLOT_GROWTH - 1) / SLOT_GROWTH * SLOT_GROWTH;
}

long CControlRoot::getNumberOfControls() const
{
    return static_cast<long>(m_controls.size());
}

bool CControlRoot::isControlAttached(const IControl *control) const
{
    return getControlIndex(control) >= 0;
}

void CControlRoot::drawRootArea(Graphics::CGraphics &graphics)
{
    if (m_backgroundImage)
    {
        const CRect updateArea(graphics.getUpdateArea());
        graphics.getClip().setClip(updateArea);
        graphics.drawImage(m_backgroundImage.get(), updateArea, updateArea);
        graphics.getClip().releaseClip();
    }
    drawControls(graphics, true);
}

void CControlRoot::drawControls(Graphics::CGraphics &graphics, bool clipEachControl)
{
    const CRect updateArea(graphics.getUpdateArea());
    const CPoint offset(graphics.getDrawingOffset());
    // By index: a control may add controls while it draws, which may move the slots.
    for (std::size_t index = 0; index < m_controls.size(); index++)
    {
        IControl *control = m_controls[index].get();
        if (control == nullptr || !meets(control->getArea(), updateArea))
            continue;
        const CRect controlUpdate = updateAreaOfControl(control->getArea(), updateArea);
        CPoint controlOffset(offset);
        controlOffset += control->getArea().getOrigin();
        if (clipEachControl)
        {
            // Only the updated part: the window keeps its picture between paints and presents
            // it again, so a control drawn whole would overwrite what lies outside the update
            // (the children the update does not reach) with pixels no paint completes.
            CRect clip(controlUpdate);
            clip.offset(controlOffset);
            graphics.getClip().setClip(clip);
        }
        graphics.setUpdateArea(controlUpdate);
        graphics.setDrawingOffset(controlOffset);
        control->drawControl(graphics);
        graphics.setDrawingOffset(offset);
        if (clipEachControl)
            graphics.getClip().releaseClip();
    }
    graphics.setUpdateArea(updateArea);
}

void CControlRoot::updateControlAt(long index, bool isIndex)
{
    if (IControl *control = getControlAtIndex(index, isIndex))
        updateControl(control);
}

void CControlRoot::updateControl(IControl *control)
{
    if (control != nullptr)
        m_parentWindow->redrawWindow(control->getWindowArea());
}

void CControlRoot::updateArea(const CRect &area)
{
    m_parentWindow->redrawWindow(area);
}

void CControlRoot::getScreenPositionOfControl(IControl *control, CPoint &point)
{
    CRect clientArea;
    if (control == nullptr || !m_parentWindow->getClientAreaOnScreen(clientArea))
        return;
    const CRect &area = control->getWindowArea();
    point.setPoint(clientArea.getLeft() + area.getLeft() - 1, clientArea.getTop() + area.getTop() + area.getHeight());
}

void CControlRoot::getWindowPositionOfControl(IControl *control, CPoint &point)
{
    if (control != nullptr)
        point += control->getArea().getOrigin();
}
} // namespace Corvane::GUI::Controls
