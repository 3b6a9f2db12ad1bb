#include "framework/gui/controls/CControlPanel.hpp"

#include "framework/gui/graphics/CGraphics.hpp"

namespace Corvane::GUI::Controls
{
using MathTools::CPoint;
using MathTools::CRect;

CORVANE_DEFINE_CLASS(CControlPanel, "CControlPanel", "CControl")

namespace
{
const MathTools::CAlphaColour DISABLED_FILL(147, 147, 147, 255);

/** Recomputes the window area of @p control after its root moved or changed. */
void refreshWindowArea(IControl &control)
{
    const CRect area(control.getArea());
    control.setArea(area);
}
} // namespace

CControlPanel::CControlPanel(Windows::IWindow *window, IControlRoot *root, long uniqueId, const CRect &area,
                             IActionListener *listener)
    : CControlRoot(window), CControl(root, uniqueId, area, listener)
{
}

template <class Operation> void CControlPanel::forEachChild(Operation operation)
{
    for (long index = 0; index < getNumberOfControls(); index++)
        if (IControl *child = getControlAtIndex(index, true))
            operation(*child);
}

void CControlPanel::setArea(const CRect &area)
{
    CControl::setArea(area);
    forEachChild(refreshWindowArea);
}

void CControlPanel::enable()
{
    CControl::enable();
    forEachChild([](IControl &child) { child.enable(); });
}

void CControlPanel::disable()
{
    CControl::disable();
    forEachChild([](IControl &child) { child.disable(); });
}

void CControlPanel::drawControl(Graphics::CGraphics &graphics)
{
    if (!drawDisabledControl(graphics))
        return;
    if (Graphics::CBaseImage *background = getBackgroundImage())
        drawOverNormalisedArea(graphics, *background);
    else
        drawBackground(graphics, isDefaultControlDrawing());
    drawControls(graphics, false);
    // The frame goes over the children.
    if (isDefaultControlDrawing())
        drawFrame(graphics);
}

bool CControlPanel::drawDisabledControl(Graphics::CGraphics &graphics)
{
    if (isEnabled())
        return true;
    if (Graphics::CBaseImage *image = getDisabledImage())
        drawOverNormalisedArea(graphics, *image);
    else
    {
        graphics.getBrush().setColour(DISABLED_FILL);
        graphics.fillRectangle(getNormalisedArea());
    }
    drawControls(graphics, true);
    return false;
}

// Input that reaches the panel is routed on to its children as a window's root routes it.
void CControlPanel::handleLeftButtonDown(CMouseEvent &event)
{
    CControlRoot::handleLeftButtonDown(event);
}

void CControlPanel::handleLeftButtonUp(CMouseEvent &event)
{
    CControlRoot::handleLeftButtonUp(event);
}

void CControlPanel::handleRightButtonDown(CMouseEvent &event)
{
    CControlRoot::handleRightButtonDown(event);
}

void CControlPanel::handleRightButtonUp(CMouseEvent &event)
{
    CControlRoot::handleRightButtonUp(event);
}

void CControlPanel::handleDoubleClick(CMouseEvent &event)
{
    CControlRoot::handleDoubleClick(event);
}

void CControlPanel::handleMouseScroll(CMouseEvent &event)
{
    CControlRoot::handleMouseScroll(event);
}

void CControlPanel::handleMouseMovement(CMouseEvent &event)
{
    CControlRoot::handleMouseMovement(event);
}

void CControlPanel::handleMouseLeavingArea(CMouseEvent &event)
{
    CControlRoot::handleMouseLeavingArea(event);
}

bool CControlPanel::handleKeyDown(const CKeyboardEvent &event)
{
    return CControlRoot::handleKeyDown(event);
}

bool CControlPanel::handleKeyUp(const CKeyboardEvent &event)
{
    return CControlRoot::handleKeyUp(event);
}

void CControlPanel::handleFileDrop(const CDropEvent &event)
{
    CControlRoot::handleFileDrop(event);
}

void CControlPanel::addControl(IControl *control)
{
    if (control == nullptr)
        return;
    control->setControlRoot(this);
    control->setParentControl(this);
    // A child made for another root still has that root's idea of where it lies in the window.
    refreshWindowArea(*control);
    CControlRoot::addControl(control);
}

void CControlPanel::lockControl(IControl *control)
{
    if (control == nullptr)
    {
        unlockControl();
        return;
    }
    CControlRoot::lockControl(control);
    getControlRoot()->lockControl(this);
}

void CControlPanel::unlockControl()
{
    CControlRoot::unlockControl();
    getControlRoot()->unlockControl();
}

CPoint CControlPanel::getWindowOffset() const
{
    return getWindowArea().getOrigin();
}

CRect CControlPanel::getRootBounds() const
{
    return getNormalisedArea();
}

IControl *CControlPanel::getDeepControlAtPoint(const CPoint &point)
{
    IControl *child = getControlAtPoint(point);
    if (child == nullptr)
        return this;
    if (auto *panel = dynamic_cast<CControlPanel *>(child))
    {
        CPoint inChild(point);
        inChild -= child->getArea().getOrigin();
        return panel->getDeepControlAtPoint(inChild);
    }
    return child;
}

void CControlPanel::drawRootArea(Graphics::CGraphics &graphics)
{
    drawControl(graphics);
}

void CControlPanel::updateControl(IControl *control)
{
    getControlRoot()->updateControl(control);
}

void CControlPanel::updateArea(const CRect &area)
{
    CRect inOuterRoot(area);
    inOuterRoot.offset(getArea().getOrigin());
    getControlRoot()->updateArea(inOuterRoot);
}

void CControlPanel::getScreenPositionOfControl(IControl *control, CPoint &point)
{
    getControlRoot()->getScreenPositionOfControl(control, point);
}

void CControlPanel::getWindowPositionOfControl(IControl *control, CPoint &point)
{
    if (control == nullptr)
        return;
    point += control->getArea().getOrigin();
    getControlRoot()->getWindowPositionOfControl(this, point);
}
} // namespace Corvane::GUI::Controls
