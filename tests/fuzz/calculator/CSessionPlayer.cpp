#include "tests/fuzz/calculator/CSessionPlayer.hpp"

#include "app/layout/CPanelLayout.hpp"
#include "framework/application/CApplication.hpp"
#include "framework/gui/controls/CEditBox.hpp"
#include "framework/gui/controls/CMenuItemDisplay.hpp"
#include "framework/gui/controls/CMenuRoot.hpp"
#include "framework/gui/controls/CMenuWindow.hpp"
#include "framework/gui/windows/Dialogs.hpp"

#include <cctype>
#include <stdexcept>
#include <utility>

namespace Corvane::Fuzzing
{
using Orvo::CPanelLayout;
using Platform::CHeadlessWindow;
using Platform::EMessageKind;
using Platform::EMouseButton;
using Platform::SPlatformMessage;
using Platform::SPoint;

namespace
{
/** The timers the framework starts (the edit box's blinking caret is the only one). */
constexpr long KNOWN_TIMERS[] = {GUI::Controls::CEditBox::CARET_TIMER_ID};
/** Where the pointer rests when it has left for the desktop: no window of the program is there. */
constexpr SPoint DESKTOP{0, 0};
constexpr std::size_t LONGEST_TEXT = 31;
constexpr std::size_t LONGEST_TYPING = 16;
constexpr std::size_t LONGEST_PATH = 31;
constexpr std::size_t MOST_FILES = 3;
constexpr std::size_t LONG_TEXT_STEP = 64;

/** Every control of the calculator, in the window's client coordinates, in the order of the layout table. */
const std::vector<Platform::SArea> &controlAreas()
{
    static const std::vector<Platform::SArea> areas = [] {
        std::vector<Platform::SArea> made;
        for (const Orvo::SPanelLayout &panel : CPanelLayout::getPanels())
        {
            const MathTools::CRect strip = panel.getStripArea(CPanelLayout::CLIENT_WIDTH);
            for (const Orvo::SControlLayout &control : panel.controls)
                made.push_back({static_cast<int>(strip.getLeft() + control.area.left),
                                static_cast<int>(strip.getTop() + control.area.top),
                                static_cast<int>(control.area.width), static_cast<int>(control.area.height)});
        }
        return made;
    }();
    return areas;
}

bool contains(const CHeadlessWindow &window, const SPoint &point)
{
    const SPoint &corner = window.getPosition();
    return point.x >= corner.x && point.y >= corner.y && point.x < corner.x + window.getSize().width &&
           point.y < corner.y + window.getSize().height;
}

bool isControlKey(std::int32_t key)
{
    return key == Platform::KEY_BACKSPACE || key == Platform::KEY_TAB || key == Platform::KEY_RETURN ||
           key == Platform::KEY_ESCAPE || key == Platform::KEY_DELETE;
}

/** The one-byte character a key message carries, as the desktop backend works it out. */
char characterOf(std::int32_t key, const Platform::SModifiers &modifiers)
{
    if (modifiers.control)
        return 0;
    if (key == Platform::KEY_KEYPAD_ENTER)
        return '\r';
    if (isControlKey(key))
        return static_cast<char>(key);
    if (key < ' ' || key > '~')
        return 0;
    if (key >= 'a' && key <= 'z')
        return static_cast<char>(modifiers.shift ? std::toupper(key) : key);
    return modifiers.shift ? 0 : static_cast<char>(key);
}

/** (@p count + 1) * 64 repetitions of a digit or sign, of a two-byte character, or of a lone lead byte. */
std::string longText(std::uint8_t count, std::uint8_t pattern)
{
    static constexpr char SIGNS[] = "0123456789.-e,";
    std::string unit;
    if (pattern < 0x60)
        unit = SIGNS[pattern % (sizeof SIGNS - 1)];
    else if (pattern < 0xC0)
        unit = "\xC3\xA9";
    else
        unit = static_cast<char>(pattern);
    std::string text;
    for (std::size_t repeat = 0; repeat < (count + 1u) * LONG_TEXT_STEP; repeat++)
        text += unit;
    return text;
}

const GUI::Controls::CMenuWindow *menuWindowOf(const CHeadlessWindow &record)
{
    for (GUI::Windows::CWindow *window : GUI::Windows::CWindow::getOpenWindows())
        if (window->getPlatformWindow() == &record)
            return dynamic_cast<const GUI::Controls::CMenuWindow *>(window);
    return nullptr;
}
} // namespace

CSessionPlayer::CSessionPlayer(Platform::CHeadlessDriver &driver) : m_driver(driver)
{
    GUI::Windows::setMessageBoxHandler(
        [this](const Basics::CString &text, const Basics::CString &title, GUI::Windows::EMessageBoxKind) {
            m_boxes.push_back(std::string(title.getString()) + ": " + text.getString());
            return true;
        });
    Platform::SArea screen;
    m_driver.getScreenArea(DESKTOP, screen);
    const MathTools::CRect area(screen.x + screen.width / 2 - CPanelLayout::CLIENT_WIDTH / 2,
                                screen.y + screen.height / 2 - CPanelLayout::CLIENT_HEIGHT / 2,
                                CPanelLayout::CLIENT_WIDTH, CPanelLayout::CLIENT_HEIGHT);
    m_window.reset(new Orvo::COrvoWindow(area));
    GUI::Windows::CWindowAttributes attributes;
    Orvo::COrvoWindow::describe(attributes);
    m_window->intialiseWindow(&attributes, true);
    Application::CApplication::setMainWindow(m_window.get());
    m_pointer = DESKTOP;
    m_driver.setPointerPosition(m_pointer);
}

CSessionPlayer::~CSessionPlayer()
{
    Application::CApplication::setMainWindow(nullptr);
    m_window.reset(nullptr);
    // The close asks the loop to end; the next session's loop must not see that.
    m_driver.resetQuit();
    while (m_driver.getQueueLength() != 0)
        m_driver.dispatchMessage(false);
    m_driver.setModifiers({});
    GUI::Windows::setMessageBoxHandler(nullptr);
}

void CSessionPlayer::play(const std::uint8_t *data, std::size_t size)
{
    CByteReader input(data, size);
    while (!input.atEnd() && !m_closed && getMainRecord() != nullptr)
        playStep(input);
}

Orvo::CCalculatorPanel &CSessionPlayer::getPanel(Orvo::EPanel panel) const
{
    auto *found = dynamic_cast<Orvo::CCalculatorPanel *>(
        m_window->getControlRoot()->getControlAtIndex(static_cast<long>(panel), true));
    if (found == nullptr)
        throw std::logic_error("The calculator window lost a panel");
    return *found;
}

std::vector<CHeadlessWindow *> CSessionPlayer::getShownMenus() const
{
    std::vector<CHeadlessWindow *> menus;
    const CHeadlessWindow *main = getMainRecord();
    for (CHeadlessWindow *window : m_driver.getWindows())
        if (window != main && window->isVisible())
            menus.push_back(window);
    return menus;
}

void CSessionPlayer::playStep(CByteReader &input)
{
    const std::uint8_t step = input.next();
    m_modifiers.shift = (step & SHIFT_BIT) != 0;
    m_modifiers.control = (step & CONTROL_BIT) != 0;
    m_driver.setModifiers(m_modifiers);
    const EStep kind = STEP_KINDS[step & KIND_BITS];
    switch (kind)
    {
    case EStep::MOVE:
    case EStep::PRESS:
    case EStep::RELEASE:
    case EStep::CLICK:
    case EStep::DOUBLE_CLICK:
    case EStep::WHEEL:
        playPointerStep(kind, input, (step & VARIANT_BIT) != 0);
        break;
    case EStep::KEY:
    case EStep::KEY_DOWN:
    case EStep::KEY_UP:
        playKeyStep(kind, input.next());
        break;
    case EStep::TYPE:
        type(input);
        break;
    case EStep::TEXT:
    {
        std::string text(input.next() % (LONGEST_TEXT + 1), '\0');
        for (char &byte : text)
            byte = static_cast<char>(input.next());
        sendText(std::move(text));
        break;
    }
    case EStep::LONG_TEXT:
    {
        const std::uint8_t count = input.next();
        sendText(longText(count, input.next()));
        break;
    }
    case EStep::DROP:
        drop(input);
        break;
    case EStep::FOCUS_GAINED:
    case EStep::FOCUS_LOST:
        setFocus(kind == EStep::FOCUS_GAINED);
        break;
    case EStep::TIMER:
        fireTimer(input.next());
        break;
    case EStep::IDLE:
        idle();
        break;
    case EStep::LEAVE:
        leaveHoveredWindow();
        m_pointer = DESKTOP;
        m_driver.setPointerPosition(m_pointer);
        break;
    case EStep::CLOSE:
    {
        SPlatformMessage close;
        close.kind = EMessageKind::CLOSE_REQUESTED;
        m_closed = true;
        // The window manager sends it whether the program has the focus or not.
        if (CHeadlessWindow *main = getMainRecord())
            m_driver.deliver(*main, close);
        break;
    }
    }
}

void CSessionPlayer::playPointerStep(EStep kind, CByteReader &input, bool right)
{
    const SPoint point = readPlace(input);
    const EMouseButton button = right ? EMouseButton::RIGHT : EMouseButton::LEFT;
    movePointer(point);
    switch (kind)
    {
    case EStep::PRESS:
        press(EMessageKind::BUTTON_DOWN, button);
        break;
    case EStep::RELEASE:
        release(button);
        break;
    case EStep::CLICK:
        press(EMessageKind::BUTTON_DOWN, button);
        release(button);
        break;
    case EStep::DOUBLE_CLICK:
        press(EMessageKind::BUTTON_DOWN, button);
        release(button);
        press(EMessageKind::DOUBLE_CLICK, button);
        release(button);
        break;
    case EStep::WHEEL:
    {
        const auto notches = static_cast<std::int8_t>(input.next());
        CHeadlessWindow *target = mouseTarget();
        // A sideways turn, or none, reaches no window.
        if (notches != 0 && target != nullptr)
            sendMouse(*target, EMessageKind::WHEEL, EMouseButton::NONE, notches / 4.0);
        break;
    }
    default:
        break;
    }
}

void CSessionPlayer::playKeyStep(EStep kind, std::uint8_t index)
{
    const std::int32_t key = KEYS[index % KEY_COUNT];
    if (kind != EStep::KEY_UP)
    {
        sendKey(EMessageKind::KEY_DOWN, key, m_modifiers);
        // A key that types a printable character types it too, as the platform reports it after the key.
        const char typed = characterOf(key, m_modifiers);
        if (typed >= ' ' && typed <= '~')
            sendText(std::string(1, typed));
    }
    if (kind != EStep::KEY_DOWN)
        sendKey(EMessageKind::KEY_UP, key, m_modifiers);
}

void CSessionPlayer::type(CByteReader &input)
{
    const std::size_t length = input.next() % LONGEST_TYPING + 1;
    for (std::size_t typed = 0; typed < length; typed++)
    {
        const auto character = static_cast<char>(input.next());
        if (character < ' ' || character > '~')
        {
            // Not a key of its own: an input method's byte, which may be no UTF-8 at all.
            sendText(std::string(1, character));
            continue;
        }
        Platform::SModifiers modifiers;
        modifiers.shift = std::isupper(static_cast<unsigned char>(character)) != 0;
        const std::int32_t key = std::tolower(static_cast<unsigned char>(character));
        sendKey(EMessageKind::KEY_DOWN, key, modifiers);
        sendText(std::string(1, character));
        sendKey(EMessageKind::KEY_UP, key, modifiers);
    }
}

void CSessionPlayer::sendText(std::string text)
{
    // The platform's text is a C string: it ends at the first zero byte, and an empty one is never sent.
    text.resize(std::char_traits<char>::length(text.c_str()));
    if (text.empty() || !m_focused)
        return;
    SPlatformMessage message;
    message.kind = EMessageKind::TEXT_INPUT;
    message.text = std::move(text);
    deliverToMain(message);
}

void CSessionPlayer::drop(CByteReader &input)
{
    movePointer(readPlace(input));
    SPlatformMessage message;
    message.kind = EMessageKind::FILES_DROPPED;
    message.modifiers = m_modifiers;
    for (std::size_t files = input.next() % MOST_FILES + 1; files > 0; files--)
    {
        std::string path(input.next() % (LONGEST_PATH + 1), '\0');
        for (char &byte : path)
            byte = static_cast<char>(input.next());
        message.paths.push_back(path);
    }
    if (CHeadlessWindow *target = windowAt(m_pointer))
    {
        message.position = {m_pointer.x - target->getPosition().x, m_pointer.y - target->getPosition().y};
        m_driver.deliver(*target, message);
    }
}

void CSessionPlayer::fireTimer(std::uint8_t choice)
{
    std::vector<std::pair<std::uint32_t, long>> running;
    for (const CHeadlessWindow *window : m_driver.getWindows())
        for (long id : KNOWN_TIMERS)
            if (window->isTimerRunning(id))
                running.emplace_back(window->getId(), id);
    if (running.empty())
        return;
    const auto &[windowId, timerId] = running[choice % running.size()];
    if (CHeadlessWindow *window = findRecord(windowId))
        m_driver.fireTimer(*window, timerId);
}

void CSessionPlayer::idle()
{
    m_driver.dispatchMessage(false);
}

SPoint CSessionPlayer::readPlace(CByteReader &input)
{
    const std::uint8_t selector = input.next();
    if (selector < MENU_ROW_PLACE)
        return controlPlace(selector, input.next());
    const std::vector<CHeadlessWindow *> menus = getShownMenus();
    const std::uint8_t first = input.next();
    if (selector < MENU_FREE_PLACE && !menus.empty())
        return menuRowPlace(*menus[menus.size() - 1 - (selector - MENU_ROW_PLACE) % menus.size()], first);
    if (selector < MENU_FREE_PLACE)
        return controlPlace(selector, first);
    const std::uint8_t second = input.next();
    if (selector < WINDOW_FREE_PLACE && !menus.empty())
        return freePlace(*menus[menus.size() - 1 - (selector - MENU_FREE_PLACE) % menus.size()], MENU_MARGIN,
                         first, second);
    return freePlace(*getMainRecord(), WINDOW_MARGIN, first, second);
}

SPoint CSessionPlayer::controlPlace(std::uint8_t selector, std::uint8_t fraction) const
{
    const std::vector<Platform::SArea> &areas = controlAreas();
    const Platform::SArea &area = areas[selector % areas.size()];
    const SPoint &corner = getMainRecord()->getPosition();
    return {corner.x + area.x + (fraction & 0x0F) * area.width / 16,
            corner.y + area.y + (fraction >> 4) * area.height / 16};
}

SPoint CSessionPlayer::menuRowPlace(const CHeadlessWindow &menu, std::uint8_t row) const
{
    const SPoint &corner = menu.getPosition();
    SPoint point{corner.x + menu.getSize().width / 2, corner.y + menu.getSize().height / 2};
    const GUI::Controls::CMenuWindow *window = menuWindowOf(menu);
    const long rows = window != nullptr && window->getMenu() != nullptr ? window->getMenu()->getNumberOfMenuItems() : 0;
    if (rows <= 0)
        return point;
    if (const GUI::Controls::CMenuItemDisplay *display = window->getMenuRoot().getDisplay(row % rows))
    {
        const MathTools::CRect &area = display->getArea();
        point = {corner.x + static_cast<int>(area.getLeft() + area.getWidth() / 2),
                 corner.y + static_cast<int>(area.getTop() + area.getHeight() / 2)};
    }
    return point;
}

SPoint CSessionPlayer::freePlace(const CHeadlessWindow &window, int margin, std::uint8_t x, std::uint8_t y)
{
    const SPoint &corner = window.getPosition();
    return {corner.x - margin + x * (window.getSize().width + 2 * margin) / 255,
            corner.y - margin + y * (window.getSize().height + 2 * margin) / 255};
}

CHeadlessWindow *CSessionPlayer::getMainRecord() const
{
    const Platform::IPlatformWindow *platform = m_window ? m_window->getPlatformWindow() : nullptr;
    return platform != nullptr ? &m_driver.getRecord(*platform) : nullptr;
}

CHeadlessWindow *CSessionPlayer::findRecord(std::uint32_t id) const
{
    for (CHeadlessWindow *window : m_driver.getWindows())
        if (window->getId() == id)
            return window;
    return nullptr;
}

CHeadlessWindow *CSessionPlayer::windowAt(const SPoint &point) const
{
    const std::vector<CHeadlessWindow *> &windows = m_driver.getWindows();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window)
        if ((*window)->isVisible() && contains(**window, point))
            return *window;
    return nullptr;
}

CHeadlessWindow *CSessionPlayer::mouseTarget() const
{
    if (CHeadlessWindow *captured = m_driver.getCapturedWindow())
        return captured;
    return windowAt(m_pointer);
}

void CSessionPlayer::movePointer(const SPoint &point)
{
    m_pointer = point;
    m_driver.setPointerPosition(point);
    if (CHeadlessWindow *captured = m_driver.getCapturedWindow())
    {
        sendMouse(*captured, EMessageKind::MOUSE_MOVE, EMouseButton::NONE);
        return;
    }
    CHeadlessWindow *under = windowAt(point);
    if (under == nullptr || under->getId() != m_hoveredId)
        leaveHoveredWindow();
    if (under == nullptr)
        return;
    m_hoveredId = under->getId();
    sendMouse(*under, EMessageKind::MOUSE_MOVE, EMouseButton::NONE);
}

void CSessionPlayer::sendMouse(CHeadlessWindow &window, EMessageKind kind, EMouseButton button, double wheel)
{
    SPlatformMessage message;
    message.kind = kind;
    message.position = {m_pointer.x - window.getPosition().x, m_pointer.y - window.getPosition().y};
    message.button = button;
    message.modifiers = m_modifiers;
    message.wheel = wheel;
    m_driver.deliver(window, message);
}

void CSessionPlayer::leaveHoveredWindow()
{
    CHeadlessWindow *hovered = findRecord(std::exchange(m_hoveredId, 0));
    if (hovered == nullptr)
        return;
    SPlatformMessage message;
    message.kind = EMessageKind::MOUSE_LEAVE;
    message.modifiers = m_modifiers;
    m_driver.deliver(*hovered, message);
}

void CSessionPlayer::press(EMessageKind kind, EMouseButton button)
{
    CHeadlessWindow *target = mouseTarget();
    if (target == nullptr)
    {
        // The press lands on another program, which takes the focus.
        setFocus(false);
        return;
    }
    if (target == getMainRecord())
        setFocus(true);
    sendMouse(*target, kind, button);
}

void CSessionPlayer::release(EMouseButton button)
{
    if (CHeadlessWindow *target = mouseTarget())
        sendMouse(*target, EMessageKind::BUTTON_UP, button);
}

void CSessionPlayer::setFocus(bool focused)
{
    if (focused == m_focused)
        return;
    m_focused = focused;
    SPlatformMessage message;
    message.kind = focused ? EMessageKind::FOCUS_GAINED : EMessageKind::FOCUS_LOST;
    deliverToMain(message);
}

void CSessionPlayer::sendKey(EMessageKind kind, std::int32_t key, const Platform::SModifiers &modifiers)
{
    if (!m_focused)
        return;
    SPlatformMessage message;
    message.kind = kind;
    message.key = key;
    message.character = characterOf(key, modifiers);
    message.modifiers = modifiers;
    deliverToMain(message);
}

void CSessionPlayer::deliverToMain(const SPlatformMessage &message)
{
    if (CHeadlessWindow *main = getMainRecord())
        m_driver.deliver(*main, message);
}
} // namespace Corvane::Fuzzing
