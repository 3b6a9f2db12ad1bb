#pragma once

#include "framework/gui/controls/CControl.hpp"

namespace Corvane::GUI::Controls
{
/**
 * Shows its primary image over its whole area (or, with default drawing, the background fill and
 * frame) and nothing else. Clicks pass through it to whatever lies under it.
 */
class CImageLabel : public CControl, private Basics::TInstanceCounter<CImageLabel>
{
public:
    CORVANE_DECLARE_CLASS

    CImageLabel(IControlRoot *root, long uniqueId, const MathTools::CRect &area);

    void drawControl(Graphics::CGraphics &graphics) override;
};
} // namespace Corvane::GUI::Controls
