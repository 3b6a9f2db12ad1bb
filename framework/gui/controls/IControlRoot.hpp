#pragma once

#include "framework/gui/controls/EventListeners.hpp"
#include "framework/mathtools/CRect.hpp"

namespace Corvane::GUI::Graphics
{
class CBaseImage;
class CGraphics;
} // namespace Corvane::GUI::Graphics

namespace Corvane::GUI::Windows
{
struct IWindow;
}

namespace Corvane::GUI::Controls
{
struct IControl;

/**
 * A container of controls: every window has one, and every panel is one. It receives the raw
 * input of its window (or of its panel, in the panel's coordinates) and routes it to the control
 * under the pointer, or to the control that has locked it; it turns the controls' redraw
 * requests into repaints of its window and draws the controls in the order they were added.
 *
 * Hit tests include the right and bottom edges of an area, and where controls overlap, the one
 * added first wins. Controls keep their slots: removing one empties its slot.
 */
struct IControlRoot : public IMouseEventListener, public IDropFileEventListener, public IKeyboardEventListener
{
    /** While locked, @p control receives every mouse and key event of this root; null unlocks. */
    virtual void lockControl(IControl *control) = 0;
    virtual void unlockControl() = 0;
    virtual bool isControlLocked() const = 0;
    virtual IControl *getLockedControl() const = 0;

    /** Throws CException for a null window. */
    virtual void setParentWindow(Windows::IWindow *window) = 0;
    virtual Windows::IWindow *getParentWindow() const = 0;
    /** Where this root's origin lies in its window. */
    virtual MathTools::CPoint getWindowOffset() const = 0;

    virtual IControl *getControlAtPoint(const MathTools::CPoint &point) const = 0;
    /** As getControlAtPoint, descending into panels. */
    virtual IControl *getDeepControlAtPoint(const MathTools::CPoint &point) = 0;
    virtual IControl *getMouseEnabledControlAtPoint(const MathTools::CPoint &point) const = 0;
    virtual IControl *getDropFileEnabledControlAtPoint(const MathTools::CPoint &point) const = 0;
    virtual IControl *getKeyEnabledControlAtPoint(const MathTools::CPoint &point) const = 0;

    /** Appends @p control and holds a counted reference on it; one already held is not added twice. */
    virtual void addControl(IControl *control) = 0;
    /** Lets go of @p control and empties its slot; the other controls keep their indices. */
    virtual void removeControl(IControl *control) = 0;
    virtual void clearControls() = 0;
    /** With @p isIndex the control in that slot, else the first control whose unique id is @p index. */
    virtual IControl *getControlAtIndex(long index, bool isIndex) const = 0;
    /** The control's slot, or -1. */
    virtual long getControlIndex(const IControl *control) const = 0;
    /** The number of slots, which grows 32 at a time: the bound for loops over indices. */
    virtual long getControlArraySize() const = 0;
    /** The number of controls added, emptied slots included. */
    virtual long getNumberOfControls() const = 0;
    virtual bool isControlAttached(const IControl *control) const = 0;

    /** Draws the background picture and the controls that meet the graphics' update area. */
    virtual void drawRootArea(Graphics::CGraphics &graphics) = 0;
    virtual void updateControlAt(long index, bool isIndex) = 0;
    /** Asks the window to repaint the control's window area later. */
    virtual void updateControl(IControl *control) = 0;
    /** Asks the window to repaint @p area, given in this root's coordinates. */
    virtual void updateArea(const MathTools::CRect &area) = 0;
    /** The screen point just below the control's lower left corner, one pixel to its left. */
    virtual void getScreenPositionOfControl(IControl *control, MathTools::CPoint &point) = 0;
    /** Adds the control's position, and that of every enclosing panel, to @p point. */
    virtual void getWindowPositionOfControl(IControl *control, MathTools::CPoint &point) = 0;
    virtual void setBackgroundImage(Graphics::CBaseImage *image) = 0;
    virtual Graphics::CBaseImage *getBackgroundImage() const = 0;

    /** The control that most recently received a mouse event from this root. */
    virtual IControl *getLastMouseControl() const = 0;
    /** The control that received the last button press or double click, until the next button release. */
    virtual IControl *getPressedControl() const = 0;
};
} // namespace Corvane::GUI::Controls
