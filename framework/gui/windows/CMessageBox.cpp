#include "framework/gui/windows/CMessageBox.hpp"

#include "framework/application/CApplication.hpp"
#include "framework/gui/controls/CKeyboardEvent.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/graphics/TextMeasure.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <algorithm>

namespace Corvane::GUI::Windows
{
CORVANE_DEFINE_CLASS(CMessageBox, "CMessageBox", "CWindow")

using MathTools::CAlphaColour;
using MathTools::CColour;
using MathTools::CDimension;
using MathTools::CPoint;
using MathTools::CRect;

namespace
{
constexpr long MARGIN = 16;
constexpr long ICON_SIDE = 32;
constexpr long ICON_GAP = 14;
constexpr long WIDEST_TEXT = 360;
constexpr long NARROWEST_BOX = 260;
constexpr long BUTTON_WIDTH = 84;
constexpr long BUTTON_HEIGHT = 28;
constexpr long BUTTON_GAP = 8;
constexpr long TEXT_TO_BUTTONS = 20;
constexpr long FONT_POINTS = 10;

const CColour FACE(246, 246, 246);
const CAlphaColour TEXT_COLOUR(30, 30, 30, 255);
const CAlphaColour BUTTON_FACE(255, 255, 255, 255);
const CAlphaColour BUTTON_PRESSED(218, 218, 218, 255);
const CAlphaColour BUTTON_EDGE(160, 160, 160, 255);
const CAlphaColour FOCUS_EDGE(52, 101, 164, 255);
const CAlphaColour ERROR_RED(204, 0, 0, 255);
const CAlphaColour QUESTION_BLUE(52, 101, 164, 255);
const CAlphaColour WHITE(255, 255, 255, 255);
} // namespace

CMessageBox::CMessageBox(const Basics::CString &text, const Basics::CString &title, EMessageBoxKind kind)
    : CWindow(CRect(0, 0, NARROWEST_BOX, 100)), m_text(text), m_kind(kind), m_font("Arial", FONT_POINTS)
{
    if (kind == EMessageBoxKind::QUESTION)
        m_buttons = {{"Yes", true, CRect()}, {"No", false, CRect()}};
    else
        m_buttons = {{"OK", true, CRect()}};
    setMouseListener(this);
    setKeyboardListener(this);
    setDropFileListener(nullptr);
    getWindowAttributes()->setAttributes(title, FACE, 1.0, nullptr, true, false);
    getWindowAttributes()->setWindowStyle(CWindowAttributes::STYLE_FIXED_FRAME, 0);
    layOut();
}

void CMessageBox::layOut()
{
    const bool hasIcon = m_kind != EMessageBoxKind::INFORMATION;
    const CDimension text = Graphics::measureTextBlock(m_text, &m_font, WIDEST_TEXT);
    const long textLeft = MARGIN + (hasIcon ? ICON_SIDE + ICON_GAP : 0);
    const long buttons = static_cast<long>(m_buttons.size());
    const long buttonsWidth = buttons * BUTTON_WIDTH + (buttons - 1) * BUTTON_GAP;
    const long width = std::max({NARROWEST_BOX, textLeft + text.getWidth() + MARGIN, 2 * MARGIN + buttonsWidth});
    const long content = std::max(text.getHeight(), hasIcon ? ICON_SIDE : 0L);
    const long height = MARGIN + content + TEXT_TO_BUTTONS + BUTTON_HEIGHT + MARGIN;

    m_iconArea = CRect(MARGIN, MARGIN, hasIcon ? ICON_SIDE : 0, hasIcon ? ICON_SIDE : 0);
    // Centred on the icon when shorter; as wide as the box allows, so drawing wraps as measured.
    m_textArea = CRect(textLeft, MARGIN + (content - text.getHeight()) / 2, width - textLeft - MARGIN, text.getHeight());
    long left = width - MARGIN - buttonsWidth;
    for (SButton &button : m_buttons)
    {
        button.area = CRect(left, height - MARGIN - BUTTON_HEIGHT, BUTTON_WIDTH, BUTTON_HEIGHT);
        left += BUTTON_WIDTH + BUTTON_GAP;
    }
    setInitialArea(CRect(0, 0, width, height));
}

void CMessageBox::placeOnScreen()
{
    CRect around;
    auto *main = dynamic_cast<CWindow *>(Application::CApplication::getMainWindow());
    if (main == nullptr || main == this || !main->getClientAreaOnScreen(around))
    {
        Platform::SPoint pointer;
        Platform::SArea screen;
        Platform::IPlatformDriver &driver = Platform::getPlatformDriver();
        driver.getPointerPosition(pointer);
        if (driver.getScreenArea(pointer, screen))
            around.setRect(screen.x, screen.y, screen.width, screen.height);
    }
    const CDimension size = getWindowSize();
    setInitialArea(CRect(CPoint(around.getCentralXPosition() - size.getWidth() / 2,
                                around.getCentralYPosition() - size.getHeight() / 2),
                         size));
}

bool CMessageBox::run()
{
    open();
    waitForAnswer();
    close();
    return m_answer;
}

void CMessageBox::open()
{
    placeOnScreen();
    for (CWindow *window : getOpenWindows())
        if (window->isWindowEnabled())
        {
            window->disableWindow();
            m_disabledWindows.push_back(window);
        }
    intialiseWindow(getWindowAttributes(), true);
    if (getPlatformWindow() != nullptr)
        getPlatformWindow()->bringToForeground();
}

bool CMessageBox::waitForAnswer()
{
    Platform::IPlatformDriver &driver = Platform::getPlatformDriver();
    while (!m_answered && driver.dispatchMessage(true) != Platform::EDispatch::QUIT)
    {
    }
    return m_answer;
}

void CMessageBox::close()
{
    uninitialiseWindow();
    for (CWindow *window : m_disabledWindows)
        window->enableWindow();
    m_disabledWindows.clear();
}

void CMessageBox::answer(bool answer)
{
    m_answer = answer;
    m_answered = true;
}

bool CMessageBox::windowClosing(IWindow *)
{
    answer(false);
    return true;
}

long CMessageBox::buttonAt(const CPoint &point) const
{
    for (std::size_t index = 0; index < m_buttons.size(); index++)
    {
        const CRect &area = m_buttons[index].area;
        if (point.getXPosition() >= area.getLeft() && point.getXPosition() < area.getRight() &&
            point.getYPosition() >= area.getTop() && point.getYPosition() < area.getBottom())
            return static_cast<long>(index);
    }
    return -1;
}

void CMessageBox::handleLeftButtonDown(Controls::CMouseEvent &event)
{
    m_pressedButton = buttonAt(event.getMousePosition());
    if (m_pressedButton < 0)
        return;
    m_focusedButton = m_pressedButton;
    redrawWindow();
}

void CMessageBox::handleLeftButtonUp(Controls::CMouseEvent &event)
{
    const long pressed = std::exchange(m_pressedButton, -1);
    if (pressed < 0)
        return;
    redrawWindow();
    if (buttonAt(event.getMousePosition()) == pressed)
        answer(m_buttons[static_cast<std::size_t>(pressed)].answer);
}

bool CMessageBox::handleKeyDown(const Controls::CKeyboardEvent &event)
{
    const long buttons = static_cast<long>(m_buttons.size());
    switch (static_cast<std::int32_t>(event.getKeyCode()))
    {
    case Platform::KEY_RETURN:
    case Platform::KEY_KEYPAD_ENTER:
    case ' ':
        answer(m_buttons[static_cast<std::size_t>(m_focusedButton)].answer);
        break;
    case Platform::KEY_ESCAPE:
        answer(false);
        break;
    case Platform::KEY_TAB:
    case Platform::KEY_RIGHT:
        m_focusedButton = (m_focusedButton + 1) % buttons;
        redrawWindow();
        break;
    case Platform::KEY_LEFT:
        m_focusedButton = (m_focusedButton + buttons - 1) % buttons;
        redrawWindow();
        break;
    default:
        break;
    }
    return true;
}

void CMessageBox::drawWindow(Graphics::CGraphics &graphics)
{
    graphics.getBrush().setColour(CAlphaColour(FACE.getRed(), FACE.getGreen(), FACE.getBlue(), 255));
    graphics.fillRectangle(CRect(CPoint(), getWindowSize()));
    drawIcon(graphics);
    graphics.setTextColour(TEXT_COLOUR);
    graphics.drawText(m_text, m_textArea, &m_font, Graphics::CGraphics::LEFT_TOP);
    for (std::size_t index = 0; index < m_buttons.size(); index++)
        drawButton(graphics, static_cast<long>(index));
}

void CMessageBox::drawIcon(Graphics::CGraphics &graphics) const
{
    if (m_kind == EMessageBoxKind::INFORMATION)
        return;
    const bool error = m_kind == EMessageBoxKind::ERROR;
    graphics.getBrush().setColour(error ? ERROR_RED : QUESTION_BLUE);
    graphics.fillEllipse(m_iconArea);
    if (!error)
    {
        graphics.setTextColour(WHITE);
        const Graphics::CFont mark("Arial", 16);
        graphics.drawText("?", m_iconArea, &mark, Graphics::CGraphics::CENTRE_CENTRE);
        return;
    }
    // A white cross, a third of the disc in from each side.
    const long inset = ICON_SIDE / 3;
    const long left = m_iconArea.getLeft() + inset;
    const long top = m_iconArea.getTop() + inset;
    const long right = m_iconArea.getRight() - inset;
    const long bottom = m_iconArea.getBottom() - inset;
    graphics.getPen().setColour(WHITE);
    graphics.getPen().setWidth(3);
    graphics.drawAntiAliasedLine(CPoint(left, top), CPoint(right, bottom));
    graphics.drawAntiAliasedLine(CPoint(right, top), CPoint(left, bottom));
    graphics.getPen().setWidth(1);
}

void CMessageBox::drawButton(Graphics::CGraphics &graphics, long index) const
{
    const SButton &button = m_buttons[static_cast<std::size_t>(index)];
    const bool focused = index == m_focusedButton;
    graphics.getBrush().setColour(index == m_pressedButton ? BUTTON_PRESSED : BUTTON_FACE);
    graphics.fillRectangle(button.area);
    graphics.getPen().setColour(focused ? FOCUS_EDGE : BUTTON_EDGE);
    graphics.drawRectangle(button.area);
    if (focused)
    {
        CRect inner(button.area);
        inner.inset(1);
        graphics.drawRectangle(inner);
    }
    graphics.setTextColour(TEXT_COLOUR);
    graphics.drawText(button.label, button.area, &m_font, Graphics::CGraphics::CENTRE_CENTRE);
}
} // namespace Corvane::GUI::Windows
