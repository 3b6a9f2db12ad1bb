#pragma once

#include "framework/gui/graphics/CairoHandles.hpp"
#include "framework/mathtools/CAlphaColour.hpp"

namespace Corvane::GUI::Graphics
{
/**
 * The outline colour and width of a drawing target. The plain renderer draws with the pen's own
 * solid, opaque pattern (its "platform pen"), made again whenever the colour or width changes;
 * the anti-aliased renderer reads the width and the colour, alpha included, at each call.
 */
class CPen
{
public:
    CPen() = default;
    CPen(const CPen &) = delete;
    CPen &operator=(const CPen &) = delete;
    virtual ~CPen() = default;

    /** Replaces the platform pen by a solid one in the colour's red, green and blue. */
    virtual void createPen();
    /** Forgets the target and frees the platform pen. */
    virtual void release();

    /** Binds the pen to @p target with @p width and @p colour. */
    void initialise(long width, cairo_t *target, const MathTools::CAlphaColour &colour);
    void setWidth(long width);
    void setColour(const MathTools::CAlphaColour &colour);
    /** Makes the platform pen invisible, keeping the width, until the next createPen. */
    void selectNullPen();

    long getWidth() const { return m_width; }
    const MathTools::CAlphaColour &getColour() const { return m_colour; }
    cairo_t *getTarget() const { return m_target; }
    /** The pattern plain lines are drawn with; null once released. */
    cairo_pattern_t *getPlatformPen() const { return m_platformPen.get(); }

private:
    cairo_t *m_target = nullptr;
    PatternHolder m_platformPen;
    std::int32_t m_width = 1;
    MathTools::CAlphaColour m_colour{0, 0, 0, 255};
};
} // namespace Corvane::GUI::Graphics
