#pragma once

#include "framework/gui/controls/CControl.hpp"

#include <vector>

namespace Corvane::GUI::Controls
{
/**
 * A row of vertical bars side by side, each holding a value from 0.0 (empty) to 1.0 (full) that
 * the user sets by pressing in a bar or dragging over the bars: the bar fills from the bottom up
 * to the pointer. Each change tells the action listener; getLastMovedSlider says which bar moved.
 * While the button is down the slider array locks itself in its root, so the drag keeps reaching
 * it wherever the pointer goes; outside the bars nothing changes.
 */
class CSliderArray : public CControl, private Basics::TInstanceCounter<CSliderArray>
{
public:
    CORVANE_DECLARE_CLASS

    /** @p numberOfSliders bars of @p sliderWidth pixels, @p gap apart, all full. */
    CSliderArray(IControlRoot *root, long uniqueId, const MathTools::CRect &area, IActionListener *listener,
                 long numberOfSliders, long sliderWidth, long gap);

    /** Ignored unless 0.0 <= @p value <= 1.0 and @p index names a bar; asks to be redrawn. */
    void setSliderValue(double value, long index);
    /** The bar's value; 0.0 for an index that names no bar. */
    double getSliderValue(long index) const;
    long getNumberOfSliders() const { return static_cast<long>(m_values.size()); }
    /** The bar whose value changed last during the present drag; 0 otherwise. */
    long getLastMovedSlider() const { return m_lastMovedSlider; }
    /** Note the order: the control's frame and background colours, then the bars' two fills. */
    void setSliderColours(const MathTools::CAlphaColour &frame, const MathTools::CAlphaColour &background,
                          const MathTools::CAlphaColour &slider, const MathTools::CAlphaColour &activeSlider);
    /** Places the bars again, @p width pixels wide and @p gap apart, and fills every one. */
    void layoutSliders(long width, long gap);

    void drawControl(Graphics::CGraphics &graphics) override;
    void handleLeftButtonDown(CMouseEvent &event) override;
    void handleMouseMovement(CMouseEvent &event) override;
    void handleLeftButtonUp(CMouseEvent &event) override;
    void handleMouseLeavingArea(CMouseEvent &event) override;

private:
    /** The full-height column of bar @p index, in the control's own coordinates. */
    MathTools::CRect getSlot(long index) const;
    /** Sets bar @p index's filled part to reach from @p top down to the bottom. */
    void fillFrom(long index, long top);
    /** Finds the bar under the pointer and, when there is one, moves it to the pointer. */
    void moveToPointer(const CMouseEvent &event);
    void endDrag();

    MathTools::CAlphaColour m_sliderColour{239, 149, 41, 255};
    MathTools::CAlphaColour m_activeSliderColour{243, 32, 32, 255};
    std::vector<double> m_values;
    std::vector<MathTools::CRect> m_bars;
    long m_sliderWidth = 0;
    long m_gap = 0;
    bool m_dragging = false;
    long m_hitSlider = -1;
    long m_lastMovedSlider = 0;
};
} // namespace Corvane::GUI::Controls
