#include "framework/platform/CDropCollector.hpp"
#include "framework/platform/SdlEventTranslation.hpp"

#include <gtest/gtest.h>

using namespace Corvane::Platform;

namespace
{
constexpr std::uint32_t WINDOW = 7;
constexpr std::uint32_t USER_BASE = SDL_USEREVENT + 100;

STranslationContext context(std::uint16_t modifiers = 0, int scale = 1)
{
    STranslationContext made;
    made.scale.factor = scale;
    made.modifierState = modifiers;
    made.userEventBase = USER_BASE;
    return made;
}

/** The translation of @p event, which must be one. */
STranslation translated(const SDL_Event &event, const STranslationContext &with = context())
{
    STranslation out;
    EXPECT_TRUE(translateEvent(event, with, out)) << "event type " << event.type;
    return out;
}

bool isIgnored(const SDL_Event &event)
{
    STranslation out;
    return !translateEvent(event, context(), out);
}

SDL_Event button(Uint32 type, Uint8 which, Uint8 clicks, int x, int y)
{
    SDL_Event event{};
    event.type = type;
    event.button.windowID = WINDOW;
    event.button.button = which;
    event.button.clicks = clicks;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event wheel(Sint32 y, float preciseY, Uint32 direction)
{
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = WINDOW;
    event.wheel.y = y;
    event.wheel.preciseY = preciseY;
    event.wheel.direction = direction;
    event.wheel.mouseX = 30;
    event.wheel.mouseY = 40;
    return event;
}

SDL_Event key(Uint32 type, SDL_Keycode sym, Uint16 modifiers = KMOD_NONE)
{
    SDL_Event event{};
    event.type = type;
    event.key.windowID = WINDOW;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event windowEvent(Uint8 which, Sint32 data1 = 0, Sint32 data2 = 0)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = WINDOW;
    event.window.event = which;
    event.window.data1 = data1;
    event.window.data2 = data2;
    return event;
}

SDL_Event drop(Uint32 type, char *file = nullptr)
{
    SDL_Event event{};
    event.type = type;
    event.drop.windowID = WINDOW;
    event.drop.file = file;
    return event;
}
} // namespace

TEST(SdlEventTranslation, MouseMotionAndButtonsCarryPositionButtonAndModifiers)
{
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = WINDOW;
    motion.motion.x = -3;
    motion.motion.y = 12;
    STranslation moved = translated(motion, context(KMOD_LSHIFT | KMOD_RCTRL));
    EXPECT_EQ(moved.kind, ETranslated::MESSAGE);
    EXPECT_EQ(moved.windowId, WINDOW);
    EXPECT_EQ(moved.message.kind, EMessageKind::MOUSE_MOVE);
    EXPECT_EQ(moved.message.position.x, -3);
    EXPECT_EQ(moved.message.position.y, 12);
    EXPECT_TRUE(moved.message.modifiers.shift);
    EXPECT_TRUE(moved.message.modifiers.control);
    EXPECT_FALSE(moved.message.modifiers.alt);

    const STranslation down = translated(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 5, 6));
    EXPECT_EQ(down.message.kind, EMessageKind::BUTTON_DOWN);
    EXPECT_EQ(down.message.button, EMouseButton::RIGHT);
    EXPECT_EQ(down.message.position.x, 5);
    const STranslation second = translated(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2, 5, 6));
    EXPECT_EQ(second.message.kind, EMessageKind::DOUBLE_CLICK);
    EXPECT_EQ(second.message.button, EMouseButton::LEFT);
    // A third press starts over, as a plain press; the fourth is a double click again.
    EXPECT_EQ(translated(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 5, 6)).message.kind,
              EMessageKind::BUTTON_DOWN);
    EXPECT_EQ(translated(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 4, 5, 6)).message.kind,
              EMessageKind::DOUBLE_CLICK);
    const STranslation up = translated(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 2, 1, 2));
    EXPECT_EQ(up.message.kind, EMessageKind::BUTTON_UP);
    EXPECT_EQ(up.message.button, EMouseButton::MIDDLE);
    EXPECT_TRUE(isIgnored(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 1, 0, 0)));
}

TEST(SdlEventTranslation, WheelTurnsArePositiveAwayFromTheUserWhateverTheDeviceDirection)
{
    const STranslation away = translated(wheel(1, 1.0f, SDL_MOUSEWHEEL_NORMAL));
    EXPECT_EQ(away.message.kind, EMessageKind::WHEEL);
    EXPECT_DOUBLE_EQ(away.message.wheel, 1.0);
    EXPECT_EQ(away.message.position.x, 30);
    EXPECT_EQ(away.message.position.y, 40);
    EXPECT_DOUBLE_EQ(translated(wheel(-1, -1.0f, SDL_MOUSEWHEEL_NORMAL)).message.wheel, -1.0);
    EXPECT_DOUBLE_EQ(translated(wheel(-1, -1.0f, SDL_MOUSEWHEEL_FLIPPED)).message.wheel, 1.0);
    EXPECT_DOUBLE_EQ(translated(wheel(0, 0.25f, SDL_MOUSEWHEEL_NORMAL)).message.wheel, 0.25);
    EXPECT_DOUBLE_EQ(translated(wheel(2, 0.0f, SDL_MOUSEWHEEL_NORMAL)).message.wheel, 2.0); // no precise value
    EXPECT_TRUE(isIgnored(wheel(0, 0.0f, SDL_MOUSEWHEEL_NORMAL)));                         // sideways only
}

TEST(SdlEventTranslation, KeysCarryTheirCodeAndTheTypedCharacter)
{
    const STranslation a = translated(key(SDL_KEYDOWN, SDLK_a));
    EXPECT_EQ(a.message.kind, EMessageKind::KEY_DOWN);
    EXPECT_EQ(a.message.key, 'a');
    EXPECT_EQ(a.message.character, 'a');
    const STranslation shiftedA = translated(key(SDL_KEYUP, SDLK_a, KMOD_LSHIFT));
    EXPECT_EQ(shiftedA.message.kind, EMessageKind::KEY_UP);
    EXPECT_EQ(shiftedA.message.key, 'a');
    EXPECT_EQ(shiftedA.message.character, 'A');
    EXPECT_TRUE(shiftedA.message.modifiers.shift);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_a, KMOD_CAPS)).message.character, 'A');
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_a, KMOD_CAPS | KMOD_SHIFT)).message.character, 'a');
    const STranslation controlA = translated(key(SDL_KEYDOWN, SDLK_a, KMOD_LCTRL));
    EXPECT_EQ(controlA.message.key, 'a');
    EXPECT_EQ(controlA.message.character, 0);
    EXPECT_TRUE(controlA.message.modifiers.control);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_1)).message.character, '1');
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_1, KMOD_SHIFT)).message.character, 0); // the layout decides
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_q, KMOD_MODE)).message.character, 0);  // AltGr
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_SPACE)).message.character, ' ');

    const STranslation enter = translated(key(SDL_KEYDOWN, SDLK_RETURN));
    EXPECT_EQ(enter.message.key, KEY_RETURN);
    EXPECT_EQ(enter.message.character, '\r');
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_ESCAPE)).message.character, 27);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_BACKSPACE)).message.key, KEY_BACKSPACE);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_DELETE)).message.key, KEY_DELETE);
    const STranslation left = translated(key(SDL_KEYDOWN, SDLK_LEFT));
    EXPECT_EQ(left.message.key, KEY_LEFT);
    EXPECT_EQ(left.message.character, 0);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_PAGEDOWN)).message.key, KEY_PAGE_DOWN);
    const STranslation keypadEnter = translated(key(SDL_KEYDOWN, SDLK_KP_ENTER));
    EXPECT_EQ(keypadEnter.message.key, KEY_KEYPAD_ENTER);
    EXPECT_EQ(keypadEnter.message.character, '\r');
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_F5)).message.key, KEY_OTHER);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_UNKNOWN)).message.key, KEY_NONE);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, 0xE9)).message.key, 0xE9); // é on its own key: not one byte
    EXPECT_EQ(translated(key(SDL_KEYDOWN, 0xE9)).message.character, 0);
}

TEST(SdlEventTranslation, KeypadDigitsFollowNumLock)
{
    const STranslation four = translated(key(SDL_KEYDOWN, SDLK_KP_4, KMOD_NUM));
    EXPECT_EQ(four.message.key, '4');
    EXPECT_EQ(four.message.character, '4');
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_KP_PERIOD, KMOD_NUM)).message.character, '.');
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_KP_4)).message.key, KEY_LEFT);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_KP_4)).message.character, 0);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_KP_PERIOD)).message.key, KEY_DELETE);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_KP_7)).message.key, KEY_HOME);
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_KP_MINUS)).message.character, '-');
    EXPECT_EQ(translated(key(SDL_KEYDOWN, SDLK_KP_MINUS, KMOD_NUM)).message.character, '-');
}

TEST(SdlEventTranslation, TypedTextAndWindowEvents)
{
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    text.text.windowID = WINDOW;
    SDL_strlcpy(text.text.text, "\xc3\xa9", sizeof(text.text.text));
    const STranslation typed = translated(text);
    EXPECT_EQ(typed.message.kind, EMessageKind::TEXT_INPUT);
    EXPECT_EQ(typed.message.text, "\xc3\xa9");
    EXPECT_EQ(typed.windowId, WINDOW);

    EXPECT_EQ(translated(windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)).message.kind, EMessageKind::FOCUS_GAINED);
    EXPECT_EQ(translated(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST)).message.kind, EMessageKind::FOCUS_LOST);
    EXPECT_EQ(translated(windowEvent(SDL_WINDOWEVENT_CLOSE)).message.kind, EMessageKind::CLOSE_REQUESTED);
    EXPECT_EQ(translated(windowEvent(SDL_WINDOWEVENT_LEAVE)).message.kind, EMessageKind::MOUSE_LEAVE);
    const STranslation moved = translated(windowEvent(SDL_WINDOWEVENT_MOVED, -20, 300));
    EXPECT_EQ(moved.message.kind, EMessageKind::MOVED);
    EXPECT_EQ(moved.message.position.x, -20);
    EXPECT_EQ(moved.message.position.y, 300);
    const STranslation sized = translated(windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 476, 613));
    EXPECT_EQ(sized.message.kind, EMessageKind::SIZED);
    EXPECT_EQ(sized.message.size.width, 476);
    EXPECT_EQ(sized.message.size.height, 613);
    const STranslation exposed = translated(windowEvent(SDL_WINDOWEVENT_EXPOSED));
    EXPECT_EQ(exposed.message.kind, EMessageKind::EXPOSED);
    EXPECT_TRUE(exposed.message.area.isEmpty()); // the backend makes it the whole window

    EXPECT_TRUE(isIgnored(windowEvent(SDL_WINDOWEVENT_RESIZED, 476, 613))); // SIZE_CHANGED follows it
    EXPECT_TRUE(isIgnored(windowEvent(SDL_WINDOWEVENT_SHOWN)));
    EXPECT_TRUE(isIgnored(windowEvent(SDL_WINDOWEVENT_ENTER)));
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_TRUE(isIgnored(quit));
}

TEST(SdlEventTranslation, OwnEventsCarryTimerKeyAndQuitCode)
{
    SDL_Event timer{};
    timer.type = USER_BASE + USER_EVENT_TIMER;
    timer.user.data1 = reinterpret_cast<void *>(std::uintptr_t{42});
    const STranslation fired = translated(timer);
    EXPECT_EQ(fired.kind, ETranslated::TIMER);
    EXPECT_EQ(fired.timerKey, 42U);

    SDL_Event quit{};
    quit.type = USER_BASE + USER_EVENT_QUIT;
    quit.user.code = 3;
    const STranslation quitting = translated(quit);
    EXPECT_EQ(quitting.kind, ETranslated::QUIT);
    EXPECT_EQ(quitting.quitCode, 3);

    SDL_Event foreign{};
    foreign.type = USER_BASE + NUMBER_OF_USER_EVENTS;
    EXPECT_TRUE(isIgnored(foreign));
}

TEST(SdlEventTranslation, PositionsAndSizesAreDividedByTheScaleFactor)
{
    const STranslationContext doubled = context(0, 2);
    const STranslation pressed = translated(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 101, -3), doubled);
    EXPECT_EQ(pressed.message.position.x, 50);
    EXPECT_EQ(pressed.message.position.y, -2); // still left of the window
    EXPECT_EQ(translated(windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 952, 1226), doubled).message.size.width, 476);
    EXPECT_EQ(translated(wheel(1, 1.0f, SDL_MOUSEWHEEL_NORMAL), doubled).message.position.y, 20);
}

TEST(SdlEventTranslation, DropEventsAreCollectedIntoOneListInOrder)
{
    char first[] = "/music/a.wav";
    char second[] = "/music/b b.wav";
    char third[] = "/music/c.wav";
    CDropCollector drops;
    drops.addFile(WINDOW + 1, "/elsewhere"); // a drop on another window is kept apart
    for (const SDL_Event &event : {drop(SDL_DROPBEGIN), drop(SDL_DROPFILE, first), drop(SDL_DROPFILE, second),
                                   drop(SDL_DROPFILE, third)})
    {
        const STranslation part = translated(event);
        EXPECT_EQ(part.windowId, WINDOW);
        if (part.kind == ETranslated::DROP_BEGIN)
            drops.begin(part.windowId);
        else if (part.kind == ETranslated::DROP_FILE)
            drops.addFile(part.windowId, part.message.paths.at(0));
        else
            ADD_FAILURE() << "unexpected part of a drop";
    }
    EXPECT_EQ(translated(drop(SDL_DROPCOMPLETE)).kind, ETranslated::DROP_COMPLETE);
    EXPECT_EQ(drops.complete(WINDOW), (std::vector<std::string>{first, second, third}));
    EXPECT_TRUE(drops.complete(WINDOW).empty()); // answered once
    EXPECT_TRUE(drops.isCollecting());
    drops.forget(WINDOW + 1);
    EXPECT_FALSE(drops.isCollecting());

    drops.addFile(WINDOW, "/stale"); // a begin forgets what an unfinished drop left
    drops.begin(WINDOW);
    drops.addFile(WINDOW, "/fresh");
    EXPECT_EQ(drops.complete(WINDOW), std::vector<std::string>{"/fresh"});

    char text[] = "some text";
    EXPECT_TRUE(isIgnored(drop(SDL_DROPTEXT, text)));
    EXPECT_TRUE(isIgnored(drop(SDL_DROPFILE, nullptr)));
}
