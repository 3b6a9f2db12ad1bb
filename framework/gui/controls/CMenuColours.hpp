#pragma once

#include "framework/mathtools/CAlphaColour.hpp"

#include <array>

namespace Corvane::GUI::Controls
{
/**
 * The six colours a menu window draws with. A new set has the framework's menu look: black text,
 * light grey for what cannot be chosen, an orange separator, and a purple frame and highlight.
 */
class CMenuColours
{
public:
    enum ERole
    {
        ITEM_TEXT = 0,
        DISABLED_TEXT = 1, // also the arrow of a sub-menu item that cannot be opened
        SEPARATOR = 2,
        SUB_MENU_ARROW = 3,
        FRAME = 4, // the menu's outline and the highlight's
        HIGHLIGHT_FILL = 5,
        NUMBER_OF_ROLES = 6
    };

    CMenuColours();

    const MathTools::CAlphaColour &getColour(ERole role) const { return m_colours[role]; }
    void setColour(ERole role, const MathTools::CAlphaColour &colour) { m_colours[role] = colour; }

private:
    std::array<MathTools::CAlphaColour, NUMBER_OF_ROLES> m_colours;
};
} // namespace Corvane::GUI::Controls
