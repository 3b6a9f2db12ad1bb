#pragma once

#include "framework/mathtools/CPoint.hpp"

namespace Corvane::GUI::Windows
{
class CCursor;
class CWindow;
struct IWindow;

/**
 * A window's mouse: where the pointer is (window coordinates while the window routes an event;
 * a control's own coordinates while its handler runs) and which cursor it shows. Capture is
 * process-wide: at most one window holds it, and while it does, mouse messages keep coming to
 * that window wherever the pointer goes.
 */
class CMouse
{
public:
    CMouse();

    const MathTools::CPoint &getPosition() const { return m_position; }
    void setPosition(const MathTools::CPoint &position) { m_position = position; }

    /** Shows @p cursor at once and remembers it; null is ignored. */
    void setCursor(CCursor *cursor);
    CCursor *getCursor() const { return m_cursor; }

    /** Takes the capture for @p window (a window that is not open cannot take it). */
    void captureMouse(IWindow *window);
    void releaseMouse();
    /** Whether any window of the process holds the capture. */
    static bool isMouseCaptured();
    bool isCapturedBy(const IWindow *window) const;

    /** A window that is going away gives the capture up without a platform call. */
    static void forgetWindow(const CWindow *window);

private:
    MathTools::CPoint m_position;
    CCursor *m_cursor;
};
} // namespace Corvane::GUI::Windows
