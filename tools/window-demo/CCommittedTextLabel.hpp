#pragma once

#include "framework/gui/controls/CTextLabel.hpp"

namespace Corvane::Demo
{
/** A label that shows the text last committed in any text edit that reports to it. */
class CCommittedTextLabel : public GUI::Controls::CTextLabel, public GUI::Controls::IActionListener
{
public:
    CCommittedTextLabel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);

    void handleActionEvent(const GUI::Controls::CActionEvent &event) override;
};
} // namespace Corvane::Demo
