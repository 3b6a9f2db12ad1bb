#pragma once

#include "framework/basics/CCountedObject.hpp"
#include "framework/mathtools/CPoint.hpp"

#include <cstdint>

namespace Corvane::GUI::Windows
{
class CMouse;
}

namespace Corvane::GUI::Controls
{
/**
 * One mouse event. It has no position of its own: it shares its window's mouse, so whoever moves
 * the event's position moves the mouse's, and every event of a window sees the same pointer.
 */
class CMouseEvent : public Basics::CCountedObject, private Basics::TInstanceCounter<CMouseEvent>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr long MOUSE_MOVE = 512;
    static constexpr long LEFT_BUTTON_DOWN = 513;
    static constexpr long LEFT_BUTTON_UP = 514;
    static constexpr long DOUBLE_CLICK = 515;
    static constexpr long RIGHT_BUTTON_DOWN = 516;
    static constexpr long RIGHT_BUTTON_UP = 517;
    static constexpr long MOUSE_WHEEL = 522;
    static constexpr long MOUSE_LEAVE = 675;

    /** Wheel values are in notches: one platform unit is a 120th of a notch. */
    static constexpr double WHEEL_NOTCHES_PER_UNIT = 1.0 / 120.0;

    /** An @p eventType that is none of the constants above is stored as MOUSE_MOVE. */
    explicit CMouseEvent(Windows::CMouse &mouse, long eventType = MOUSE_MOVE, double wheelValue = 0.0);

    long getEventType() const { return m_eventType; }
    Windows::CMouse &getMouse() const { return *m_mouse; }
    const MathTools::CPoint &getMousePosition() const;
    /** Moves the shared mouse's position. */
    void setMousePosition(const MathTools::CPoint &position);

    /** Notches, positive away from the user. */
    double getWheelValue() const { return m_wheelValue; }
    void setWheelValue(double wheelValue) { m_wheelValue = wheelValue; }

    void setModifiers(bool controlDown, bool shiftDown, bool altDown);
    bool isControlDown() const { return m_controlDown; }
    bool isShiftDown() const { return m_shiftDown; }
    bool isAltDown() const { return m_altDown; }

private:
    static long knownEventType(long eventType);

    std::int32_t m_eventType;
    Windows::CMouse *m_mouse;
    double m_wheelValue;
    bool m_controlDown = false;
    bool m_shiftDown = false;
    bool m_altDown = false;
};
} // namespace Corvane::GUI::Controls
