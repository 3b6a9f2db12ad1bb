#include "framework/gui/controls/CImageLabel.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CImageLabel, "CImageLabel", "CControl")

CImageLabel::CImageLabel(IControlRoot *root, long uniqueId, const MathTools::CRect &area)
    : CControl(root, uniqueId, area, nullptr)
{
    setMouseEnabled(false);
}

void CImageLabel::drawControl(Graphics::CGraphics &graphics)
{
    if (drawDisabledControl(graphics))
        drawBackground(graphics, isDefaultControlDrawing());
}
} // namespace Corvane::GUI::Controls
