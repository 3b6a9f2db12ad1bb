#include "framework/gui/controls/CEditBox.hpp"

#include "framework/gui/controls/CControlRoot.hpp"
#include "framework/gui/controls/CKeyboardEvent.hpp"
#include "framework/gui/controls/Utf8Text.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/windows/CCursor.hpp"
#include "framework/gui/windows/CWindow.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Corvane::GUI::Controls
{
using Basics::CString;
using Graphics::CGraphics;
using MathTools::CAlphaColour;
using MathTools::CPoint;
using MathTools::CRect;

namespace
{
/** Columns kept free on each side of the text, so that the caret is never drawn off the box. */
constexpr long CARET_ROOM = 1;
/** A scrolled text is laid out this much wider than it measures, so that it never wraps. */
constexpr long LAYOUT_SLACK = 2;

const CAlphaColour SELECTION_FACE(53, 132, 228, 255);
const CAlphaColour FOCUS_FRAME(53, 132, 228, 255);
const CAlphaColour SELECTION_TEXT(255, 255, 255, 255);

/** The box is painted as a platform edit box was: its colours without alpha. */
CAlphaColour opaque(const CAlphaColour &colour)
{
    return CAlphaColour(colour.getRed(), colour.getGreen(), colour.getBlue(), 255);
}

bool isKnownAlignment(long alignment)
{
    return alignment == 1 || alignment == 2;
}

long alignmentCode(long alignment)
{
    static const long CODES[] = {CGraphics::LEFT_CENTRE, CGraphics::CENTRE_CENTRE, CGraphics::RIGHT_CENTRE};
    return CODES[isKnownAlignment(alignment) ? alignment : 0];
}

/** The share of the free room that lies before a text of that alignment. */
double leadingShare(long alignment)
{
    return isKnownAlignment(alignment) ? 0.5 * static_cast<double>(alignment) : 0.0;
}

Platform::IPlatformDriver &driver()
{
    return Platform::getPlatformDriver();
}
} // namespace

CEditBox::CEditBox(Windows::IWindow &window, const CRect &area, const SEditBoxLook &look, IEditBoxOwner &owner)
    : m_window(window),
      m_area(area),
      m_look(look),
      m_font(look.font),
      m_owner(owner),
      m_buffer(static_cast<std::size_t>(look.limit > 0 ? std::min(look.limit, MOST_CHARACTERS) : MOST_CHARACTERS)),
      m_ruler(look.font),
      m_scroll(CARET_ROOM)
{
}

CEditBox::~CEditBox()
{
    close();
}

void CEditBox::open(const CString &text)
{
    m_buffer.setText(text.getString());
    m_open = true;
    m_window.startTextInput(this, m_area);
    Windows::CWindow::addOpenPopup(this);
    m_window.addTimedObject(this);
    changed();
}

void CEditBox::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_dragging = false;
    m_blinking = false;
    Windows::CWindow::removeOpenPopup(this);
    m_window.removeTimedObject(this); // which stops the caret's timer
    m_window.stopTextInput(this);
    showTextCursor(false);
    m_window.redrawWindow(m_area);
}

bool CEditBox::isCaretShown() const
{
    return m_open && m_caretPhaseShown && !m_buffer.hasSelection();
}

bool CEditBox::handleKeyDown(const CKeyboardEvent &event)
{
    switch (static_cast<std::int32_t>(event.getKeyCode()))
    {
    case Platform::KEY_RETURN:
    case Platform::KEY_KEYPAD_ENTER:
        m_owner.finishEditing(false);
        return true;
    case Platform::KEY_ESCAPE:
        m_owner.finishEditing(true);
        return true;
    default:
        break;
    }
    if (!runClipboardShortcut(event))
        editWithKey(event);
    changed();
    return true;
}

bool CEditBox::runClipboardShortcut(const CKeyboardEvent &event)
{
    const std::int32_t key = event.getKeyCode();
    // Where AltGr reaches the program as Ctrl+Alt, what it types is text, not a shortcut.
    const bool control = event.isControlDown() && !event.isAltDown();
    const bool shift = event.isShiftDown();
    if (control && key == 'a')
        m_buffer.selectAll();
    else if (control && (key == 'c' || key == Platform::KEY_INSERT))
        copySelection();
    else if ((control && key == 'x') || (shift && key == Platform::KEY_DELETE))
    {
        copySelection();
        if (m_buffer.hasSelection())
            m_buffer.erase(CEditBuffer::EStep::CHARACTER, true);
    }
    else if ((control && key == 'v') || (shift && key == Platform::KEY_INSERT))
        paste();
    else
        return false;
    return true;
}

void CEditBox::editWithKey(const CKeyboardEvent &event)
{
    using EStep = CEditBuffer::EStep;
    const EStep step = event.isControlDown() ? EStep::WORD : EStep::CHARACTER;
    const bool shift = event.isShiftDown();
    switch (static_cast<std::int32_t>(event.getKeyCode()))
    {
    case Platform::KEY_LEFT:
        m_buffer.moveCaret(step, false, shift);
        break;
    case Platform::KEY_RIGHT:
        m_buffer.moveCaret(step, true, shift);
        break;
    case Platform::KEY_HOME:
        m_buffer.moveCaret(EStep::WHOLE, false, shift);
        break;
    case Platform::KEY_END:
        m_buffer.moveCaret(EStep::WHOLE, true, shift);
        break;
    case Platform::KEY_BACKSPACE:
        m_buffer.erase(step, false);
        break;
    case Platform::KEY_DELETE:
        m_buffer.erase(step, true);
        break;
    default:
        break; // what a key types comes as text input
    }
}

void CEditBox::copySelection() const
{
    if (m_buffer.hasSelection())
        driver().setClipboardText(m_buffer.getSelectedText());
}

void CEditBox::paste()
{
    std::string text;
    if (driver().getClipboardText(text) && !m_buffer.insert(text))
        driver().beep();
}

void CEditBox::handleTextInput(const CString &text)
{
    if (!m_buffer.insert(text.getString()))
        driver().beep();
    changed();
}

void CEditBox::handlePress(const CPoint &position, bool extend)
{
    m_buffer.setCaret(getBoundaryAt(position), extend);
    m_dragging = true;
    changed();
}

void CEditBox::handleDoubleClick(const CPoint &position)
{
    // The word of the character under the pointer, not of the boundary nearest to it.
    std::size_t offset = getBoundaryAt(position);
    if (offset > 0 && placeText().left + m_ruler.getWidthBefore(offset) > position.getXPosition())
        offset = Utf8Text::previousCharacter(m_buffer.getText(), offset);
    m_buffer.selectWordAt(offset);
    m_dragging = false;
    changed();
}

void CEditBox::handleMovement(const CPoint &position)
{
    showTextCursor(CControlRoot::holdsPoint(CRect(0, 0, m_area.getWidth() - 1, m_area.getHeight() - 1), position));
    if (!m_dragging)
        return;
    m_buffer.setCaret(getBoundaryAt(position), true);
    changed();
}

bool CEditBox::holdsPress(const Windows::IWindow &window, const CPoint &position) const
{
    // Edges included, as the control under the box counts them.
    return &window == &m_window && CControlRoot::holdsPoint(m_area, position);
}

bool CEditBox::dismissPopup()
{
    m_owner.finishEditing(true);
    return false;
}

void CEditBox::textInputWithdrawn()
{
    m_owner.finishEditing(true);
}

void CEditBox::timerFired()
{
    if (!m_blinking)
        return;
    m_caretPhaseShown = !m_caretPhaseShown;
    if (++m_blinks >= BLINKS_BEFORE_REST && m_caretPhaseShown)
    {
        // Nothing more moves until the next input, so an idle program sleeps.
        m_blinking = false;
        m_window.stopTimer(CARET_TIMER_ID);
    }
    if (!m_buffer.hasSelection())
        m_window.redrawWindow(m_area);
}

void CEditBox::changed()
{
    m_ruler.setText(m_buffer.getText());
    scrollToCaret();
    restartBlinking();
    m_window.redrawWindow(m_area);
}

void CEditBox::restartBlinking()
{
    // Started again, so the caret stays for a whole phase after each input.
    m_caretPhaseShown = true;
    m_blinks = 0;
    m_blinking = true;
    m_window.startTimer(CARET_TIMER_ID, BLINK_MILLISECONDS);
}

bool CEditBox::textFitsWhole()
{
    return m_ruler.getTextWidth() + 2 * CARET_ROOM <= m_area.getWidth();
}

void CEditBox::scrollToCaret()
{
    if (textFitsWhole())
    {
        m_scroll = CARET_ROOM;
        return;
    }
    const long first = CARET_ROOM;
    const long last = m_area.getWidth() - 1 - CARET_ROOM;
    const long caret = m_ruler.getWidthBefore(m_buffer.getCaret());
    if (m_scroll + caret < first)
        m_scroll = first - caret;
    else if (m_scroll + caret > last)
        m_scroll = last - caret;
    // The end of the text stays at the right edge rather than leaving empty room after it.
    m_scroll = std::min(first, std::max(m_scroll, last - m_ruler.getTextWidth()));
}

CEditBox::SPlacement CEditBox::placeText()
{
    const long width = m_area.getWidth();
    const long height = m_area.getHeight();
    const long textWidth = m_ruler.getTextWidth();
    if (textFitsWhole())
    {
        // Where the label under the box puts it, so that opening the box does not move the text.
        return {CRect(1, 1, width, height), alignmentCode(m_look.alignment),
                1.0 + leadingShare(m_look.alignment) * static_cast<double>(width - textWidth)};
    }
    return {CRect(m_scroll, 1, textWidth + LAYOUT_SLACK, height), CGraphics::LEFT_CENTRE,
            static_cast<double>(m_scroll)};
}

long CEditBox::getCaretColumn()
{
    const double x = placeText().left + static_cast<double>(m_ruler.getWidthBefore(m_buffer.getCaret()));
    return std::clamp(std::lround(x), 0L, m_area.getWidth() - 1);
}

std::size_t CEditBox::getBoundaryAt(const CPoint &position)
{
    return m_ruler.getBoundaryNearest(static_cast<double>(position.getXPosition()) - placeText().left);
}

CRect CEditBox::getLineRows(long left, long width) const
{
    // The rows drawText gives the line: centred in the area one pixel down from the top.
    const long lineHeight = m_ruler.getLineHeight();
    const long top = 1 + std::lround(0.5 * static_cast<double>(m_area.getHeight() - lineHeight));
    return CRect(left, top, width, lineHeight);
}

void CEditBox::draw(CGraphics &graphics)
{
    const CRect box(0, 0, m_area.getWidth(), m_area.getHeight());
    clipTo(graphics, box);
    graphics.getBrush().setColour(opaque(m_look.backgroundColour));
    graphics.fillRectangle(box);
    if (m_look.framed)
    {
        graphics.getPen().setColour(FOCUS_FRAME);
        graphics.drawRectangle(box);
    }
    const SPlacement placement = placeText();
    graphics.setTextColour(opaque(m_look.textColour));
    graphics.drawText(getText(), placement.area, m_font.get(), placement.alignment);
    if (m_buffer.hasSelection())
    {
        const long start = std::lround(placement.left + m_ruler.getWidthBefore(m_buffer.getSelectionStart()));
        const long end = std::lround(placement.left + m_ruler.getWidthBefore(m_buffer.getSelectionEnd()));
        drawSelectedText(graphics, getLineRows(start, end - start), placement);
    }
    else if (isCaretShown())
    {
        graphics.getBrush().setColour(opaque(m_look.textColour));
        graphics.fillRectangle(getLineRows(getCaretColumn(), 1));
    }
    graphics.getClip().releaseClip();
}

void CEditBox::drawSelectedText(CGraphics &graphics, const CRect &selection, const SPlacement &placement)
{
    graphics.getBrush().setColour(SELECTION_FACE);
    graphics.fillRectangle(selection);
    // The same text again in the selection's colour, where the selection lies: nothing moves.
    clipTo(graphics, selection);
    graphics.setTextColour(SELECTION_TEXT);
    graphics.drawText(getText(), placement.area, m_font.get(), placement.alignment);
    graphics.getClip().releaseClip();
}

void CEditBox::clipTo(CGraphics &graphics, const CRect &area) const
{
    CRect inPicture(area);
    inPicture.offset(graphics.getDrawingOffset());
    CRect current;
    graphics.getClip().getClip(current);
    CRect clip;
    CRect::getIntersectionArea(current, inPicture, clip);
    graphics.getClip().setClip(clip);
}

void CEditBox::showTextCursor(bool show)
{
    Windows::CMouse &mouse = m_window.getMouse();
    if (show && m_cursorBefore == nullptr)
    {
        m_cursorBefore = mouse.getCursor();
        mouse.setCursor(Windows::CCursor::getPredefinedCursor(Windows::CCursor::TEXT));
    }
    else if (!show && m_cursorBefore != nullptr)
        mouse.setCursor(std::exchange(m_cursorBefore, nullptr));
}
} // namespace Corvane::GUI::Controls
