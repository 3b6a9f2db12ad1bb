#pragma once

#include "framework/gui/controls/CControl.hpp"
#include "framework/gui/controls/CControlRoot.hpp"

namespace Corvane::GUI::Controls
{
/**
 * A control that is also a control root: it sits in its outer root like any control and holds
 * child controls of its own, whose areas are in the panel's coordinates (origin at the panel's
 * top left corner). Input that reaches the panel is routed on to its children exactly as a
 * window's root routes it; redraw requests and position queries climb to the outer root; a
 * child that locks itself in the panel locks the panel in the outer root, so input keeps coming.
 * Children are drawn inside the panel, clipped to the panel's window area only.
 */
class CControlPanel : public CControlRoot, public CControl, private Basics::TInstanceCounter<CControlPanel>
{
public:
    CORVANE_DECLARE_CLASS

    /** The root part serves @p window; the control part sits in @p root. */
    CControlPanel(Windows::IWindow *window, IControlRoot *root, long uniqueId, const MathTools::CRect &area,
                  IActionListener *listener);

    bool isContainer() const override { return true; }
    /** Moves the panel, then refreshes every child's window area. */
    void setArea(const MathTools::CRect &area) override;
    /** Enables the panel and every child. */
    void enable() override;
    /** Disables the panel and every child. */
    void disable() override;
    void drawControl(Graphics::CGraphics &graphics) override;
    /** The grey fill or the disabled image, then the children; answers whether the panel is enabled. */
    bool drawDisabledControl(Graphics::CGraphics &graphics) override;

    void handleLeftButtonDown(CMouseEvent &event) override;
    void handleLeftButtonUp(CMouseEvent &event) override;
    void handleRightButtonDown(CMouseEvent &event) override;
    void handleRightButtonUp(CMouseEvent &event) override;
    void handleDoubleClick(CMouseEvent &event) override;
    void handleMouseScroll(CMouseEvent &event) override;
    void handleMouseMovement(CMouseEvent &event) override;
    void handleMouseLeavingArea(CMouseEvent &event) override;
    bool handleKeyDown(const CKeyboardEvent &event) override;
    bool handleKeyUp(const CKeyboardEvent &event) override;
    void handleFileDrop(const CDropEvent &event) override;

    /** Makes the panel the child's root and parent control, then holds it. */
    void addControl(IControl *control) override;
    /** Locks @p control in the panel and the panel in the outer root; null unlocks both. */
    void lockControl(IControl *control) override;
    void unlockControl() override;
    MathTools::CPoint getWindowOffset() const override;
    /** The innermost control at @p point (panel coordinates): a child, a child's child, or the panel. */
    IControl *getDeepControlAtPoint(const MathTools::CPoint &point) override;
    void drawRootArea(Graphics::CGraphics &graphics) override;
    void updateControl(IControl *control) override;
    /** @p area is in the panel's coordinates. */
    void updateArea(const MathTools::CRect &area) override;
    void getScreenPositionOfControl(IControl *control, MathTools::CPoint &point) override;
    void getWindowPositionOfControl(IControl *control, MathTools::CPoint &point) override;

protected:
    MathTools::CRect getRootBounds() const override;

private:
    /** Calls @p operation on every child present, from index 0 upward. */
    template <class Operation> void forEachChild(Operation operation);
};
} // namespace Corvane::GUI::Controls
