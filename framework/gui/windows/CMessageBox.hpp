#pragma once

#include "framework/gui/controls/EventListeners.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/windows/CWindow.hpp"

#include <vector>

namespace Corvane::GUI::Windows
{
enum class EMessageBoxKind
{
    INFORMATION, // OK, no icon
    ERROR,       // OK, the error icon
    QUESTION     // Yes and No, the question icon
};

/**
 * The framework's own modal message box: a small window drawn with the graphics surface, so it
 * looks like the program around it. It shows the title, the text (its line breaks kept, long
 * lines wrapped), an icon for errors and questions, and OK or Yes and No; Enter chooses the
 * focused button, Escape and the window manager's close answer OK or No, Tab and the arrows
 * move the focus. While it is open every other window of the program ignores input but still
 * paints.
 */
class CMessageBox : public CWindow,
                    public Controls::IMouseEventListener,
                    public Controls::IKeyboardEventListener,
                    private Basics::TInstanceCounter<CMessageBox>
{
public:
    CORVANE_DECLARE_CLASS

    CMessageBox(const Basics::CString &text, const Basics::CString &title, EMessageBoxKind kind);

    /** Shows the box centred on the main window (or the screen) until it is answered. */
    bool run();
    /** The three steps of run: open the box and disable the other windows... */
    void open();
    /** ...dispatch messages until the box is answered (or the quit request comes)... */
    bool waitForAnswer();
    /** ...and close it, enabling again the windows that open disabled. */
    void close();
    /** True for OK or Yes. */
    bool getAnswer() const { return m_answer; }
    bool isAnswered() const { return m_answered; }

    void drawWindow(Graphics::CGraphics &graphics) override;
    /** The window manager's close answers as Escape does. */
    bool windowClosing(IWindow *window) override;

    void handleLeftButtonDown(Controls::CMouseEvent &event) override;
    void handleLeftButtonUp(Controls::CMouseEvent &event) override;
    void handleRightButtonDown(Controls::CMouseEvent &) override {}
    void handleRightButtonUp(Controls::CMouseEvent &) override {}
    void handleDoubleClick(Controls::CMouseEvent &event) override { handleLeftButtonDown(event); }
    void handleMouseScroll(Controls::CMouseEvent &) override {}
    void handleMouseMovement(Controls::CMouseEvent &) override {}
    void handleMouseLeavingArea(Controls::CMouseEvent &) override {}
    bool handleKeyDown(const Controls::CKeyboardEvent &event) override;
    bool handleKeyUp(const Controls::CKeyboardEvent &) override { return true; }

private:
    struct SButton
    {
        const char *label;
        bool answer;
        MathTools::CRect area;
    };

    void layOut();
    void placeOnScreen();
    void answer(bool answer);
    long buttonAt(const MathTools::CPoint &point) const;
    void drawIcon(Graphics::CGraphics &graphics) const;
    void drawButton(Graphics::CGraphics &graphics, long index) const;

    Basics::CString m_text;
    EMessageBoxKind m_kind;
    Graphics::CFont m_font;
    MathTools::CRect m_textArea;
    MathTools::CRect m_iconArea;
    std::vector<SButton> m_buttons;
    std::vector<CWindow *> m_disabledWindows;
    long m_focusedButton = 0;
    long m_pressedButton = -1;
    bool m_answered = false;
    bool m_answer = false;
};
} // namespace Corvane::GUI::Windows
