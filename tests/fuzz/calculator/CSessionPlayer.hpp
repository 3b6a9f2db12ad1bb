#pragma once

#include "app/COrvoWindow.hpp"
#include "app/calculations/CPanelCalculation.hpp"
#include "app/panels/CCalculatorPanel.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/platform/CHeadlessDriver.hpp"
#include "tests/fuzz/calculator/SessionFormat.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Corvane::Fuzzing
{
/** Reads a session's bytes in order; past the end every byte reads as 0. */
class CByteReader
{
public:
    CByteReader(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t next() { return m_position < m_size ? m_data[m_position++] : 0; }
    bool atEnd() const { return m_position >= m_size; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

/**
 * One calculator window on the headless backend, opened as the orvo program opens its own
 * (centred on the screen, the process's main window), and a session of platform messages played
 * on it the way the platform would send them to that program: mouse messages go to the window
 * under the pointer (menus are windows of their own, on top) or to the one holding the capture,
 * keys and text to the calculator while the program has the focus, a press outside every window
 * takes the focus away. The message boxes the calculator raises are answered and kept.
 *
 * The framework must be started and the headless backend installed; the window is destroyed
 * with the player.
 */
class CSessionPlayer
{
public:
    explicit CSessionPlayer(Platform::CHeadlessDriver &driver);
    CSessionPlayer(const CSessionPlayer &) = delete;
    CSessionPlayer &operator=(const CSessionPlayer &) = delete;
    ~CSessionPlayer();

    /** Plays every step of @p data (see SessionFormat.hpp) until its end or a close. */
    void play(const std::uint8_t *data, std::size_t size);
    void play(const std::vector<std::uint8_t> &steps) { play(steps.data(), steps.size()); }

    Orvo::CCalculatorPanel &getPanel(Orvo::EPanel panel) const;
    /** "Title: text" of every message box shown, in order. */
    const std::vector<std::string> &getBoxes() const { return m_boxes; }
    /** Whether a close request reached the window. */
    bool isClosed() const { return m_closed; }
    /** The menu windows shown now, oldest first. */
    std::vector<Platform::CHeadlessWindow *> getShownMenus() const;

private:
    void playStep(CByteReader &input);
    void playPointerStep(EStep kind, CByteReader &input, bool right);
    void playKeyStep(EStep kind, std::uint8_t index);
    void type(CByteReader &input);
    void sendText(std::string text);
    void drop(CByteReader &input);
    void fireTimer(std::uint8_t choice);
    void idle();

    Platform::SPoint readPlace(CByteReader &input);
    Platform::SPoint controlPlace(std::uint8_t selector, std::uint8_t fraction) const;
    Platform::SPoint menuRowPlace(const Platform::CHeadlessWindow &menu, std::uint8_t row) const;
    static Platform::SPoint freePlace(const Platform::CHeadlessWindow &window, int margin, std::uint8_t x,
                                      std::uint8_t y);

    Platform::CHeadlessWindow *getMainRecord() const;
    Platform::CHeadlessWindow *findRecord(std::uint32_t id) const;
    /** The shown window of the program under @p point (on the screen), newest first, or null. */
    Platform::CHeadlessWindow *windowAt(const Platform::SPoint &point) const;
    /** Where mouse messages go now: the capturing window, else the one under the pointer. */
    Platform::CHeadlessWindow *mouseTarget() const;
    void movePointer(const Platform::SPoint &point);
    void sendMouse(Platform::CHeadlessWindow &window, Platform::EMessageKind kind, Platform::EMouseButton button,
                   double wheel = 0.0);
    void leaveHoveredWindow();
    void press(Platform::EMessageKind kind, Platform::EMouseButton button);
    void release(Platform::EMouseButton button);
    void setFocus(bool focused);
    void sendKey(Platform::EMessageKind kind, std::int32_t key, const Platform::SModifiers &modifiers);
    void deliverToMain(const Platform::SPlatformMessage &message);

    Platform::CHeadlessDriver &m_driver;
    Basics::TCountedReference<Orvo::COrvoWindow> m_window;
    std::vector<std::string> m_boxes;
    Platform::SModifiers m_modifiers;
    Platform::SPoint m_pointer;
    /** The window the pointer was last reported in; 0 for none. */
    std::uint32_t m_hoveredId = 0;
    bool m_focused = true;
    bool m_closed = false;
};
} // namespace Corvane::Fuzzing
