#pragma once

#include "framework/gui/controls/CComboBox.hpp"
#include "framework/gui/controls/CControlPanel.hpp"

namespace Corvane::Demo
{
/**
 * Adds to @p panel, @p top pixels down, a caption and a combo box holding the tempo-division menu,
 * showing "1/4"; answers the combo box.
 */
GUI::Controls::CComboBox *addDivisionChooser(GUI::Controls::CControlPanel &panel, long top);
} // namespace Corvane::Demo
