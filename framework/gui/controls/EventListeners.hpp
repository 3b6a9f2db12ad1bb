#pragma once

namespace Corvane::GUI::Controls
{
class CActionEvent;
class CDropEvent;
class CKeyboardEvent;
class CMouseEvent;

/**
 * Receives mouse input. The handler called tells what happened (the event's type stays a plain
 * move); the event's position is in the receiver's own coordinates while the handler runs.
 */
struct IMouseEventListener
{
    virtual ~IMouseEventListener() = default;
    virtual void handleLeftButtonDown(CMouseEvent &event) = 0;
    virtual void handleLeftButtonUp(CMouseEvent &event) = 0;
    virtual void handleRightButtonDown(CMouseEvent &event) = 0;
    virtual void handleRightButtonUp(CMouseEvent &event) = 0;
    virtual void handleDoubleClick(CMouseEvent &event) = 0;
    virtual void handleMouseScroll(CMouseEvent &event) = 0;
    virtual void handleMouseMovement(CMouseEvent &event) = 0;
    virtual void handleMouseLeavingArea(CMouseEvent &event) = 0;
};

/** Receives key presses and releases; true means the key was used and goes no further. */
struct IKeyboardEventListener
{
    virtual ~IKeyboardEventListener() = default;
    virtual bool handleKeyDown(const CKeyboardEvent &event) = 0;
    virtual bool handleKeyUp(const CKeyboardEvent &event) = 0;
};

/** Receives files dropped on a window. */
struct IDropFileEventListener
{
    virtual ~IDropFileEventListener() = default;
    virtual void handleFileDrop(const CDropEvent &event) = 0;
};

/** Told when a control finishes a user action (a committed edit, a chosen entry). */
struct IActionListener
{
    virtual ~IActionListener() = default;
    virtual void handleActionEvent(const CActionEvent &event) = 0;
};
} // namespace Corvane::GUI::Controls
