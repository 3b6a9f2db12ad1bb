#pragma once

#include "framework/platform/PlatformMessage.hpp"

#include <cstddef>
#include <cstdint>

/**
 * The byte format of a calculator session, shared by the player (which decodes it) and the seed
 * writer (which encodes real sessions in it). A session is a run of steps; each step is one step
 * byte and the few argument bytes its kind takes. Missing bytes read as 0, so every input plays.
 *
 * Step byte: the low five bits pick the kind from STEP_KINDS (the common kinds fill several
 * slots), SHIFT_BIT and CONTROL_BIT hold those keys down for the step, and VARIANT_BIT makes a
 * press or release one of the right button.
 *
 * A place (where the pointer goes) starts with a selector byte:
 *   [0x00, 0x80)  a control of the calculator (selector modulo their number), then one byte whose
 *                 low and high four bits place the point across and down the control in sixteenths;
 *   [0x80, 0xA0)  a row of an open menu window (selector - 0x80 counts back from the newest), then
 *                 the row byte (modulo the rows);
 *   [0xA0, 0xC0)  anywhere in and around an open menu window, then an x and a y byte;
 *   [0xC0, 0x100) anywhere in and around the calculator window, then an x and a y byte.
 * Without an open menu window, the menu selectors read their bytes as a place in the calculator.
 */
namespace Corvane::Fuzzing
{
enum class EStep : std::uint8_t
{
    MOVE,          // place
    PRESS,         // place
    RELEASE,       // place
    CLICK,         // place: a press and its release
    DOUBLE_CLICK,  // place: a click, then the second press and its release
    WHEEL,         // place, notches as a signed byte in quarters (0 turns nothing)
    KEY,           // key index: the key pressed and released
    KEY_DOWN,      // key index
    KEY_UP,        // key index
    TYPE,          // length byte (1 to 16 characters), then the characters, typed one key at a time
    TEXT,          // length byte (0 to 31 bytes), then the bytes as one text-input message
    LONG_TEXT,     // count byte, pattern byte: a text of (count + 1) * 64 repetitions of the pattern
    DROP,          // place, file count byte (1 to 3), then each path as a length byte and its bytes
    FOCUS_GAINED,  // the program gets the focus back
    FOCUS_LOST,    // another program takes the focus
    TIMER,         // choice byte among the timers running now
    IDLE,          // the message queue runs empty: pending repaints happen
    LEAVE,         // the pointer leaves for the desktop
    CLOSE          // the window manager's close: the session ends
};

constexpr std::uint8_t KIND_BITS = 0x1F;
constexpr std::uint8_t SHIFT_BIT = 0x20;
constexpr std::uint8_t CONTROL_BIT = 0x40;
constexpr std::uint8_t VARIANT_BIT = 0x80;

constexpr EStep STEP_KINDS[KIND_BITS + 1] = {
    EStep::MOVE,     EStep::PRESS,        EStep::RELEASE,    EStep::CLICK,        EStep::DOUBLE_CLICK,
    EStep::WHEEL,    EStep::KEY,          EStep::KEY_DOWN,   EStep::KEY_UP,       EStep::TYPE,
    EStep::TEXT,     EStep::LONG_TEXT,    EStep::DROP,       EStep::FOCUS_GAINED, EStep::FOCUS_LOST,
    EStep::TIMER,    EStep::IDLE,         EStep::LEAVE,      EStep::CLOSE,        EStep::MOVE,
    EStep::MOVE,     EStep::CLICK,        EStep::CLICK,      EStep::CLICK,        EStep::KEY,
    EStep::KEY,      EStep::KEY,          EStep::TYPE,       EStep::TYPE,         EStep::IDLE,
    EStep::WHEEL,    EStep::MOVE};

/** The step byte of @p kind (its first slot) with those modifiers. */
constexpr std::uint8_t stepByte(EStep kind, bool shift = false, bool control = false)
{
    std::uint8_t slot = 0;
    while (STEP_KINDS[slot] != kind)
        ++slot;
    return static_cast<std::uint8_t>(slot | (shift ? SHIFT_BIT : 0) | (control ? CONTROL_BIT : 0));
}

constexpr std::uint8_t MENU_ROW_PLACE = 0x80;
constexpr std::uint8_t MENU_FREE_PLACE = 0xA0;
constexpr std::uint8_t WINDOW_FREE_PLACE = 0xC0;
/** How far around a window a free place may fall, in pixels. */
constexpr int WINDOW_MARGIN = 24;
constexpr int MENU_MARGIN = 8;
/** A control place byte that names the middle of the control. */
constexpr std::uint8_t MIDDLE = 0x88;

/** The keys a key index names (modulo their number): what a calculator's user presses. */
constexpr std::int32_t KEYS[] = {
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '.', ',', '-', '+', 'e', ' ', 'a', 'b', 'c', 'd',
    'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z',
    Platform::KEY_RETURN, Platform::KEY_ESCAPE, Platform::KEY_TAB, Platform::KEY_LEFT, Platform::KEY_RIGHT,
    Platform::KEY_UP, Platform::KEY_DOWN, Platform::KEY_BACKSPACE, Platform::KEY_DELETE, Platform::KEY_HOME,
    Platform::KEY_END, Platform::KEY_KEYPAD_ENTER, Platform::KEY_PAGE_UP, Platform::KEY_PAGE_DOWN,
    Platform::KEY_INSERT, Platform::KEY_OTHER};
constexpr std::size_t KEY_COUNT = sizeof KEYS / sizeof KEYS[0];

/** The key index of @p key; KEY_COUNT for a key the table lacks. */
constexpr std::uint8_t keyIndex(std::int32_t key)
{
    std::size_t index = 0;
    while (index < KEY_COUNT && KEYS[index] != key)
        ++index;
    return static_cast<std::uint8_t>(index);
}
} // namespace Corvane::Fuzzing
