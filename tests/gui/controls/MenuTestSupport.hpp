#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CComboBox.hpp"
#include "framework/gui/controls/CMenuRoot.hpp"
#include "tests/gui/windows/WindowTestSupport.hpp"

#include <vector>

namespace Corvane::Testing
{
/** Counts the action events it gets and keeps the id of the combo box's choice at each. */
class CChoiceRecorder : public GUI::Controls::IActionListener
{
public:
    void handleActionEvent(const GUI::Controls::CActionEvent &event) override;

    std::vector<long> chosenIds;
};

/**
 * A main window at (100, 100), 300 by 200, holding a 60-pixel-wide combo box at (20, 30) with
 * the tempo-division menu, its menu window made with white, slightly see-through attributes, and
 * a recording control at (150, 100) to tell where presses go. Text is drawn in Arial 14.
 */
class MenuTest : public HeadlessWindowTest
{
protected:
    MenuTest();
    ~MenuTest() override;

    /** The combo box's menu window. */
    GUI::Controls::CMenuWindow &menuWindow() const;
    GUI::Controls::CMenuRoot &rootOf(const GUI::Controls::CMenuWindow &window) const;
    /** The height of a row of @p window's menu. */
    long rowHeight(const GUI::Controls::CMenuWindow &window) const;
    /** A point in the middle of the left part of row @p row of @p window, in its client area. */
    MathTools::CPoint rowPoint(const GUI::Controls::CMenuWindow &window, long row) const;

    void moveTo(GUI::Windows::CWindow &window, const MathTools::CPoint &point);
    void press(GUI::Windows::CWindow &window, const MathTools::CPoint &point);
    void release(GUI::Windows::CWindow &window, const MathTools::CPoint &point);
    /** A move to the point, a press and a release there. */
    void click(GUI::Windows::CWindow &window, const MathTools::CPoint &point);
    void clickComboBox();
    /** A key press and release with a key code, delivered to the main window. */
    void pressKey(std::int32_t key);
    /** Paints what every window has pending, as the message loop does when it runs out of messages. */
    static void paintPending();

    Basics::TCountedReference<GUI::Windows::CWindow> mainWindow;
    Basics::TCountedReference<GUI::Controls::CMenu> menu;
    Basics::TCountedReference<GUI::Windows::CWindowAttributes> menuAttributes;
    CChoiceRecorder recorder;
    GUI::Controls::CComboBox *comboBox;
    RecordingControl *underneath;
};
} // namespace Corvane::Testing
