#pragma once

#include "app/calculations/CPanelCalculation.hpp"
#include "tests/fuzz/calculator/SessionFormat.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace Corvane::Fuzzing
{
/** The bytes of one place in a session (see SessionFormat.hpp). */
struct SPlace
{
    std::vector<std::uint8_t> bytes;
};

/**
 * Writes a session in the player's byte format, one step at a time, so that sessions a person
 * would have can be kept as seeds and replayed in tests.
 */
class CSessionWriter
{
public:
    /** Control @p control of @p panel in layout-table order (inputs first, the result last). */
    static SPlace control(Orvo::EPanel panel, std::size_t control, std::uint8_t fraction = MIDDLE);
    /** Row @p row of the newest open menu window, or of the one @p olderBy before it. */
    static SPlace menuRow(std::uint8_t row, std::uint8_t olderBy = 0);
    /** A point in or around the newest open menu window, @p x and @p y from 0 to 255 across it and its margin. */
    static SPlace inMenu(std::uint8_t x, std::uint8_t y, std::uint8_t olderBy = 0);
    /** A point in or around the calculator window, as inMenu. */
    static SPlace inWindow(std::uint8_t x, std::uint8_t y);

    CSessionWriter &move(const SPlace &place);
    CSessionWriter &press(const SPlace &place, bool right = false);
    CSessionWriter &release(const SPlace &place, bool right = false);
    CSessionWriter &click(const SPlace &place, bool right = false);
    CSessionWriter &doubleClick(const SPlace &place);
    CSessionWriter &wheel(const SPlace &place, std::int8_t quarterNotches);
    CSessionWriter &key(std::int32_t key, bool shift = false, bool control = false);
    CSessionWriter &keyDown(std::int32_t key, bool shift = false, bool control = false);
    CSessionWriter &keyUp(std::int32_t key, bool shift = false, bool control = false);
    /** Types @p text key by key, in as many steps as it takes. */
    CSessionWriter &type(const std::string &text);
    /** One text-input message of at most 31 bytes. */
    CSessionWriter &text(const std::string &text);
    CSessionWriter &longText(std::uint8_t count, std::uint8_t pattern);
    /** At most 3 paths of at most 31 bytes each. */
    CSessionWriter &drop(const SPlace &place, const std::vector<std::string> &paths);
    CSessionWriter &focusGained();
    CSessionWriter &focusLost();
    CSessionWriter &timer(std::uint8_t choice = 0);
    CSessionWriter &idle();
    CSessionWriter &leave();
    CSessionWriter &close();

    const std::vector<std::uint8_t> &getBytes() const { return m_bytes; }

private:
    CSessionWriter &step(EStep kind, bool shift = false, bool control = false, bool variant = false);
    CSessionWriter &pointerStep(EStep kind, const SPlace &place, bool right = false);
    CSessionWriter &keyStep(EStep kind, std::int32_t key, bool shift, bool control);
    void add(std::uint8_t byte) { m_bytes.push_back(byte); }
    void addText(const std::string &text, std::size_t longest);

    std::vector<std::uint8_t> m_bytes;
};
} // namespace Corvane::Fuzzing
