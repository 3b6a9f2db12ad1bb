#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/controls/IControl.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/graphics/CBaseImage.hpp"

#include <vector>

namespace Corvane::GUI::Controls
{
/**
 * The control root of a window, and the root part of every panel. It holds a counted reference
 * on each of its controls, in slots that keep insertion order, and forgets a control in every
 * role (locked, last under the mouse, pressed) as soon as it lets go of it, so that no event is
 * ever routed to a control it no longer holds.
 *
 * Mouse events go to the locked control, else to the first mouse-enabled control under the
 * point, with the position made relative to that control while its handler runs. A button
 * release outside the root's own bounds goes to the control that got the press (or the double
 * click), so a control always learns that its press ended, even when the pointer left the window
 * meanwhile. Keys go to the locked control, else to the last control that had a mouse event.
 */
class CControlRoot : public IControlRoot
{
public:
    /** Throws CException for a null window. */
    explicit CControlRoot(Windows::IWindow *window);
    CControlRoot(const CControlRoot &) = delete;
    CControlRoot &operator=(const CControlRoot &) = delete;
    ~CControlRoot() override;

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
    /** Goes, unchanged, to the first drop-enabled control at the drop position. */
    void handleFileDrop(const CDropEvent &event) override;

    void lockControl(IControl *control) override;
    void unlockControl() override;
    bool isControlLocked() const override { return m_lockedControl != nullptr; }
    IControl *getLockedControl() const override { return m_lockedControl; }

    void setParentWindow(Windows::IWindow *window) override;
    Windows::IWindow *getParentWindow() const override { return m_parentWindow; }
    MathTools::CPoint getWindowOffset() const override;

    IControl *getControlAtPoint(const MathTools::CPoint &point) const override;
    IControl *getDeepControlAtPoint(const MathTools::CPoint &point) override;
    IControl *getMouseEnabledControlAtPoint(const MathTools::CPoint &point) const override;
    IControl *getDropFileEnabledControlAtPoint(const MathTools::CPoint &point) const override;
    IControl *getKeyEnabledControlAtPoint(const MathTools::CPoint &point) const override;

    void addControl(IControl *control) override;
    void removeControl(IControl *control) override;
    void clearControls() override;
    IControl *getControlAtIndex(long index, bool isIndex) const override;
    long getControlIndex(const IControl *control) const override;
    long getControlArraySize() const override;
    long getNumberOfControls() const override;
    bool isControlAttached(const IControl *control) const override;

    void drawRootArea(Graphics::CGraphics &graphics) override;
    void updateControlAt(long index, bool isIndex) override;
    void updateControl(IControl *control) override;
    void updateArea(const MathTools::CRect &area) override;
    /** Leaves @p point as it is when the window cannot tell where its client area is. */
    void getScreenPositionOfControl(IControl *control, MathTools::CPoint &point) override;
    void getWindowPositionOfControl(IControl *control, MathTools::CPoint &point) override;
    void setBackgroundImage(Graphics::CBaseImage *image) override { m_backgroundImage.reset(image); }
    Graphics::CBaseImage *getBackgroundImage() const override { return m_backgroundImage.get(); }

    IControl *getLastMouseControl() const override { return m_lastMouseControl; }
    IControl *getPressedControl() const override { return m_pressedControl; }

    /** Whether @p point lies in @p area, its right and bottom edges included, as hit tests count. */
    static bool holdsPoint(const MathTools::CRect &area, const MathTools::CPoint &point);
    /** Whether two areas overlap or touch, edges included. */
    static bool meets(const MathTools::CRect &first, const MathTools::CRect &second);

protected:
    /**
     * This root's own area in its own coordinates: a button release outside it goes to the
     * pressed control. A window's root covers the window's client area.
     */
    virtual MathTools::CRect getRootBounds() const;

    /**
     * Draws every control that meets the update area (all in this root's coordinates), in slot
     * order: each with the update area made its own, the drawing offset moved by its position
     * and, with @p clipEachControl, the clip set to its window area. Everything is put back after.
     */
    void drawControls(Graphics::CGraphics &graphics, bool clipEachControl);

private:
    enum class EMouseAction
    {
        OTHER,
        PRESS,
        RELEASE,
        WHEEL
    };
    using MouseHandler = void (IMouseEventListener::*)(CMouseEvent &event);
    using KeyHandler = bool (IKeyboardEventListener::*)(const CKeyboardEvent &event);
    using ControlFlag = bool (IControl::*)() const;

    void routeMouseEvent(CMouseEvent &event, MouseHandler handler, EMouseAction action);
    IControl *findMouseTarget(EMouseAction action) const;
    bool routeKey(const CKeyboardEvent &event, KeyHandler handler);
    /** The first control at @p point whose @p flag is set (any control for a null flag). */
    IControl *findControlAt(const MathTools::CPoint &point, ControlFlag flag) const;
    /** Clears every role that @p control has in this root. */
    void forgetControl(const IControl *control);

    static Windows::IWindow *checkedWindow(Windows::IWindow *window);

    std::vector<Basics::TCountedReference<IControl>> m_controls;
    IControl *m_lockedControl = nullptr;
    IControl *m_lastMouseControl = nullptr;
    IControl *m_pressedControl = nullptr;
    Basics::TCountedReference<Graphics::CBaseImage> m_backgroundImage;
    Windows::IWindow *m_parentWindow;
    CMouseEvent m_workingEvent;
    MathTools::CPoint m_mousePoint;
};
} // namespace Corvane::GUI::Controls
