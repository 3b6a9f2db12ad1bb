#pragma once

#include "app/layout/CPanelLayout.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CComboBox.hpp"
#include "framework/gui/controls/CControlPanel.hpp"
#include "framework/gui/controls/CTextEdit.hpp"

#include <vector>

namespace Corvane::Orvo
{
/**
 * What every calculator panel is: a strip of the window that holds the controls its row of the
 * layout table names (text edits for the fields, a combo box for a division or a note, a result
 * label), listens to them, and runs its calculation when one reports a finished action. Each
 * range message the calculation raises is shown in an error box before the fields and the
 * result are rewritten. The ten panel classes differ only in their row of the table and in the
 * choice they hand the calculation.
 */
class CCalculatorPanel : public GUI::Controls::CControlPanel, public GUI::Controls::IActionListener
{
public:
    /** The id of the controls a panel calculates from; the combo box of a division panel is 1. */
    static constexpr long FIRST_INPUT = 0;
    static constexpr long SECOND_INPUT = 1;
    /** The id of a panel's only input (the note panels), which every event of it recalculates. */
    static constexpr long ONLY_INPUT = -1;

    /** Runs the calculation on the fields' texts and shows its messages, fields and result. */
    void calculate();
    void handleActionEvent(const GUI::Controls::CActionEvent &event) override;

    GUI::Controls::CTextLabel &getResult() const { return *m_result; }
    /** The combo box, or null in a panel without one. */
    GUI::Controls::CComboBox *getChooser() const { return m_chooser.get(); }
    /** The text edit of calculation field @p field, from 0. */
    GUI::Controls::CTextEdit &getField(std::size_t field) const { return *m_fields.at(field); }

protected:
    /**
     * Builds the panel's controls from @p layout; @p menu is the menu of its combo box, if it
     * has one. Each panel class works its first result out once it is whole (calculate()).
     */
    CCalculatorPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area,
                     const SPanelLayout &layout, GUI::Controls::CMenu *menu);

    /** The division or note the calculation takes. */
    virtual long getChoice() const { return m_layout.initialChoice; }
    /** What the panel does when its combo box reports a choice. */
    virtual void handleChoice() { calculate(); }
    const SPanelLayout &getLayout() const { return m_layout; }

private:
    void addControlFor(const SControlLayout &control, GUI::Controls::CMenu *menu);
    void showResultOf(const CCalculationOutcome &outcome);

    const SPanelLayout &m_layout;
    std::vector<Basics::TCountedReference<GUI::Controls::CTextEdit>> m_fields;
    Basics::TCountedReference<GUI::Controls::CComboBox> m_chooser;
    Basics::TCountedReference<GUI::Controls::CTextLabel> m_result;
};

/** A panel whose combo box chooses a tempo division, which it keeps (1/4 at first). */
class CDivisionPanel : public CCalculatorPanel
{
protected:
    CDivisionPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area,
                   const SPanelLayout &layout, GUI::Controls::CMenu *divisions);

    long getChoice() const override { return m_division; }
    /** Keeps the chosen item's division and calculates; without a chosen item it says so. */
    void handleChoice() override;

private:
    long m_division;
};
} // namespace Corvane::Orvo
