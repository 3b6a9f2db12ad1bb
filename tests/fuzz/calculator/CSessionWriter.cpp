#include "tests/fuzz/calculator/CSessionWriter.hpp"

#include "app/layout/CPanelLayout.hpp"

#include <stdexcept>

namespace Corvane::Fuzzing
{
namespace
{
constexpr std::size_t LONGEST_TEXT = 31;
constexpr std::size_t LONGEST_TYPING = 16;
constexpr std::size_t MOST_FILES = 3;
constexpr std::uint8_t MOST_OLDER = 0x1F;

std::uint8_t olderSelector(std::uint8_t base, std::uint8_t olderBy)
{
    if (olderBy > MOST_OLDER)
        throw std::invalid_argument("A place names one of the 32 newest menu windows");
    return static_cast<std::uint8_t>(base + olderBy);
}
} // namespace

SPlace CSessionWriter::control(Orvo::EPanel panel, std::size_t control, std::uint8_t fraction)
{
    std::size_t index = 0;
    for (const Orvo::SPanelLayout &layout : Orvo::CPanelLayout::getPanels())
    {
        if (layout.panel == panel)
        {
            if (control >= layout.controls.size())
                throw std::invalid_argument("The panel has no such control");
            return {{static_cast<std::uint8_t>(index + control), fraction}};
        }
        index += layout.controls.size();
    }
    throw std::invalid_argument("No such panel");
}

SPlace CSessionWriter::menuRow(std::uint8_t row, std::uint8_t olderBy)
{
    return {{olderSelector(MENU_ROW_PLACE, olderBy), row}};
}

SPlace CSessionWriter::inMenu(std::uint8_t x, std::uint8_t y, std::uint8_t olderBy)
{
    return {{olderSelector(MENU_FREE_PLACE, olderBy), x, y}};
}

SPlace CSessionWriter::inWindow(std::uint8_t x, std::uint8_t y)
{
    return {{WINDOW_FREE_PLACE, x, y}};
}

CSessionWriter &CSessionWriter::step(EStep kind, bool shift, bool control, bool variant)
{
    add(static_cast<std::uint8_t>(stepByte(kind, shift, control) | (variant ? VARIANT_BIT : 0)));
    return *this;
}

CSessionWriter &CSessionWriter::pointerStep(EStep kind, const SPlace &place, bool right)
{
    step(kind, false, false, right);
    m_bytes.insert(m_bytes.end(), place.bytes.begin(), place.bytes.end());
    return *this;
}

CSessionWriter &CSessionWriter::keyStep(EStep kind, std::int32_t key, bool shift, bool control)
{
    const std::uint8_t index = keyIndex(key);
    if (index == KEY_COUNT)
        throw std::invalid_argument("Not a key of the session format");
    step(kind, shift, control);
    add(index);
    return *this;
}

void CSessionWriter::addText(const std::string &text, std::size_t longest)
{
    if (text.size() > longest)
        throw std::invalid_argument("Too long for one step");
    add(static_cast<std::uint8_t>(text.size()));
    for (char byte : text)
        add(static_cast<std::uint8_t>(byte));
}

CSessionWriter &CSessionWriter::move(const SPlace &place)
{
    return pointerStep(EStep::MOVE, place);
}

CSessionWriter &CSessionWriter::press(const SPlace &place, bool right)
{
    return pointerStep(EStep::PRESS, place, right);
}

CSessionWriter &CSessionWriter::release(const SPlace &place, bool right)
{
    return pointerStep(EStep::RELEASE, place, right);
}

CSessionWriter &CSessionWriter::click(const SPlace &place, bool right)
{
    return pointerStep(EStep::CLICK, place, right);
}

CSessionWriter &CSessionWriter::doubleClick(const SPlace &place)
{
    return pointerStep(EStep::DOUBLE_CLICK, place);
}

CSessionWriter &CSessionWriter::wheel(const SPlace &place, std::int8_t quarterNotches)
{
    pointerStep(EStep::WHEEL, place);
    add(static_cast<std::uint8_t>(quarterNotches));
    return *this;
}

CSessionWriter &CSessionWriter::key(std::int32_t key, bool shift, bool control)
{
    return keyStep(EStep::KEY, key, shift, control);
}

CSessionWriter &CSessionWriter::keyDown(std::int32_t key, bool shift, bool control)
{
    return keyStep(EStep::KEY_DOWN, key, shift, control);
}

CSessionWriter &CSessionWriter::keyUp(std::int32_t key, bool shift, bool control)
{
    return keyStep(EStep::KEY_UP, key, shift, control);
}

CSessionWriter &CSessionWriter::type(const std::string &text)
{
    for (std::size_t from = 0; from < text.size(); from += LONGEST_TYPING)
    {
        const std::string part = text.substr(from, LONGEST_TYPING);
        step(EStep::TYPE);
        // The player types (length byte % 16) + 1 characters.
        add(static_cast<std::uint8_t>(part.size() - 1));
        for (char byte : part)
            add(static_cast<std::uint8_t>(byte));
    }
    return *this;
}

CSessionWriter &CSessionWriter::text(const std::string &text)
{
    step(EStep::TEXT);
    addText(text, LONGEST_TEXT);
    return *this;
}

CSessionWriter &CSessionWriter::longText(std::uint8_t count, std::uint8_t pattern)
{
    step(EStep::LONG_TEXT);
    add(count);
    add(pattern);
    return *this;
}

CSessionWriter &CSessionWriter::drop(const SPlace &place, const std::vector<std::string> &paths)
{
    if (paths.empty() || paths.size() > MOST_FILES)
        throw std::invalid_argument("A drop holds one to three files");
    pointerStep(EStep::DROP, place);
    add(static_cast<std::uint8_t>(paths.size() - 1));
    for (const std::string &path : paths)
        addText(path, LONGEST_TEXT);
    return *this;
}

CSessionWriter &CSessionWriter::focusGained()
{
    return step(EStep::FOCUS_GAINED);
}

CSessionWriter &CSessionWriter::focusLost()
{
    return step(EStep::FOCUS_LOST);
}

CSessionWriter &CSessionWriter::timer(std::uint8_t choice)
{
    step(EStep::TIMER);
    add(choice);
    return *this;
}

CSessionWriter &CSessionWriter::idle()
{
    return step(EStep::IDLE);
}

CSessionWriter &CSessionWriter::leave()
{
    return step(EStep::LEAVE);
}

CSessionWriter &CSessionWriter::close()
{
    return step(EStep::CLOSE);
}
} // namespace Corvane::Fuzzing
