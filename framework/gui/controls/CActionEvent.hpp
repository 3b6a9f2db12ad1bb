#pragma once

#include "framework/basics/CCountedObject.hpp"

namespace Corvane::GUI::Controls
{
class CMouseEvent;
struct IControl;

/**
 * A control's report that the user finished something with it. Listeners that serve several
 * controls tell them apart by the control's unique id.
 */
class CActionEvent : public Basics::CCountedObject, private Basics::TInstanceCounter<CActionEvent>
{
public:
    CORVANE_DECLARE_CLASS

    /** No modifier down. Throws CException for a null control. */
    explicit CActionEvent(IControl *control);
    /** With the modifiers of the mouse event that finished the action. Throws for a null control. */
    CActionEvent(IControl *control, const CMouseEvent &event);

    IControl *getControl() const { return m_control; }

    void setModifiers(bool shiftDown, bool altDown, bool controlDown);
    bool isShiftDown() const { return m_shiftDown; }
    bool isAltDown() const { return m_altDown; }
    bool isControlDown() const { return m_controlDown; }

private:
    static IControl *checkedControl(IControl *control, const char *functionName);

    IControl *m_control;
    bool m_shiftDown = false;
    bool m_altDown = false;
    bool m_controlDown = false;
};
} // namespace Corvane::GUI::Controls
