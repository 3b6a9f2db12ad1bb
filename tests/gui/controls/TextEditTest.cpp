// Text edits and their edit box on the headless backend: every input arrives as a delivered
// platform message, and the caret's blinking as timer messages, with no sleeping.
#include "framework/basics/CBool.hpp"
#include "framework/basics/CLong.hpp"
#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CControlDescriptor.hpp"
#include "framework/gui/controls/CControlPanel.hpp"
#include "framework/gui/controls/CTextEdit.hpp"
#include "framework/gui/graphics/TextMeasure.hpp"
#include "tests/gui/windows/WindowTestSupport.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace Corvane;
using namespace Corvane::Testing;
using Basics::CString;
using GUI::Controls::CActionEvent;
using GUI::Controls::CControlDescriptor;
using GUI::Controls::CControlPanel;
using GUI::Controls::CEditBox;
using GUI::Controls::CTextEdit;
using GUI::Graphics::CFont;
using MathTools::CAlphaColour;
using MathTools::CRect;
using Platform::EMessageKind;

/** Writes down each action event: the control it named and that control's text at the time. */
class CActionRecorder : public GUI::Controls::IActionListener
{
public:
    void handleActionEvent(const CActionEvent &event) override
    {
        controls.push_back(event.getControl());
        texts.emplace_back(static_cast<CTextEdit *>(event.getControl())->getText().getString());
    }

    std::vector<GUI::Controls::IControl *> controls;
    std::vector<std::string> texts;
};

/** Opaque, so that the box's colours (which drop alpha) compare with the window's. */
const MathTools::CColour WINDOW_FACE(240, 238, 230);
const CAlphaColour BOX_FACE(240, 238, 230, 255);
const CAlphaColour TEXT_INK(20, 30, 90, 255);

/**
 * A window holding a panel with two edits side by side, both reporting to one recorder, and a
 * recording control below them; the edits are 30 pixels high, so the text never touches their
 * top and bottom rows.
 */
class TextEditTest : public HeadlessWindowTest
{
protected:
    TextEditTest()
    {
        CFont::setDefaultFont(new CFont("Arial", 14));
        window = openWindow(CRect(100, 100, 320, 200));
        window->getWindowAttributes()->setAttributes("Test", WINDOW_FACE, 1.0, nullptr, true, false);
        window->redrawWindow();
        GUI::Controls::IControlRoot *root = window->getControlRoot();
        panel = new CControlPanel(window.get(), root, 10, CRect(20, 30, 280, 60), nullptr);
        root->addControl(panel);
        first = addEdit(1, CRect(10, 10, 120, 30), "100");
        second = addEdit(2, CRect(140, 10, 120, 30), "second");
        other = new RecordingControl(root, 3, CRect(20, 120, 100, 40));
        root->addControl(other);
    }
    ~TextEditTest() override
    {
        window.reset(nullptr);
        CFont::setDefaultFont(nullptr);
    }

    CTextEdit *addEdit(long id, const CRect &area, const char *text)
    {
        auto *edit = new CTextEdit(panel, id, area, text, &recorder);
        edit->setColours(TEXT_INK, BOX_FACE, TEXT_INK);
        panel->addControl(edit);
        return edit;
    }

    void click(long x, long y)
    {
        deliver(*window, mouse(EMessageKind::BUTTON_DOWN, static_cast<int>(x), static_cast<int>(y)));
        deliver(*window, mouse(EMessageKind::BUTTON_UP, static_cast<int>(x), static_cast<int>(y)));
    }
    void clickInto(const CTextEdit &edit)
    {
        const CRect &area = edit.getWindowArea();
        click(area.getCentralXPosition(), area.getCentralYPosition());
    }
    /** As a keyboard types: the key, the text the layout makes of it, the release. */
    void type(const std::string &text)
    {
        for (char character : text)
        {
            deliver(*window, key(EMessageKind::KEY_DOWN, character));
            Platform::SPlatformMessage typed = message(EMessageKind::TEXT_INPUT);
            typed.text = std::string(1, character);
            deliver(*window, typed);
            deliver(*window, key(EMessageKind::KEY_UP, character));
        }
    }
    void typeText(const std::string &text)
    {
        Platform::SPlatformMessage typed = message(EMessageKind::TEXT_INPUT);
        typed.text = text;
        deliver(*window, typed);
    }
    void press(std::int32_t code, bool control = false, bool shift = false)
    {
        Platform::SPlatformMessage down = message(EMessageKind::KEY_DOWN);
        down.key = code;
        down.modifiers.control = control;
        down.modifiers.shift = shift;
        deliver(*window, down);
        down.kind = EMessageKind::KEY_UP;
        deliver(*window, down);
    }
    /** What the window shows of @p area once its pending repaint is done. */
    Picture shown(const CRect &area)
    {
        window->updateWindow();
        Picture pixels;
        for (long y = area.getTop(); y < area.getBottom(); y++)
            for (long x = area.getLeft(); x < area.getRight(); x++)
                pixels.push_back(record(*window).getPixel(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF);
        return pixels;
    }
    bool fireCaretTimer() { return driver.fireTimer(*window->getPlatformWindow(), CEditBox::CARET_TIMER_ID); }

    CActionRecorder recorder;
    Basics::TCountedReference<GUI::Windows::CWindow> window;
    CControlPanel *panel;
    CTextEdit *first;
    CTextEdit *second;
    RecordingControl *other;
};

/** Lists of descriptors share one ownership policy for the whole process: made before any count. */
[[maybe_unused]] const bool descriptorPolicyMade = (Basics::TCountedPointerArray<CControlDescriptor>(), true);

std::string text(const CTextEdit &edit)
{
    return edit.getText().getString();
}

/** What the open box holds. */
std::string typed(const CTextEdit &edit)
{
    return edit.getEditBox()->getText().getString();
}

std::uint32_t rgb(const CAlphaColour &colour)
{
    return static_cast<std::uint32_t>(colour.getRed() << 16 | colour.getGreen() << 8 | colour.getBlue());
}

TEST_F(TextEditTest, TypingReplacesTheSelectedTextAndEnterCommitsWithOneEvent)
{
    EXPECT_FALSE(record(*window).isTextInputOn());
    clickInto(*first);
    ASSERT_NE(nullptr, first->getEditBox());
    // Locked in the window's own root, although it sits in a panel, and typed at exactly its area.
    EXPECT_EQ(first, window->getControlRoot()->getLockedControl());
    EXPECT_TRUE(record(*window).isTextInputOn());
    const Platform::SArea &typedAt = record(*window).getTextInputArea();
    EXPECT_EQ(first->getWindowArea(), CRect(typedAt.x, typedAt.y, typedAt.width, typedAt.height));

    type("120");
    EXPECT_EQ("100", text(*first)); // nothing is committed before Enter
    press(Platform::KEY_RETURN);
    EXPECT_EQ("120", text(*first));
    EXPECT_EQ(std::vector<GUI::Controls::IControl *>{first}, recorder.controls);
    EXPECT_EQ(std::vector<std::string>{"120"}, recorder.texts);
    EXPECT_EQ(nullptr, first->getEditBox());
    EXPECT_EQ(nullptr, window->getControlRoot()->getLockedControl());
    EXPECT_FALSE(record(*window).isTextInputOn());
    EXPECT_FALSE(record(*window).isTimerRunning(CEditBox::CARET_TIMER_ID));

    // Typed text goes nowhere once the box is closed; the keypad's Enter commits as well.
    EXPECT_FALSE(driver.deliver(*window->getPlatformWindow(), message(EMessageKind::TEXT_INPUT)));
    clickInto(*first);
    typeText("\xC3\xA9"); // é, as an input method or a dead key gives it
    press(Platform::KEY_KEYPAD_ENTER);
    EXPECT_EQ("\xC3\xA9", text(*first));
    EXPECT_EQ(2u, recorder.controls.size());
}

TEST_F(TextEditTest, AnEmptiedBoxCommitsOneBlank)
{
    clickInto(*first);
    press(Platform::KEY_BACKSPACE);
    press(Platform::KEY_RETURN);
    EXPECT_EQ(" ", text(*first));
    EXPECT_EQ(std::vector<std::string>{" "}, recorder.texts);
}

TEST_F(TextEditTest, EscapeFocusLossAndClosingTheWindowKeepTheOldTextWithoutAnEvent)
{
    clickInto(*first);
    type("999");
    press(Platform::KEY_ESCAPE);
    EXPECT_EQ("100", text(*first));
    EXPECT_EQ(nullptr, first->getEditBox());

    clickInto(*first);
    type("999");
    deliver(*window, message(EMessageKind::FOCUS_LOST));
    EXPECT_EQ("100", text(*first));
    EXPECT_EQ(nullptr, first->getEditBox());
    EXPECT_EQ(nullptr, window->getControlRoot()->getLockedControl());

    clickInto(*first);
    type("999");
    deliver(*window, message(EMessageKind::CLOSE_REQUESTED));
    EXPECT_EQ(nullptr, window->getPlatformWindow());
    EXPECT_EQ("100", text(*first));
    EXPECT_EQ(nullptr, first->getEditBox());
    EXPECT_EQ(nullptr, window->getControlRoot()->getLockedControl());

    // A window destroyed with a box open takes it along, quietly.
    window = openWindow(CRect(0, 0, 200, 100));
    auto *edit = new CTextEdit(window->getControlRoot(), 4, CRect(10, 10, 100, 30), "100", &recorder);
    window->getControlRoot()->addControl(edit);
    clickInto(*edit);
    type("999");
    window.reset(nullptr);
    EXPECT_TRUE(recorder.controls.empty());
}

TEST_F(TextEditTest, APressOutsideDiscardsAndGoesOnToWhatIsUnderIt)
{
    clickInto(*first);
    type("999");
    clickInto(*second); // one click: the first box closes and the second opens
    EXPECT_EQ("100", text(*first));
    EXPECT_EQ(nullptr, first->getEditBox());
    ASSERT_NE(nullptr, second->getEditBox());
    EXPECT_EQ(second, window->getControlRoot()->getLockedControl());
    type("x"); // the whole old text was selected
    press(Platform::KEY_RETURN);
    EXPECT_EQ("x", text(*second));
    EXPECT_EQ(std::vector<GUI::Controls::IControl *>{second}, recorder.controls);

    clickInto(*first);
    click(30, 130);
    EXPECT_EQ(nullptr, first->getEditBox());
    EXPECT_EQ("leftDown@10,10 leftUp@10,10", other->summary());

    // A press inside the open box is the box's own: it stays open.
    clickInto(*first);
    click(first->getWindowArea().getLeft() + 2, first->getWindowArea().getTop() + 2);
    EXPECT_NE(nullptr, first->getEditBox());
}

TEST_F(TextEditTest, WhatOpensTheBoxFollowsSingleClickAndEditable)
{
    const CRect &area = first->getWindowArea();
    const auto doubleClick = [&] {
        deliver(*window, mouse(EMessageKind::DOUBLE_CLICK, 40, 50));
        deliver(*window, mouse(EMessageKind::BUTTON_UP, 40, 50));
    };
    ASSERT_TRUE(CRect(area).getLeft() < 40 && area.getTop() < 50);
    first->setSingleClick(false);
    first->setEditable(false);
    click(40, 50);
    doubleClick();
    EXPECT_EQ(nullptr, first->getEditBox());

    first->setEditable(true);
    click(40, 50);
    EXPECT_EQ(nullptr, first->getEditBox());
    doubleClick();
    EXPECT_NE(nullptr, first->getEditBox());
    press(Platform::KEY_ESCAPE);

    first->setSingleClick(true);
    first->setEditable(false);
    click(40, 50);
    EXPECT_NE(nullptr, first->getEditBox());
    press(Platform::KEY_RETURN);
    doubleClick();
    EXPECT_NE(nullptr, first->getEditBox()) << "a quick second click on a just-committed edit opens it again";
}

TEST_F(TextEditTest, TheLimitCountsCharactersAndEverythingTypedIsCommitted)
{
    clickInto(*first);
    const std::string sixty(60, '7');
    type(sixty);
    press(Platform::KEY_RETURN);
    EXPECT_EQ(sixty.substr(0, 50), text(*first));
    EXPECT_EQ(10, driver.getBeepCount());

    // A three-byte character counts once, and goes whole.
    first->setTextLimit(true, 3);
    clickInto(*first);
    typeText("a\xE2\x82\xAC" "b"); // a€b
    typeText("c");
    press(Platform::KEY_LEFT);
    press(Platform::KEY_BACKSPACE);
    press(Platform::KEY_RETURN);
    EXPECT_EQ("ab", text(*first));

    // A pasted text is cut at the limit, between characters, and at its first line break.
    driver.setClipboardText("12\xE2\x82\xAC" "45");
    first->setTextLimit(true, 4);
    clickInto(*first);
    press('v', true);
    press(Platform::KEY_RETURN);
    EXPECT_EQ("12\xE2\x82\xAC" "4", text(*first));
    driver.setClipboardText("7\r\n8");
    clickInto(*first);
    press('v', true);
    press(Platform::KEY_RETURN);
    EXPECT_EQ("7", text(*first));

    first->setTextLimit(false, 3);
    clickInto(*first);
    type("123456");
    press(Platform::KEY_RETURN);
    EXPECT_EQ("123456", text(*first));
}

TEST_F(TextEditTest, SelectionWordStepsAndDeletions)
{
    first->setText("120.00");
    clickInto(*first);
    press(Platform::KEY_HOME);
    for (int step = 0; step < 3; step++)
        press(Platform::KEY_RIGHT, false, true);
    type("9");
    press(Platform::KEY_END);
    press(Platform::KEY_LEFT, false, true);
    type("5");
    press(Platform::KEY_RETURN);
    EXPECT_EQ("9.05", text(*first));

    first->setText("one two three");
    clickInto(*first);
    press(Platform::KEY_HOME);
    press(Platform::KEY_RIGHT, true);
    press(Platform::KEY_RIGHT, true);  // after "two"
    press(Platform::KEY_BACKSPACE, true);
    EXPECT_EQ("one  three", typed(*first));
    press(Platform::KEY_LEFT, true);   // before "one"
    press(Platform::KEY_DELETE, true);
    EXPECT_EQ("  three", typed(*first));
    press(Platform::KEY_END, false, true);
    press(Platform::KEY_HOME, false, true); // the selection runs back to the start
    press(Platform::KEY_RIGHT, true, true);
    type("X");
    press(Platform::KEY_RETURN);
    EXPECT_EQ("X", text(*first));

    clickInto(*first);
    press(Platform::KEY_END);
    press('a', true);
    press(Platform::KEY_BACKSPACE);
    press(Platform::KEY_RETURN);
    EXPECT_EQ(" ", text(*first));
}

TEST_F(TextEditTest, CutCopyAndPasteGoThroughTheClipboard)
{
    first->setText("120.00");
    clickInto(*first);
    press('c', true);
    std::string held;
    ASSERT_TRUE(driver.getClipboardText(held));
    EXPECT_EQ("120.00", held);
    press(Platform::KEY_END);
    for (int step = 0; step < 3; step++)
        press(Platform::KEY_LEFT, false, true);
    press('x', true);
    ASSERT_TRUE(driver.getClipboardText(held));
    EXPECT_EQ(".00", held);
    press(Platform::KEY_HOME);
    press('v', true);
    press(Platform::KEY_INSERT, false, true);
    press(Platform::KEY_RETURN);
    EXPECT_EQ(".00.00120", text(*first));
}

TEST_F(TextEditTest, TheMouseSelectsByDraggingAndWordsByDoubleClicking)
{
    first->setText("abc def");
    first->setPopupAlignment(0);
    const CRect &area = first->getWindowArea();
    const long y = area.getCentralYPosition();
    const long abc = 1 + GUI::Graphics::measureTextBlock("abc", nullptr, 0).getWidth();
    clickInto(*first);
    deliver(*window, mouse(EMessageKind::MOUSE_MOVE, static_cast<int>(area.getLeft() + abc), static_cast<int>(y)));
    EXPECT_EQ(Platform::EStockCursor::TEXT, driver.getCursor());
    deliver(*window, mouse(EMessageKind::BUTTON_DOWN, static_cast<int>(area.getLeft() + abc), static_cast<int>(y)));
    deliver(*window, mouse(EMessageKind::MOUSE_MOVE, static_cast<int>(area.getRight() + 40), static_cast<int>(y)));
    EXPECT_EQ(Platform::EStockCursor::ARROW, driver.getCursor());
    deliver(*window, mouse(EMessageKind::BUTTON_UP, static_cast<int>(area.getRight() + 40), static_cast<int>(y)));
    type("!");
    EXPECT_EQ("abc!", typed(*first));

    deliver(*window, mouse(EMessageKind::DOUBLE_CLICK, static_cast<int>(area.getLeft() + 4), static_cast<int>(y)));
    deliver(*window, mouse(EMessageKind::BUTTON_UP, static_cast<int>(area.getLeft() + 4), static_cast<int>(y)));
    type("x");
    deliver(*window, mouse(EMessageKind::MOUSE_MOVE, static_cast<int>(area.getLeft() + 4), static_cast<int>(y)));
    press(Platform::KEY_RETURN);
    EXPECT_EQ("x!", text(*first));
    EXPECT_EQ(Platform::EStockCursor::ARROW, driver.getCursor()); // given back as the box closed
}

TEST_F(TextEditTest, TheCaretBlinksForTenSecondsAfterTheLastInput)
{
    clickInto(*first);
    press(Platform::KEY_END);
    EXPECT_EQ(CEditBox::BLINK_MILLISECONDS, record(*window).getTimerPeriod(CEditBox::CARET_TIMER_ID));
    const GUI::Controls::CEditBox &box = *first->getEditBox();
    EXPECT_TRUE(box.isCaretShown());
    for (long blink = 1; blink < CEditBox::BLINKS_BEFORE_REST; blink++)
    {
        ASSERT_TRUE(fireCaretTimer());
        EXPECT_EQ(blink % 2 == 0, box.isCaretShown());
    }
    ASSERT_TRUE(fireCaretTimer());
    EXPECT_TRUE(box.isCaretShown()); // and it stays: the timer stopped
    EXPECT_FALSE(fireCaretTimer());
    EXPECT_FALSE(box.isBlinking());

    press(Platform::KEY_LEFT);
    EXPECT_TRUE(record(*window).isTimerRunning(CEditBox::CARET_TIMER_ID));
    ASSERT_TRUE(fireCaretTimer());
    EXPECT_FALSE(box.isCaretShown());
}

TEST_F(TextEditTest, TheOpenBoxCoversExactlyTheControlWithTheTextSelected)
{
    const CAlphaColour face(250, 250, 250, 255);
    first->setColours(TEXT_INK, face, TEXT_INK);
    const CRect &area = first->getWindowArea();
    CRect around(area);
    around.inset(-1);
    clickInto(*first);
    const Picture pixels = shown(around);
    const auto at = [&](long x, long y) { return pixels[static_cast<std::size_t>(y * around.getWidth() + x)]; };
    const long right = around.getWidth() - 1;
    const long bottom = around.getHeight() - 1;
    for (long x = 1; x < right; x++)
    {
        EXPECT_EQ(rgb(face), at(x, 1));
        EXPECT_EQ(rgb(face), at(x, bottom - 1));
        EXPECT_EQ(rgb(BOX_FACE), at(x, 0));
        EXPECT_EQ(rgb(BOX_FACE), at(x, bottom));
    }
    for (long y = 1; y < bottom; y++)
    {
        EXPECT_EQ(rgb(face), at(1, y));
        EXPECT_EQ(rgb(face), at(right - 1, y));
        EXPECT_EQ(rgb(BOX_FACE), at(0, y));
        EXPECT_EQ(rgb(BOX_FACE), at(right, y));
    }
    EXPECT_NE(std::find(pixels.begin(), pixels.end(), 0x3584E4u), pixels.end()) << "no selection shown";

    // An edit that draws its own frame while closed gets a focus frame while open.
    press(Platform::KEY_ESCAPE);
    first->setDefaultControlDrawing(true);
    clickInto(*first);
    EXPECT_EQ(0x3584E4u, shown(around)[static_cast<std::size_t>(around.getWidth() + 1)]);
}

TEST_F(TextEditTest, WithTheCaretHiddenTheOpenBoxShowsTheTextWhereTheLabelDoes)
{
    const long pairs[][2] = {{GUI::Graphics::CGraphics::CENTRE_CENTRE, 1},
                             {GUI::Graphics::CGraphics::DEFAULT_LABEL, 0},
                             {GUI::Graphics::CGraphics::RIGHT_CENTRE, 2}};
    first->setText("140");
    for (const auto &pair : pairs)
    {
        first->setTextAlignment(pair[0]);
        first->setPopupAlignment(pair[1]);
        first->update();
        const Picture closed = shown(first->getWindowArea());
        clickInto(*first);
        press(Platform::KEY_END);
        ASSERT_TRUE(fireCaretTimer());
        EXPECT_EQ(closed, shown(first->getWindowArea())) << "alignment " << pair[0];
        ASSERT_TRUE(fireCaretTimer());
        EXPECT_NE(closed, shown(first->getWindowArea())) << "no caret with alignment " << pair[0];
        press(Platform::KEY_ESCAPE);
    }
}

TEST_F(TextEditTest, ALongTextScrollsToKeepTheCaretInSight)
{
    first->setArea(CRect(10, 10, 60, 30));
    clickInto(*first);
    type("12345678901234567890");
    const CRect &area = first->getWindowArea();
    const auto caretPictures = [&] {
        const Picture caret = shown(area);
        fireCaretTimer();
        return std::make_pair(caret, shown(area));
    };
    const auto atEnd = caretPictures();
    EXPECT_NE(atEnd.first, atEnd.second) << "the caret is out of sight at the end";
    press(Platform::KEY_HOME);
    const auto atStart = caretPictures();
    EXPECT_NE(atStart.first, atStart.second) << "the caret is out of sight at the start";
    EXPECT_NE(atEnd.second, atStart.second) << "the text did not scroll";
    press(Platform::KEY_RETURN);
    EXPECT_EQ("12345678901234567890", text(*first));
}

TEST_F(TextEditTest, EditingRestoresTheLockTheWindowRootHadBefore)
{
    GUI::Controls::IControlRoot *root = window->getControlRoot();
    root->lockControl(other);
    first->startEditing();
    EXPECT_EQ(first, root->getLockedControl());
    press(Platform::KEY_ESCAPE);
    EXPECT_EQ(other, root->getLockedControl());

    // Not a control the root has let go of meanwhile.
    first->startEditing();
    root->removeControl(other);
    press(Platform::KEY_RETURN);
    EXPECT_EQ(nullptr, root->getLockedControl());
}

TEST_F(TextEditTest, ADroppedFileSetsTheTextOfAClosedEditWithoutAnEvent)
{
    panel->setDropFileEnabled(true);
    Platform::SPlatformMessage drop = mouse(EMessageKind::FILES_DROPPED, 40, 50);
    drop.paths = {"/music/take.wav"};
    deliver(*window, drop);
    EXPECT_EQ("/music/take.wav", text(*first));
    EXPECT_TRUE(recorder.controls.empty());
}

TEST_F(TextEditTest, AddsItsPropertiesAfterTheLabels)
{
    Basics::TCountedPointerArray<CControlDescriptor> list;
    first->getPropertyDescriptors(list);
    ASSERT_EQ(18, list.getNumberOfElements());
    std::string added;
    for (long index = 14; index < 18; index++)
        added += std::string(list.getElementAtIndex(index)->getName().getString()) + " " +
                 std::to_string(list.getElementAtIndex(index)->getType()) + ";";
    EXPECT_EQ("Text Limit 4;Editable 3;Single Click 3;Popup Alignment 7;", added);

    CControlDescriptor limit("Text Limit", CControlDescriptor::WHOLE_NUMBER);
    ASSERT_TRUE(first->getProperty(limit));
    EXPECT_EQ(50, static_cast<const Basics::CLong *>(limit.getValue())->getValue());
    EXPECT_TRUE(first->setProperty(CControlDescriptor("Text Limit", CControlDescriptor::WHOLE_NUMBER,
                                                      new Basics::CLong(0))));
    ASSERT_TRUE(first->getProperty(limit));
    EXPECT_EQ(-1, static_cast<const Basics::CLong *>(limit.getValue())->getValue());

    EXPECT_TRUE(first->setProperty(CControlDescriptor("Single Click", CControlDescriptor::YES_NO,
                                                      new Basics::CBool(false))));
    EXPECT_FALSE(first->isSingleClick());
    CControlDescriptor alignment("Popup Alignment", CControlDescriptor::CHOICE);
    ASSERT_TRUE(first->getProperty(alignment));
    alignment.setSelectedIndex(2);
    EXPECT_TRUE(first->setProperty(alignment));
    EXPECT_EQ(2, first->getPopupAlignment());
    alignment.setSelectedIndex(-1);
    EXPECT_FALSE(first->setProperty(alignment));
    EXPECT_EQ(2, first->getPopupAlignment());
}
} // namespace
