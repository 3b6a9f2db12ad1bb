#pragma once

#include "framework/gui/controls/CComboBox.hpp"
#include "framework/gui/controls/CTextEdit.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "framework/gui/windows/CWindow.hpp"
#include "tools/window-demo/CCommittedTextLabel.hpp"

namespace Corvane::Demo
{
/** A label that counts the clicks it gets. */
class CClickCounter : public GUI::Controls::CTextLabel
{
public:
    CClickCounter(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);

    void handleLeftButtonUp(GUI::Controls::CMouseEvent &event) override;
    void setCount(long count);
    long getCount() const { return m_count; }

private:
    long m_count = 0;
};

/**
 * The framework's demonstration window: a panel with labels, a click counter, a text edit whose
 * committed text a label beside it shows, and a tempo-division chooser; M shows a message box
 * while no edit is open. End-to-end tests drive it under a real X server and compare its pixels
 * with drawOffscreen's.
 */
class CDemoWindow : public GUI::Windows::CWindow
{
public:
    static constexpr long WIDTH = 320;
    static constexpr long HEIGHT = 220;
    static constexpr const char *TITLE = "Corvane demo";
    static constexpr const char *MESSAGE_TITLE = "Corvane demo message";

    explicit CDemoWindow(const MathTools::CPoint &position);

    /** The attributes the window is opened with. */
    static void describe(GUI::Windows::CWindowAttributes &attributes);

    bool handleKeyboardHook(const Platform::SPlatformMessage &message) override;
    CClickCounter &getCounter() { return *m_counter; }
    GUI::Controls::CTextEdit &getEdit() { return *m_edit; }
    CCommittedTextLabel &getCommittedText() { return *m_committed; }
    GUI::Controls::CComboBox &getDivisionChooser() { return *m_divisionChooser; }

private:
    CClickCounter *m_counter;
    GUI::Controls::CTextEdit *m_edit;
    CCommittedTextLabel *m_committed;
    GUI::Controls::CComboBox *m_divisionChooser;
};
} // namespace Corvane::Demo
