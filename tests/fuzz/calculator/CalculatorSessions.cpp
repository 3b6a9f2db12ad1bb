#include "tests/fuzz/calculator/CalculatorSessions.hpp"

#include "tests/fuzz/calculator/CSessionWriter.hpp"

#include <stdexcept>

namespace Corvane::Fuzzing
{
namespace
{
using Orvo::EPanel;
using W = CSessionWriter;

// Places in the division and note menus: the division menu's rows are Straight, Triplet and
// Dotted, each opening the thirteen lengths from "64" to "1/64"; the note menu's rows are the
// octaves from -1 to 9, each opening its notes from C.
constexpr std::uint8_t TRIPLET_ROW = 1;
constexpr std::uint8_t DOTTED_ROW = 2;
constexpr std::uint8_t EIGHTH_ROW = 9;
constexpr std::uint8_t SIXTEENTH_ROW = 10;
constexpr std::uint8_t OCTAVE_4_ROW = 5;

/** Clicks a field, types @p text and presses Return, as a person enters a value. */
W &enter(W &session, EPanel panel, std::size_t field, const std::string &text)
{
    return session.click(W::control(panel, field)).type(text).key(Platform::KEY_RETURN).idle();
}

std::vector<SNamedSession> sessions()
{
    std::vector<SNamedSession> made;
    const auto add = [&made](const char *name, const W &session) { made.push_back({name, session.getBytes()}); };
    W session;

    add("delay-tempo-140", enter(session, EPanel::DELAY, 0, "140"));
    session = W();
    add("division-eighth-triplet", session.click(W::control(EPanel::DELAY, 1))
                                       .idle()
                                       .move(W::menuRow(TRIPLET_ROW))
                                       .idle()
                                       .click(W::menuRow(EIGHTH_ROW))
                                       .idle());
    session = W();
    add("tempo-zero-range", enter(session, EPanel::DELAY, 0, "0"));
    session = W();
    add("note-menu-c4", session.click(W::control(EPanel::NOTE_FREQUENCY, 0))
                            .move(W::menuRow(OCTAVE_4_ROW))
                            .move(W::menuRow(0))
                            .click(W::menuRow(0))
                            .idle());
    session = W();
    add("nearest-note-261", enter(session, EPanel::CLOSEST_NOTE, 0, "261.63"));
    session = W();
    add("escape-in-edit", session.click(W::control(EPanel::TIME_TO_BPM, 0))
                              .type("99")
                              .key(Platform::KEY_ESCAPE)
                              .idle());
    session = W();
    add("abandon-menu", session.click(W::control(EPanel::LFO, 1))
                            .move(W::menuRow(DOTTED_ROW))
                            .idle()
                            .click(W::inWindow(20, 20))
                            .idle());
    session = W();
    add("wheel-over-fields", session.wheel(W::control(EPanel::DELAY, 0), 4)
                                 .wheel(W::control(EPanel::TEMPO_SHIFT, 1), -4)
                                 .wheel(W::control(EPanel::LFO, 1), 1)
                                 .wheel(W::inWindow(128, 250), -40)
                                 .idle());
    session = W();
    add("tab-between-fields", session.click(W::control(EPanel::BPM_TO_TIME, 0))
                                  .type("90")
                                  .key(Platform::KEY_TAB)
                                  .type("8")
                                  .key(Platform::KEY_RETURN)
                                  .idle());
    session = W();
    add("editing-keys", session.doubleClick(W::control(EPanel::TEMPO_NOTE_SHIFT, 1, 0x84))
                            .key('a', false, true)
                            .key('c', false, true)
                            .key(Platform::KEY_END)
                            .key('v', false, true)
                            .key(Platform::KEY_HOME)
                            .key(Platform::KEY_DELETE)
                            .key(Platform::KEY_RIGHT, true)
                            .key(Platform::KEY_BACKSPACE)
                            .key(Platform::KEY_LEFT)
                            .key('x', false, true)
                            .key(Platform::KEY_RETURN)
                            .idle());
    session = W();
    add("focus-lost-while-editing", session.click(W::control(EPanel::TIME_STRETCH, 1))
                                        .type("77")
                                        .focusLost()
                                        .idle()
                                        .focusGained()
                                        .click(W::control(EPanel::TIME_STRETCH, 0))
                                        .type("100")
                                        .key(Platform::KEY_KEYPAD_ENTER));
    session = W();
    add("drop-files", session.drop(W::control(EPanel::DELAY, 0), {"/tmp/tempo.txt", "", "/nowhere/\xff"})
                          .drop(W::inWindow(0, 0), {"a"})
                          .idle());
    session = W();
    session.click(W::control(EPanel::CLOSEST_DIVISION, 1)).type("4");
    for (int blink = 0; blink < 24; blink++)
        session.timer();
    add("caret-blinks", session.idle().key(Platform::KEY_RETURN).timer().idle());
    session = W();
    add("long-text", session.click(W::control(EPanel::TEMPO_SHIFT, 0))
                         .longText(255, '9')
                         .key(Platform::KEY_RETURN)
                         .click(W::control(EPanel::TEMPO_SHIFT, 1))
                         .longText(20, 0xA0)
                         .key(Platform::KEY_RETURN)
                         .idle());
    session = W();
    add("invalid-utf8", session.click(W::control(EPanel::CLOSEST_NOTE, 0))
                            .key('a', false, true)
                            .text("\xff\xfe")
                            .text("4\xc3")
                            .text("\xe2\x82")
                            .text("40")
                            .key(Platform::KEY_RETURN)
                            .idle());
    session = W();
    add("right-clicks", session.click(W::control(EPanel::DELAY, 1), true)
                            .click(W::control(EPanel::TIME_TO_BPM, 1), true)
                            .click(W::control(EPanel::DELAY, 2))
                            .idle());
    session = W();
    add("scientific-tempo", enter(session, EPanel::LFO, 0, "1E3"));
    session = W();
    add("keyboard-menu", session.click(W::control(EPanel::LFO, 1))
                             .key(Platform::KEY_DOWN)
                             .key(Platform::KEY_DOWN)
                             .key(Platform::KEY_RIGHT)
                             .key(Platform::KEY_DOWN)
                             .key(Platform::KEY_UP)
                             .key(Platform::KEY_LEFT)
                             .key(Platform::KEY_RIGHT)
                             .key(Platform::KEY_RETURN)
                             .idle());
    session = W();
    add("menu-escape", session.click(W::control(EPanel::NOTE_FREQUENCY, 0))
                           .move(W::menuRow(OCTAVE_4_ROW))
                           .key(Platform::KEY_ESCAPE)
                           .key(Platform::KEY_ESCAPE)
                           .idle());
    session = W();
    add("press-drag-release", session.press(W::control(EPanel::DELAY, 1))
                                  .move(W::menuRow(0))
                                  .move(W::menuRow(SIXTEENTH_ROW))
                                  .release(W::menuRow(SIXTEENTH_ROW))
                                  .idle());
    session = W();
    add("close-while-editing", session.click(W::control(EPanel::BPM_TO_TIME, 1)).type("150").close());
    session = W();
    add("negative-shift", enter(session, EPanel::TEMPO_SHIFT, 1, "-12"));
    session = W();
    add("comma-decimal", enter(session, EPanel::TIME_STRETCH, 0, "1,5"));
    session = W();
    add("closest-division-8hz", enter(session, EPanel::CLOSEST_DIVISION, 1, "8"));
    session = W();
    add("leave-with-menu-open", session.click(W::control(EPanel::DELAY, 1))
                                    .move(W::menuRow(TRIPLET_ROW))
                                    .leave()
                                    .move(W::inMenu(128, 128))
                                    .click(W::inWindow(255, 255))
                                    .idle());
    session = W();
    add("edit-then-menu", session.click(W::control(EPanel::DELAY, 0))
                              .type("100")
                              .click(W::control(EPanel::DELAY, 1))
                              .move(W::menuRow(0))
                              .click(W::menuRow(EIGHTH_ROW))
                              .idle());
    return made;
}
} // namespace

std::vector<SNamedSession> getRealSessions()
{
    return sessions();
}

std::vector<std::uint8_t> getRealSession(const std::string &name)
{
    for (SNamedSession &session : sessions())
        if (session.name == name)
            return std::move(session.bytes);
    throw std::invalid_argument("No session called " + name);
}
} // namespace Corvane::Fuzzing
