#include "tools/window-demo/CCommittedTextLabel.hpp"

#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CTextEdit.hpp"

namespace Corvane::Demo
{
CCommittedTextLabel::CCommittedTextLabel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area)
    : CTextLabel(root, uniqueId, area, "")
{
}

void CCommittedTextLabel::handleActionEvent(const GUI::Controls::CActionEvent &event)
{
    if (const auto *edit = dynamic_cast<const GUI::Controls::CTextEdit *>(event.getControl()))
        setText(edit->getText());
}
} // namespace Corvane::Demo
