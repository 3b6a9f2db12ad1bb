#pragma once

#include "framework/gui/graphics/CairoHandles.hpp"
#include "framework/mathtools/CAlphaColour.hpp"
#include "framework/mathtools/CRect.hpp"

#include <cairo.h>

/**
 * The cairo pieces that the pictures, the clip, pens, brushes and the graphics surface share.
 * Only the drawing code includes this: it is where cairo is used.
 */
namespace Corvane::GUI::Graphics::Cairo
{
constexpr long OPAQUE_ALPHA = 255;

/** Saves the target's state and restores it when the scope ends, whatever a drawing step did. */
class CSavedState
{
public:
    explicit CSavedState(cairo_t *target) : m_target(target) { cairo_save(target); }
    CSavedState(const CSavedState &) = delete;
    CSavedState &operator=(const CSavedState &) = delete;
    ~CSavedState() { cairo_restore(m_target); }

private:
    cairo_t *m_target;
};

/** How a picture's pixels reach the target. */
enum class PictureCopy
{
    EXACT,       // every word as it is, alpha included, replacing the target's
    COLOUR_ONLY, // the colour channels as opaque pixels; the picture's alpha is not read
    BLENDED      // source-over with the picture's own (premultiplied) alpha
};

/** A constant alpha of 0.0 to 1.0 as the whole number 0 to 255, truncated; values outside are clamped. */
long constantAlpha(double alpha);

void setSourceColour(cairo_t *target, const MathTools::CColour &colour, long alpha);
/** A solid pattern of the colour, with alpha. */
PatternHolder createSolidPattern(const MathTools::CColour &colour, long alpha);

/** Replaces the pixels of @p area by the opaque colour. */
void fillArea(cairo_t *target, const MathTools::CRect &area, const MathTools::CColour &colour);

/**
 * Draws @p source of @p picture onto @p destination of the target, scaled by nearest pixel
 * when the sizes differ, with a constant alpha of 0 to 255 on top of the chosen copy. Nothing is
 * drawn, and the answer is false, for an empty area or a missing picture.
 */
bool copyPicture(cairo_t *target, cairo_surface_t *picture, const MathTools::CRect &destination,
                 const MathTools::CRect &source, long alpha, PictureCopy how);

/**
 * Adds to the path the arc of the ellipse inscribed in the box, from @p startDegrees sweeping
 * @p sweepDegrees; angles grow clockwise on the screen from the positive x axis. A straight
 * connection joins it to the current point. An empty box adds its centre.
 */
void appendArcInBox(cairo_t *target, double left, double top, double width, double height, double startDegrees,
                    double sweepDegrees);

/**
 * Adds, as whole-pixel rectangles, the pixels of the one-pixel line from @p from towards @p to
 * (Bresenham), without the end pixel: a line of length 0 adds nothing.
 */
void appendLinePixels(cairo_t *target, const MathTools::CPoint &from, const MathTools::CPoint &to);
} // namespace Corvane::GUI::Graphics::Cairo
