#include "framework/gui/graphics/CairoDrawing.hpp"

#include <algorithm>
#include <cmath>
#include <memory>

namespace Corvane::GUI::Graphics
{
void CairoPatternReleaser::operator()(cairo_pattern_t *pattern) const
{
    cairo_pattern_destroy(pattern);
}

void CairoTargetReleaser::operator()(cairo_t *target) const
{
    cairo_destroy(target);
}
} // namespace Corvane::GUI::Graphics

namespace Corvane::GUI::Graphics::Cairo
{
namespace
{
constexpr double CHANNEL_SCALE = 255.0;

struct SurfaceReleaser
{
    void operator()(cairo_surface_t *surface) const { cairo_surface_destroy(surface); }
};
using SurfaceHolder = std::unique_ptr<cairo_surface_t, SurfaceReleaser>;

/**
 * The same memory read as RGB24, so that cairo takes every pixel as opaque and never looks at the
 * alpha byte: how a picture whose alpha means nothing is copied.
 */
SurfaceHolder colourOnlyView(cairo_surface_t *picture)
{
    cairo_surface_flush(picture);
    return SurfaceHolder(cairo_image_surface_create_for_data(
        cairo_image_surface_get_data(picture), CAIRO_FORMAT_RGB24, cairo_image_surface_get_width(picture),
        cairo_image_surface_get_height(picture), cairo_image_surface_get_stride(picture)));
}

long sign(long value)
{
    return (value > 0) - (value < 0);
}
} // namespace

long constantAlpha(double alpha)
{
    return static_cast<long>(std::clamp(alpha, 0.0, 1.0) * CHANNEL_SCALE);
}

void setSourceColour(cairo_t *target, const MathTools::CColour &colour, long alpha)
{
    cairo_set_source_rgba(target, colour.getRed() / CHANNEL_SCALE, colour.getGreen() / CHANNEL_SCALE,
                          colour.getBlue() / CHANNEL_SCALE, alpha / CHANNEL_SCALE);
}

PatternHolder createSolidPattern(const MathTools::CColour &colour, long alpha)
{
    return PatternHolder(cairo_pattern_create_rgba(colour.getRed() / CHANNEL_SCALE, colour.getGreen() / CHANNEL_SCALE,
                                                   colour.getBlue() / CHANNEL_SCALE, alpha / CHANNEL_SCALE));
}

void fillArea(cairo_t *target, const MathTools::CRect &area, const MathTools::CColour &colour)
{
    CSavedState saved(target);
    cairo_set_operator(target, CAIRO_OPERATOR_SOURCE);
    setSourceColour(target, colour, OPAQUE_ALPHA);
    cairo_rectangle(target, area.getLeft(), area.getTop(), area.getWidth(), area.getHeight());
    cairo_fill(target);
}

bool copyPicture(cairo_t *target, cairo_surface_t *picture, const MathTools::CRect &destination,
                 const MathTools::CRect &source, long alpha, PictureCopy how)
{
    if (target == nullptr || picture == nullptr || destination.getWidth() <= 0 || destination.getHeight() <= 0 ||
        source.getWidth() <= 0 || source.getHeight() <= 0)
        return false;
    SurfaceHolder view;
    if (how == PictureCopy::COLOUR_ONLY)
    {
        view = colourOnlyView(picture);
        picture = view.get();
    }
    CSavedState saved(target);
    cairo_rectangle(target, destination.getLeft(), destination.getTop(), destination.getWidth(),
                    destination.getHeight());
    cairo_clip(target);
    cairo_translate(target, destination.getLeft(), destination.getTop());
    cairo_scale(target, static_cast<double>(destination.getWidth()) / source.getWidth(),
                static_cast<double>(destination.getHeight()) / source.getHeight());
    cairo_set_source_surface(target, picture, -source.getLeft(), -source.getTop());
    cairo_pattern_set_filter(cairo_get_source(target), CAIRO_FILTER_NEAREST);
    cairo_set_operator(target, how == PictureCopy::EXACT ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
    if (alpha >= OPAQUE_ALPHA)
        cairo_paint(target);
    else
        cairo_paint_with_alpha(target, alpha / CHANNEL_SCALE);
    return true;
}

void appendArcInBox(cairo_t *target, double left, double top, double width, double height, double startDegrees,
                    double sweepDegrees)
{
    const double centreX = left + width / 2;
    const double centreY = top + height / 2;
    if (width == 0 || height == 0)
    {
        cairo_line_to(target, centreX, centreY);
        return;
    }
    const double start = startDegrees * M_PI / 180;
    const double end = (startDegrees + sweepDegrees) * M_PI / 180;
    cairo_matrix_t saved;
    cairo_get_matrix(target, &saved);
    cairo_translate(target, centreX, centreY);
    cairo_scale(target, width / 2, height / 2);
    if (sweepDegrees >= 0)
        cairo_arc(target, 0, 0, 1, start, end);
    else
        cairo_arc_negative(target, 0, 0, 1, start, end);
    cairo_set_matrix(target, &saved);
}

void appendLinePixels(cairo_t *target, const MathTools::CPoint &from, const MathTools::CPoint &to)
{
    const long deltaX = to.getXPosition() - from.getXPosition();
    const long deltaY = to.getYPosition() - from.getYPosition();
    const bool alongX = std::labs(deltaX) >= std::labs(deltaY);
    const long major = alongX ? std::labs(deltaX) : std::labs(deltaY);
    const long minor = alongX ? std::labs(deltaY) : std::labs(deltaX);
    const long majorStep = sign(alongX ? deltaX : deltaY);
    const long minorStep = sign(alongX ? deltaY : deltaX);
    long position = alongX ? from.getXPosition() : from.getYPosition();
    long across = alongX ? from.getYPosition() : from.getXPosition();
    long runStart = position;
    long decision = 2 * minor - major;
    // Pixels that share a row (or a column) go out as one rectangle.
    for (long step = 0; step < major; step++, position += majorStep)
    {
        const bool moveAcross = decision > 0;
        if (moveAcross || step == major - 1)
        {
            const double low = std::min(runStart, position);
            const double length = std::labs(position - runStart) + 1;
            if (alongX)
                cairo_rectangle(target, low, across, length, 1);
            else
                cairo_rectangle(target, across, low, 1, length);
            runStart = position + majorStep;
        }
        if (moveAcross)
        {
            across += minorStep;
            decision -= 2 * major;
        }
        decision += 2 * minor;
    }
}
} // namespace Corvane::GUI::Graphics::Cairo
