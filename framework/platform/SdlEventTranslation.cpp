#include "framework/platform/SdlEventTranslation.hpp"

#include <cctype>

namespace Corvane::Platform
{
namespace
{
struct SKeyName
{
    SDL_Keycode sdlKey;
    std::int32_t key;
};

// Keys with no character of their own.
constexpr SKeyName MOVING_KEYS[] = {
    {SDLK_LEFT, KEY_LEFT},           {SDLK_RIGHT, KEY_RIGHT},        {SDLK_UP, KEY_UP},
    {SDLK_DOWN, KEY_DOWN},           {SDLK_HOME, KEY_HOME},          {SDLK_END, KEY_END},
    {SDLK_PAGEUP, KEY_PAGE_UP},      {SDLK_PAGEDOWN, KEY_PAGE_DOWN}, {SDLK_INSERT, KEY_INSERT},
    {SDLK_KP_ENTER, KEY_KEYPAD_ENTER}};

// The keypad's keys that depend on Num Lock: {key, with Num Lock, without}.
struct SKeypadKey
{
    SDL_Keycode sdlKey;
    std::int32_t withNumLock;
    std::int32_t withoutNumLock;
};
constexpr SKeypadKey KEYPAD_KEYS[] = {
    {SDLK_KP_0, '0', KEY_INSERT}, {SDLK_KP_1, '1', KEY_END},       {SDLK_KP_2, '2', KEY_DOWN},
    {SDLK_KP_3, '3', KEY_PAGE_DOWN}, {SDLK_KP_4, '4', KEY_LEFT},   {SDLK_KP_5, '5', KEY_OTHER},
    {SDLK_KP_6, '6', KEY_RIGHT},  {SDLK_KP_7, '7', KEY_HOME},      {SDLK_KP_8, '8', KEY_UP},
    {SDLK_KP_9, '9', KEY_PAGE_UP}, {SDLK_KP_PERIOD, '.', KEY_DELETE}};

// The keypad's keys that type the same whatever Num Lock says.
constexpr SKeyName KEYPAD_SIGNS[] = {
    {SDLK_KP_DIVIDE, '/'}, {SDLK_KP_MULTIPLY, '*'}, {SDLK_KP_MINUS, '-'}, {SDLK_KP_PLUS, '+'}, {SDLK_KP_EQUALS, '='}};

// Keys whose character is a control character of their own.
constexpr std::int32_t CONTROL_KEYS[] = {KEY_BACKSPACE, KEY_TAB, KEY_RETURN, KEY_ESCAPE, KEY_DELETE};

constexpr std::int32_t FIRST_SURROGATE = 0xD800;
constexpr std::int32_t LAST_SURROGATE = 0xDFFF;

template <typename TTable>
const auto *findKey(const TTable &table, SDL_Keycode sdlKey)
{
    for (const auto &entry : table)
        if (entry.sdlKey == sdlKey)
            return &entry;
    return static_cast<decltype(&table[0])>(nullptr);
}

bool isControlKey(std::int32_t key)
{
    for (std::int32_t control : CONTROL_KEYS)
        if (key == control)
            return true;
    return false;
}

EMouseButton translateButton(std::uint8_t button)
{
    switch (button)
    {
    case SDL_BUTTON_LEFT:
        return EMouseButton::LEFT;
    case SDL_BUTTON_RIGHT:
        return EMouseButton::RIGHT;
    case SDL_BUTTON_MIDDLE:
        return EMouseButton::MIDDLE;
    default:
        return EMouseButton::NONE;
    }
}

/** Starts a message of @p kind for @p windowId, with the modifier keys held now. */
SPlatformMessage &beginMessage(STranslation &out, EMessageKind kind, std::uint32_t windowId,
                               const STranslationContext &context)
{
    out.kind = ETranslated::MESSAGE;
    out.windowId = windowId;
    out.message = SPlatformMessage{};
    out.message.kind = kind;
    out.message.modifiers = translateModifiers(context.modifierState);
    return out.message;
}

bool translateButtonEvent(const SDL_MouseButtonEvent &event, bool pressed, const STranslationContext &context,
                          STranslation &out)
{
    const EMouseButton button = translateButton(event.button);
    if (button == EMouseButton::NONE)
        return false;
    // SDL counts on (1, 2, 3, ...); desktops make every second press of a run a double click.
    const EMessageKind kind = !pressed                ? EMessageKind::BUTTON_UP
                              : event.clicks % 2 == 0 ? EMessageKind::DOUBLE_CLICK
                                                      : EMessageKind::BUTTON_DOWN;
    SPlatformMessage &message = beginMessage(out, kind, event.windowID, context);
    message.position = context.scale.toLogical(SPoint{event.x, event.y});
    message.button = button;
    return true;
}

bool translateWheelEvent(const SDL_MouseWheelEvent &event, const STranslationContext &context, STranslation &out)
{
    double notches = event.preciseY != 0.0f ? event.preciseY : event.y;
    if (event.direction == SDL_MOUSEWHEEL_FLIPPED)
        notches = -notches;
    if (notches == 0.0)
        return false; // a sideways turn: the framework knows only the vertical wheel
    SPlatformMessage &message = beginMessage(out, EMessageKind::WHEEL, event.windowID, context);
    message.position = context.scale.toLogical(SPoint{event.mouseX, event.mouseY});
    message.wheel = notches;
    return true;
}

bool translateKeyEvent(const SDL_KeyboardEvent &event, bool pressed, const STranslationContext &context,
                       STranslation &out)
{
    // The key event's own modifier state is the one that went with the key.
    STranslationContext atTheKey = context;
    atTheKey.modifierState = event.keysym.mod;
    SPlatformMessage &message =
        beginMessage(out, pressed ? EMessageKind::KEY_DOWN : EMessageKind::KEY_UP, event.windowID, atTheKey);
    message.key = translateKey(event.keysym.sym, event.keysym.mod);
    message.character = translateCharacter(message.key, event.keysym.mod);
    return true;
}

bool translateWindowEvent(const SDL_WindowEvent &event, const STranslationContext &context, STranslation &out)
{
    EMessageKind kind;
    switch (event.event)
    {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        kind = EMessageKind::FOCUS_GAINED;
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        kind = EMessageKind::FOCUS_LOST;
        break;
    case SDL_WINDOWEVENT_CLOSE:
        kind = EMessageKind::CLOSE_REQUESTED;
        break;
    case SDL_WINDOWEVENT_MOVED:
        kind = EMessageKind::MOVED;
        break;
    // Every size change, the window manager's (RESIZED) and the program's own, ends in one
    // SIZE_CHANGED: taking RESIZED as well would report each change twice.
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        kind = EMessageKind::SIZED;
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        kind = EMessageKind::EXPOSED;
        break;
    case SDL_WINDOWEVENT_LEAVE:
        kind = EMessageKind::MOUSE_LEAVE;
        break;
    default:
        return false;
    }
    SPlatformMessage &message = beginMessage(out, kind, event.windowID, context);
    if (kind == EMessageKind::MOVED)
        message.position = context.scale.toLogical(SPoint{event.data1, event.data2});
    else if (kind == EMessageKind::SIZED)
        message.size = context.scale.toLogical(SSize{event.data1, event.data2});
    return true;
}

bool translateDropEvent(const SDL_DropEvent &event, STranslation &out)
{
    out = STranslation{};
    out.windowId = event.windowID;
    switch (event.type)
    {
    case SDL_DROPBEGIN:
        out.kind = ETranslated::DROP_BEGIN;
        return true;
    case SDL_DROPCOMPLETE:
        out.kind = ETranslated::DROP_COMPLETE;
        return true;
    case SDL_DROPFILE:
        if (event.file == nullptr)
            return false;
        out.kind = ETranslated::DROP_FILE;
        out.message.paths.emplace_back(event.file);
        return true;
    default:
        return false; // dropped text: only files are taken
    }
}

bool translateUserEvent(const SDL_UserEvent &event, const STranslationContext &context, STranslation &out)
{
    out = STranslation{};
    if (event.type == context.userEventBase + USER_EVENT_TIMER)
    {
        out.kind = ETranslated::TIMER;
        out.timerKey = reinterpret_cast<std::uintptr_t>(event.data1);
        return true;
    }
    if (event.type == context.userEventBase + USER_EVENT_QUIT)
    {
        out.kind = ETranslated::QUIT;
        out.quitCode = event.code;
        return true;
    }
    return false;
}
} // namespace

std::uint32_t getUserEventBase()
{
    static const std::uint32_t base = SDL_RegisterEvents(NUMBER_OF_USER_EVENTS);
    return base;
}

SModifiers translateModifiers(std::uint16_t modifierState)
{
    SModifiers modifiers;
    modifiers.control = (modifierState & KMOD_CTRL) != 0;
    modifiers.shift = (modifierState & KMOD_SHIFT) != 0;
    modifiers.alt = (modifierState & KMOD_ALT) != 0;
    return modifiers;
}

std::int32_t translateKey(SDL_Keycode key, std::uint16_t modifierState)
{
    if (const auto *moving = findKey(MOVING_KEYS, key))
        return moving->key;
    if (const auto *keypad = findKey(KEYPAD_KEYS, key))
        return (modifierState & KMOD_NUM) != 0 ? keypad->withNumLock : keypad->withoutNumLock;
    if (const auto *sign = findKey(KEYPAD_SIGNS, key))
        return sign->key;
    // A key that types a character is that character (SDL's code for it), as are the control keys.
    const bool character = (key & SDLK_SCANCODE_MASK) == 0 && key < KEY_LEFT &&
                           (key < FIRST_SURROGATE || key > LAST_SURROGATE);
    if (character && (key >= ' ' || isControlKey(key)))
        return key;
    return key == SDLK_UNKNOWN ? KEY_NONE : KEY_OTHER;
}

char translateCharacter(std::int32_t key, std::uint16_t modifierState)
{
    if ((modifierState & KMOD_CTRL) != 0)
        return 0;
    if (key == KEY_KEYPAD_ENTER)
        return '\r';
    if (isControlKey(key))
        return static_cast<char>(key);
    if (key < ' ' || key > '~')
        return 0;
    if ((modifierState & (KMOD_ALT | KMOD_MODE)) != 0)
        return 0;
    const bool shifted = (modifierState & KMOD_SHIFT) != 0;
    if (key >= 'a' && key <= 'z')
        return static_cast<char>(shifted != ((modifierState & KMOD_CAPS) != 0) ? std::toupper(key) : key);
    return shifted ? 0 : static_cast<char>(key);
}

bool translateEvent(const SDL_Event &event, const STranslationContext &context, STranslation &out)
{
    switch (event.type)
    {
    case SDL_MOUSEMOTION:
        beginMessage(out, EMessageKind::MOUSE_MOVE, event.motion.windowID, context).position =
            context.scale.toLogical(SPoint{event.motion.x, event.motion.y});
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return translateButtonEvent(event.button, event.type == SDL_MOUSEBUTTONDOWN, context, out);
    case SDL_MOUSEWHEEL:
        return translateWheelEvent(event.wheel, context, out);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return translateKeyEvent(event.key, event.type == SDL_KEYDOWN, context, out);
    case SDL_TEXTINPUT:
        beginMessage(out, EMessageKind::TEXT_INPUT, event.text.windowID, context).text = event.text.text;
        return true;
    case SDL_WINDOWEVENT:
        return translateWindowEvent(event.window, context, out);
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPCOMPLETE:
        return translateDropEvent(event.drop, out);
    default:
        return event.type >= SDL_USEREVENT && translateUserEvent(event.user, context, out);
    }
}
} // namespace Corvane::Platform
