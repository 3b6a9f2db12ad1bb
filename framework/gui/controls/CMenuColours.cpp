#include "framework/gui/controls/CMenuColours.hpp"

namespace Corvane::GUI::Controls
{
using MathTools::CAlphaColour;

CMenuColours::CMenuColours()
    : m_colours{CAlphaColour(0, 0, 0, 255),       CAlphaColour(208, 208, 208, 255), CAlphaColour(239, 149, 41, 255),
                CAlphaColour(0, 0, 0, 255),       CAlphaColour(153, 116, 188, 255), CAlphaColour(153, 116, 188, 255)}
{
}
} // namespace Corvane::GUI::Controls
