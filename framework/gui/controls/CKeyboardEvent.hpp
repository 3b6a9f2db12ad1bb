#pragma once

#include "framework/basics/CCountedObject.hpp"
#include "framework/platform/PlatformMessage.hpp"

namespace Corvane::GUI::Controls
{
/**
 * One key press or release: the typed character when it is a single byte (a blank by default),
 * and the platform key code beside it, so that keys without a character (arrows, Home, End,
 * Delete) can be told apart; a printable key's code is its unshifted character.
 */
class CKeyboardEvent : public Basics::CCountedObject, private Basics::TInstanceCounter<CKeyboardEvent>
{
public:
    CORVANE_DECLARE_CLASS

    CKeyboardEvent() = default;

    void setKey(char key) { m_key = key; }
    char getKey() const { return m_key; }
    void setKeyCode(Platform::EKey keyCode) { m_keyCode = keyCode; }
    Platform::EKey getKeyCode() const { return m_keyCode; }

    void setModifiers(bool controlDown, bool shiftDown, bool altDown);
    bool isControlDown() const { return m_controlDown; }
    bool isShiftDown() const { return m_shiftDown; }
    bool isAltDown() const { return m_altDown; }

private:
    char m_key = ' ';
    Platform::EKey m_keyCode = Platform::KEY_NONE;
    bool m_shiftDown = false;
    bool m_altDown = false;
    bool m_controlDown = false;
};
} // namespace Corvane::GUI::Controls
