#include "tools/benchmarks/window/CXInput.hpp"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <algorithm>

namespace Corvane::WindowBench
{
namespace
{
/** The key symbol of a modifier as the command line names it. */
const char *modifierSymbol(const std::string &modifier)
{
    if (modifier == "shift")
        return "Shift_L";
    if (modifier == "ctrl" || modifier == "control")
        return "Control_L";
    if (modifier == "alt")
        return "Alt_L";
    return "Super_L";
}
} // namespace

bool CXInput::codeOf(const std::string &name, KeyCode &code, bool &needsShift, std::string &problem) const
{
    const KeySym symbol = XStringToKeysym(name.c_str());
    if (symbol == NoSymbol)
    {
        problem = "\"" + name + "\" is not the name of a key symbol";
        return false;
    }
    code = XKeysymToKeycode(m_display, symbol);
    if (code == 0)
    {
        problem = "no key of this keyboard types \"" + name + "\"";
        return false;
    }
    needsShift = XkbKeycodeToKeysym(m_display, code, 0, 0) != symbol &&
                 XkbKeycodeToKeysym(m_display, code, 0, 1) == symbol;
    return true;
}

bool CXInput::resolve(const SKeyStroke &stroke, SKeyCodes &codes, std::string &problem) const
{
    SKeyCodes resolved;
    bool needsShift = false;
    for (const std::string &modifier : stroke.modifiers)
    {
        KeyCode code = 0;
        if (!codeOf(modifierSymbol(modifier), code, needsShift, problem))
            return false;
        resolved.held.push_back(code);
    }
    if (!codeOf(stroke.key, resolved.key, needsShift, problem))
        return false;
    const KeyCode shift = XKeysymToKeycode(m_display, XStringToKeysym("Shift_L"));
    if (needsShift && shift != 0 && std::find(resolved.held.begin(), resolved.held.end(), shift) == resolved.held.end())
        resolved.held.push_back(shift);
    codes = resolved;
    return true;
}

void CXInput::movePointer(Window window, const SPoint &point) const
{
    int rootX = 0;
    int rootY = 0;
    Window child = None;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), static_cast<int>(point.x),
                          static_cast<int>(point.y), &rootX, &rootY, &child);
    XTestFakeMotionEvent(m_display, -1, rootX, rootY, CurrentTime);
}

void CXInput::setButton(bool pressed) const
{
    XTestFakeButtonEvent(m_display, 1, pressed ? True : False, CurrentTime);
}

void CXInput::setKey(const SKeyCodes &codes, bool pressed) const
{
    if (pressed)
        for (KeyCode held : codes.held)
            XTestFakeKeyEvent(m_display, held, True, CurrentTime);
    XTestFakeKeyEvent(m_display, codes.key, pressed ? True : False, CurrentTime);
    if (!pressed)
        for (auto held = codes.held.rbegin(); held != codes.held.rend(); ++held)
            XTestFakeKeyEvent(m_display, *held, False, CurrentTime);
}
} // namespace Corvane::WindowBench
