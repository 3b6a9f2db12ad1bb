#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Corvane::Platform
{
/**
 * Plain values shared by both sides of the platform seam. They are deliberately not the
 * framework's counted geometry: the seam sits below it and carries nothing but numbers and texts.
 * Every position and size that crosses the seam is in logical pixels; a backend turns them into
 * its device pixels with its scale factor (1 today), so controls and events never see device
 * pixels.
 */
struct SPoint
{
    int x = 0;
    int y = 0;
};

struct SSize
{
    int width = 0;
    int height = 0;
};

struct SArea
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
};

struct SModifiers
{
    bool control = false;
    bool shift = false;
    bool alt = false;
};

enum class EMouseButton
{
    NONE,
    LEFT,
    RIGHT,
    MIDDLE
};

/**
 * A key: a printable key carries its unshifted character ('a', '1', ' '), so that Ctrl+A reads
 * as 'a' whatever the layout's shift state; keys without a character have the codes below.
 */
enum EKey : std::int32_t
{
    KEY_NONE = 0,
    KEY_BACKSPACE = 8,
    KEY_TAB = 9,
    KEY_RETURN = 13,
    KEY_ESCAPE = 27,
    KEY_DELETE = 127,
    KEY_LEFT = 0x10000,
    KEY_RIGHT,
    KEY_UP,
    KEY_DOWN,
    KEY_HOME,
    KEY_END,
    KEY_PAGE_UP,
    KEY_PAGE_DOWN,
    KEY_KEYPAD_ENTER,
    KEY_INSERT,
    KEY_OTHER // any key the framework gives no meaning to
};

enum class EMessageKind
{
    MOUSE_MOVE,     // position
    BUTTON_DOWN,    // position, button
    BUTTON_UP,      // position, button
    DOUBLE_CLICK,   // position, button (the second press of a double click, instead of BUTTON_DOWN)
    WHEEL,          // position, wheel
    MOUSE_LEAVE,    // the pointer left the window
    KEY_DOWN,       // key, character
    KEY_UP,         // key, character
    TEXT_INPUT,     // text (UTF-8, as typed through the layout or an input method)
    FILES_DROPPED,  // position, paths
    FOCUS_GAINED,
    FOCUS_LOST,
    CLOSE_REQUESTED, // the window manager's close
    MOVED,          // position: the client area's new top left corner on the screen
    SIZED,          // size: the new client size
    EXPOSED,        // area: the platform lost these pixels and wants them back
    TIMER           // timerId
};

/**
 * One platform message, as a backend hands it to its window's handler. Only the fields that the
 * kind names (see EMessageKind) mean anything; modifiers are filled for every input message.
 */
struct SPlatformMessage
{
    EMessageKind kind = EMessageKind::MOUSE_MOVE;
    SPoint position;
    SSize size;
    SArea area;
    EMouseButton button = EMouseButton::NONE;
    SModifiers modifiers;
    /** Notches, positive away from the user. */
    double wheel = 0.0;
    std::int32_t key = KEY_NONE;
    /** The typed character when it is one byte, else 0. */
    char character = 0;
    std::string text;
    std::vector<std::string> paths;
    long timerId = 0;
};
} // namespace Corvane::Platform
