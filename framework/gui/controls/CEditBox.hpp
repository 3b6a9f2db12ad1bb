#pragma once

#include "framework/basics/CString.hpp"
#include "framework/gui/controls/CEditBuffer.hpp"
#include "framework/gui/controls/CTextRuler.hpp"
#include "framework/gui/windows/IWindow.hpp"
#include "framework/mathtools/CAlphaColour.hpp"
#include "framework/mathtools/CRect.hpp"

namespace Corvane::GUI::Graphics
{
class CGraphics;
}

namespace Corvane::GUI::Windows
{
class CCursor;
}

namespace Corvane::GUI::Controls
{
class CKeyboardEvent;

/** What an open edit box reports to the control that opened it. */
struct IEditBoxOwner
{
    virtual ~IEditBoxOwner() = default;
    /**
     * Editing ends: with Enter (@p cancelled false), or with Escape or a loss of focus (true).
     * The owner may destroy the box inside: the box touches nothing of itself afterwards.
     */
    virtual void finishEditing(bool cancelled) = 0;
};

/** How an edit box looks and how much it takes. */
struct SEditBoxLook
{
    /** Null: the default font at drawing time. */
    Graphics::CFont *font = nullptr;
    MathTools::CAlphaColour textColour{0, 0, 0, 255};
    MathTools::CAlphaColour backgroundColour{255, 255, 255, 255};
    /** 0 left, 1 centre, 2 right (any other value as left). */
    long alignment = 0;
    /** Characters that can be typed in all; 0 or less takes the most a one-line field allows. */
    long limit = 0;
    /** Outlined in the focus colour, for a control that draws a frame of its own when closed. */
    bool framed = false;
};

/**
 * The framework's one-line edit box. It is no window of its own: it lies over an area of the
 * window that owns it, which draws it in place of the control under it, so the keyboard focus
 * never leaves that window and the box looks the same on every backend.
 *
 * Its owner hands it the keys and the mouse; typed text comes straight from the window, which
 * turns text input on only while a box is open, so keyboard layouts, dead keys and input methods
 * work. It has what people expect of a text field: a blinking caret that rests (and lets an idle
 * program sleep) after ten seconds without input, selection with the mouse, shift and the arrows
 * or Home and End, double click for a word, Ctrl for word steps and deletions, Ctrl+A, and cut,
 * copy and paste through the system clipboard. The text scrolls sideways to keep the caret in
 * sight. A press anywhere outside it, or the program losing the focus, ends editing as cancelled,
 * and that press then goes on as usual.
 */
class CEditBox : public Windows::IPopup, public Windows::ITimedObject, public Windows::ITextInputListener
{
public:
    /** The caret's timer, among the timers of the window. */
    static constexpr long CARET_TIMER_ID = 0x45444954;
    static constexpr long BLINK_MILLISECONDS = 500;
    /** Ten seconds of blinking: then the caret rests, shown. */
    static constexpr long BLINKS_BEFORE_REST = 20;
    /** What a one-line field takes at most when no lower limit is set. */
    static constexpr long MOST_CHARACTERS = 32767;

    /** A closed box for @p area of @p window (client coordinates). */
    CEditBox(Windows::IWindow &window, const MathTools::CRect &area, const SEditBoxLook &look, IEditBoxOwner &owner);
    CEditBox(const CEditBox &) = delete;
    CEditBox &operator=(const CEditBox &) = delete;
    /** Closes the box without telling the owner. */
    ~CEditBox() override;

    /** Shows @p text, all of it selected, takes the window's text input and starts the caret. */
    void open(const Basics::CString &text);
    /** Gives back the text input, the timer and the pointer's shape; nothing happens when closed. */
    void close();
    bool isOpen() const { return m_open; }
    Basics::CString getText() const { return m_buffer.getText().c_str(); }
    const MathTools::CRect &getArea() const { return m_area; }
    bool isCaretShown() const;
    bool isBlinking() const { return m_blinking; }

    /** Draws the box over its area; the drawing offset is the area's top left corner. */
    void draw(Graphics::CGraphics &graphics);

    /** Every key is the box's: answers true. */
    bool handleKeyDown(const CKeyboardEvent &event);
    /** The positions are in the box's own coordinates. */
    void handlePress(const MathTools::CPoint &position, bool extend);
    void handleDoubleClick(const MathTools::CPoint &position);
    void handleMovement(const MathTools::CPoint &position);
    void handleRelease() { m_dragging = false; }

    bool holdsPress(const Windows::IWindow &window, const MathTools::CPoint &position) const override;
    /** Ends editing as cancelled; the press that did it goes on to the window. */
    bool dismissPopup() override;
    void timerFired() override;
    long getTimerId() const override { return CARET_TIMER_ID; }
    void handleTextInput(const Basics::CString &text) override;
    void textInputWithdrawn() override;

private:
    /** Where drawText puts the text and with which alignment code, and where its first character starts. */
    struct SPlacement
    {
        MathTools::CRect area;
        long alignment;
        double left;
    };

    /** Ctrl with a letter, Insert, and shift+Delete; false for any other key. */
    bool runClipboardShortcut(const CKeyboardEvent &event);
    void editWithKey(const CKeyboardEvent &event);
    void copySelection() const;
    void paste();
    /** After every change: the caret shows and blinks again, stays in sight, and the box is redrawn. */
    void changed();
    void restartBlinking();
    void scrollToCaret();
    bool textFitsWhole();
    SPlacement placeText();
    long getCaretColumn();
    std::size_t getBoundaryAt(const MathTools::CPoint &position);
    MathTools::CRect getLineRows(long left, long width) const;
    void drawSelectedText(Graphics::CGraphics &graphics, const MathTools::CRect &selection,
                          const SPlacement &placement);
    /** Sets the clip to @p area (box coordinates) within the clip set now; release it after. */
    void clipTo(Graphics::CGraphics &graphics, const MathTools::CRect &area) const;
    void showTextCursor(bool show);

    Windows::IWindow &m_window;
    MathTools::CRect m_area;
    SEditBoxLook m_look;
    Basics::TCountedReference<Graphics::CFont> m_font;
    IEditBoxOwner &m_owner;
    CEditBuffer m_buffer;
    CTextRuler m_ruler;
    bool m_open = false;
    bool m_dragging = false;
    bool m_caretPhaseShown = true;
    bool m_blinking = false;
    long m_blinks = 0;
    /** The text's left edge while it is too wide for the box and scrolls. */
    long m_scroll = 0;
    /** The pointer's shape before the box showed the text cursor, or null. */
    Windows::CCursor *m_cursorBefore = nullptr;
};
} // namespace Corvane::GUI::Controls
