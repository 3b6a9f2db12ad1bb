#pragma once

#include "tools/benchmarks/window/BenchArguments.hpp"

#include <X11/Xlib.h>
#include <string>
#include <vector>

namespace Corvane::WindowBench
{
/** A key stroke in the keyboard's own terms: the key codes to hold, then the key code to press. */
struct SKeyCodes
{
    std::vector<KeyCode> held;
    KeyCode key = 0;
};

/**
 * Pointer and keyboard input through XTEST: the server treats it as the real devices' input,
 * so it goes where a person's would (the window under the pointer, the focused window).
 * Nothing is sent before flush().
 */
class CXInput
{
public:
    explicit CXInput(Display *display) : m_display(display)
    {
    }

    /**
     * The key codes of @p stroke on the current keyboard map; a symbol that needs Shift (an
     * upper-case letter, "exclam") gets it. False, with the reason in @p problem, for a name
     * that is no key symbol or that no key types.
     */
    bool resolve(const SKeyStroke &stroke, SKeyCodes &codes, std::string &problem) const;

    /** Moves the pointer to @p point in @p window's client coordinates. */
    void movePointer(Window window, const SPoint &point) const;

    /** Presses or releases the first button. */
    void setButton(bool pressed) const;

    /** Presses a stroke (held keys first) or releases it (in reverse). */
    void setKey(const SKeyCodes &codes, bool pressed) const;

    void flush() const
    {
        XFlush(m_display);
    }

private:
    bool codeOf(const std::string &name, KeyCode &code, bool &needsShift, std::string &problem) const;

    Display *m_display;
};
} // namespace Corvane::WindowBench
