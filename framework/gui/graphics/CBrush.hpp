#pragma once

#include "framework/gui/graphics/CairoHandles.hpp"
#include "framework/mathtools/CAlphaColour.hpp"

namespace Corvane::GUI::Graphics
{
/**
 * The fill colour of a drawing target. Like the pen, it keeps a solid opaque pattern for the
 * plain renderer (none while hollow) and gives its colour, alpha included, to the anti-aliased one.
 */
class CBrush
{
public:
    CBrush() = default;
    CBrush(const CBrush &) = delete;
    CBrush &operator=(const CBrush &) = delete;
    virtual ~CBrush() = default;

    /** Replaces the platform brush by a solid one in the colour's red, green and blue. */
    virtual void createBrush();
    /** Forgets the target and frees the platform brush. */
    virtual void release();

    void initialise(cairo_t *target, const MathTools::CAlphaColour &colour);
    void setColour(const MathTools::CAlphaColour &colour);
    /** No fill for plain shapes until the next createBrush: they are drawn as outlines only. */
    void selectHollowBrush();

    const MathTools::CAlphaColour &getColour() const { return m_colour; }
    cairo_t *getTarget() const { return m_target; }
    /** The pattern plain shapes are filled with; null while hollow or released. */
    cairo_pattern_t *getPlatformBrush() const { return m_platformBrush.get(); }

private:
    cairo_t *m_target = nullptr;
    PatternHolder m_platformBrush;
    MathTools::CAlphaColour m_colour;
};
} // namespace Corvane::GUI::Graphics
