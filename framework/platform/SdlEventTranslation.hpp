#pragma once

#include "framework/platform/DeviceScale.hpp"
#include "framework/platform/PlatformMessage.hpp"

#include <SDL.h>

#include <cstdint>

namespace Corvane::Platform
{
/** The backend's own events, numbered from the base that getUserEventBase registered. */
enum EUserEvent : std::uint32_t
{
    USER_EVENT_TIMER = 0, // data1: the timer's key in the backend's timer table
    USER_EVENT_QUIT = 1,  // code: the quit code
    NUMBER_OF_USER_EVENTS = 2
};

/** The first of the backend's event types, registered with SDL once per process. */
std::uint32_t getUserEventBase();

/** What translating one event needs besides the event itself. */
struct STranslationContext
{
    SDeviceScale scale;
    /** The modifier keys held now (SDL_GetModState): mouse events do not carry them. */
    std::uint16_t modifierState = 0;
    std::uint32_t userEventBase = SDL_USEREVENT;
};

/** What an event means to the backend. */
enum class ETranslated
{
    MESSAGE,      // message, for the window windowId
    TIMER,        // timerKey fired
    QUIT,         // the quit request with quitCode
    DROP_BEGIN,   // a drop on windowId begins
    DROP_FILE,    // message.paths holds one dropped file
    DROP_COMPLETE // the drop on windowId is complete
};

struct STranslation
{
    ETranslated kind = ETranslated::MESSAGE;
    std::uint32_t windowId = 0;
    SPlatformMessage message;
    std::uintptr_t timerKey = 0;
    int quitCode = 0;
};

/**
 * Translates one SDL event; false for an event the framework has no use for. It reads nothing
 * but its arguments. An EXPOSED message comes out with an empty area: SDL does not say what was
 * lost, and the backend, which knows the window's size, makes it the whole window. SDL_QUIT is
 * not used: each window closes through its own close request.
 */
bool translateEvent(const SDL_Event &event, const STranslationContext &context, STranslation &out);

/** The framework's modifier flags of SDL's modifier state. */
SModifiers translateModifiers(std::uint16_t modifierState);

/**
 * The framework's key (EKey, or the unshifted character of a printable key) for an SDL key with
 * the modifier state; the keypad's digits are digits with Num Lock on and moving keys without.
 */
std::int32_t translateKey(SDL_Keycode key, std::uint16_t modifierState);

/**
 * The one-byte character the key types, or 0. Letters follow Shift and Caps Lock; other keys
 * typed with Shift, AltGr or Alt give 0, since only the keyboard layout knows what they type
 * (TEXT_INPUT carries that), and keys pressed with Control type nothing.
 */
char translateCharacter(std::int32_t key, std::uint16_t modifierState);
} // namespace Corvane::Platform
