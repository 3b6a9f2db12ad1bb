#include "app/panels/CCalculatorPanel.hpp"

#include "app/COrvoWindow.hpp"
#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CMenuItem.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/windows/Dialogs.hpp"

namespace Corvane::Orvo
{
using GUI::Controls::CComboBox;
using GUI::Controls::CTextEdit;
using GUI::Controls::CTextLabel;

namespace
{
/** Text inside an open edit box is centred, as in the closed field. */
constexpr long CENTRED_IN_BOX = 1;
} // namespace

CCalculatorPanel::CCalculatorPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area,
                                   const SPanelLayout &layout, GUI::Controls::CMenu *menu)
    : CControlPanel(root->getParentWindow(), root, uniqueId, area, nullptr), m_layout(layout)
{
    for (const SControlLayout &control : layout.controls)
        addControlFor(control, menu);
}

void CCalculatorPanel::addControlFor(const SControlLayout &control, GUI::Controls::CMenu *menu)
{
    CTextLabel *made = nullptr;
    switch (control.kind)
    {
    case EControlKind::TEXT_EDIT:
    {
        auto *edit = new CTextEdit(this, control.uniqueId, control.getArea(), control.initialText, this);
        edit->setPopupAlignment(CENTRED_IN_BOX);
        edit->setSingleClick(true);
        m_fields.emplace_back(edit);
        made = edit;
        break;
    }
    case EControlKind::COMBO_BOX:
    {
        const COrvoLooks &looks = COrvoWindow::of(*this).getLooks();
        auto *chooser = new CComboBox(this, control.uniqueId, control.getArea(), control.initialText, menu, this);
        chooser->createMenuWindow(&looks.getMenuWindowAttributes(), false);
        chooser->setFont(GUI::Graphics::CFont::getDefaultFont());
        chooser->setMenuColours(looks.getMenuColours());
        m_chooser.reset(chooser);
        made = chooser;
        break;
    }
    case EControlKind::RESULT_LABEL:
        made = new CTextLabel(this, control.uniqueId, control.getArea(), control.initialText);
        m_result.reset(made);
        break;
    }
    made->setTextAlignment(CPanelLayout::TEXT_ALIGNMENT);
    const SControlColours colours = control.getColours();
    made->setColours(colours.frame, colours.background, colours.text);
    addControl(made);
}

void CCalculatorPanel::calculate()
{
    std::vector<Basics::CString> texts;
    for (const auto &field : m_fields)
        texts.push_back(field->getText());
    showResultOf(m_layout.getCalculation().calculate(texts, getChoice()));
}

void CCalculatorPanel::showResultOf(const CCalculationOutcome &outcome)
{
    for (const CPanelMessage &message : outcome.getMessages())
        GUI::Windows::messageBox(message.getText(), message.getTitle(), true);
    for (std::size_t field = 0; field < m_fields.size(); field++)
    {
        m_fields[field]->setText(outcome.getFieldTexts()[field]);
        m_fields[field]->update();
    }
    m_result->setText(outcome.getResultText());
    m_result->update();
}

void CCalculatorPanel::handleActionEvent(const GUI::Controls::CActionEvent &event)
{
    const GUI::Controls::IControl *source = event.getControl();
    if (m_chooser && source == m_chooser.get())
        handleChoice();
    else if (source->getUniqueId() == FIRST_INPUT || source->getUniqueId() == SECOND_INPUT ||
             source->getUniqueId() == ONLY_INPUT)
        calculate();
}

CDivisionPanel::CDivisionPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area,
                               const SPanelLayout &layout, GUI::Controls::CMenu *divisions)
    : CCalculatorPanel(root, uniqueId, area, layout, divisions), m_division(layout.initialChoice)
{
}

void CDivisionPanel::handleChoice()
{
    const GUI::Controls::CMenuItem *item = getChooser()->getSelectedItem();
    if (item == nullptr)
    {
        GUI::Windows::messageBox("Please select a valid tempo division", "Orvo Error", false);
        return;
    }
    m_division = item->getId();
    calculate();
}
} // namespace Corvane::Orvo
