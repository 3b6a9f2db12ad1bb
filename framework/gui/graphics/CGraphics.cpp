#include "framework/gui/graphics/CGraphics.hpp"

#include "framework/gui/graphics/CBaseImage.hpp"
#include "framework/gui/graphics/CTextLayout.hpp"
#include "framework/gui/graphics/CairoDrawing.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Corvane::GUI::Graphics
{
using Cairo::CSavedState;
using MathTools::CAlphaColour;
using MathTools::CPoint;
using MathTools::CRect;

namespace
{
const CAlphaColour INITIAL_PEN_COLOUR(0, 0, 0, 255);
const CAlphaColour INITIAL_BRUSH_COLOUR(255, 255, 255, 255);

/** The centre of pixel (x, y): strokes of odd widths through it cover whole pixels. */
constexpr double PIXEL_CENTRE = 0.5;

struct SPlacement
{
    CTextLayout::EPlacement horizontal;
    CTextLayout::EPlacement vertical;
};

SPlacement placementOf(long alignment)
{
    using P = CTextLayout::EPlacement;
    static const SPlacement placements[] = {
        {P::START, P::START},  {P::CENTRE, P::START},  {P::END, P::START},
        {P::START, P::CENTRE}, {P::CENTRE, P::CENTRE}, {P::END, P::CENTRE},
        {P::START, P::END},    {P::CENTRE, P::END},    {P::END, P::END},
        {P::START, P::CENTRE}, {P::CENTRE, P::CENTRE}};
    if (alignment < 0 || alignment >= static_cast<long>(std::size(placements)))
        return placements[CGraphics::LEFT_TOP];
    return placements[alignment];
}

/** Pens narrower than a pixel still draw one, as the platform's cosmetic pens did. */
double strokeWidth(const CPen &pen)
{
    return std::max(1L, pen.getWidth());
}

/** The angle, in degrees, of the ray from the ellipse's centre through @p point, on the ellipse. */
double angleOnEllipse(const CPoint &point, double centreX, double centreY, double radiusX, double radiusY)
{
    return std::atan2((point.getYPosition() + PIXEL_CENTRE - centreY) / radiusY,
                      (point.getXPosition() + PIXEL_CENTRE - centreX) / radiusX) *
           180 / M_PI;
}

/** One plain-pixel channel: the formula keeps the platform's rounding exactly. */
std::uint32_t blendChannel(std::uint32_t background, std::uint32_t pen, std::uint32_t alpha)
{
    const std::uint32_t total = (255 - alpha) * background + alpha * pen + 128;
    return ((total >> 8) + total) >> 8;
}

std::uint32_t channel(std::uint32_t word, int shift)
{
    return word >> shift & 0xFF;
}
} // namespace

void CGraphics::initialiseBuffered(const MathTools::CDimension &size, const MathTools::CColour &background,
                                   std::uint32_t *pixels, long rowWords)
{
    m_nativeImage.setBackgroundColour(background);
    if (pixels != nullptr)
        m_nativeImage.initialiseOn(pixels, size, rowWords);
    else
        m_nativeImage.initialise(size);
    m_device = m_nativeImage.getDrawingTarget();
    m_clip.intialised(&m_nativeImage, CRect(CPoint(), size));
    startDrawing(size);
}

void CGraphics::initialiseDirect(cairo_t *device, const MathTools::CDimension &size)
{
    m_device = device;
    startDrawing(size);
}

void CGraphics::startDrawing(const MathTools::CDimension &size)
{
    m_pen.initialise(1, m_device, INITIAL_PEN_COLOUR);
    m_brush.initialise(m_device, INITIAL_BRUSH_COLOUR);
    m_size = size;
}

void CGraphics::uninitialise()
{
    closeAlphaLayer();
    m_clip.uninitialise();
    m_pen.release();
    m_brush.release();
    m_nativeImage.uninitialise();
    m_device = nullptr;
}

CPen &CGraphics::getPen()
{
    return m_alphaLayerActive ? *m_layerPen : m_pen;
}

CBrush &CGraphics::getBrush()
{
    return m_alphaLayerActive ? *m_layerBrush : m_brush;
}

CPoint CGraphics::offsetPoint(const CPoint &point) const
{
    CPoint moved(point);
    moved.offset(m_drawingOffset);
    return moved;
}

CRect CGraphics::offsetRect(const CRect &area) const
{
    CRect moved(area);
    moved.offset(m_drawingOffset);
    return moved;
}

void CGraphics::strokeSmoothed()
{
    const CPen &pen = getPen();
    Cairo::setSourceColour(m_device, pen.getColour(), pen.getColour().getAlpha());
    cairo_set_line_width(m_device, strokeWidth(pen));
    cairo_stroke(m_device);
}

void CGraphics::fillSmoothed()
{
    const CAlphaColour &colour = getBrush().getColour();
    Cairo::setSourceColour(m_device, colour, colour.getAlpha());
    cairo_fill(m_device);
}

void CGraphics::strokePlain()
{
    const CPen &pen = getPen();
    if (pen.getPlatformPen() == nullptr)
        return;
    cairo_set_antialias(m_device, CAIRO_ANTIALIAS_NONE);
    cairo_set_source(m_device, pen.getPlatformPen());
    cairo_set_line_width(m_device, strokeWidth(pen));
    cairo_set_line_cap(m_device, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(m_device, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(m_device);
}

void CGraphics::paintPlainShape()
{
    if (cairo_pattern_t *brush = getBrush().getPlatformBrush())
    {
        cairo_set_antialias(m_device, CAIRO_ANTIALIAS_NONE);
        cairo_set_source(m_device, brush);
        cairo_fill_preserve(m_device);
    }
    strokePlain();
}

void CGraphics::moveTo(const CPoint &point)
{
    m_currentPosition = offsetPoint(point);
}

void CGraphics::lineTo(const CPoint &point)
{
    const CPoint from = m_currentPosition;
    m_currentPosition = offsetPoint(point);
    const CPen &pen = getPen();
    if (m_device == nullptr || pen.getPlatformPen() == nullptr)
        return;
    CSavedState saved(m_device);
    if (pen.getWidth() > 1)
    {
        cairo_move_to(m_device, from.getXPosition() + PIXEL_CENTRE, from.getYPosition() + PIXEL_CENTRE);
        cairo_line_to(m_device, m_currentPosition.getXPosition() + PIXEL_CENTRE,
                      m_currentPosition.getYPosition() + PIXEL_CENTRE);
        strokePlain();
        return;
    }
    Cairo::appendLinePixels(m_device, from, m_currentPosition);
    cairo_set_antialias(m_device, CAIRO_ANTIALIAS_NONE);
    cairo_set_source(m_device, pen.getPlatformPen());
    cairo_fill(m_device);
}

void CGraphics::drawLine(const CPoint &from, const CPoint &to)
{
    moveTo(from);
    lineTo(to);
}

void CGraphics::drawAntiAliasedLine(const CPoint &from, const CPoint &to)
{
    if (m_device == nullptr)
        return;
    const CPoint start = offsetPoint(from);
    const CPoint end = offsetPoint(to);
    CSavedState saved(m_device);
    cairo_move_to(m_device, start.getXPosition() + PIXEL_CENTRE, start.getYPosition() + PIXEL_CENTRE);
    cairo_line_to(m_device, end.getXPosition() + PIXEL_CENTRE, end.getYPosition() + PIXEL_CENTRE);
    strokeSmoothed();
}

void CGraphics::drawPolygon(const MathTools::CPolygon &polygon)
{
    if (polygon.getNumberOfPoints() < 1)
        return;
    moveTo(*polygon.getPoint(0));
    for (long index = 1; index < polygon.getNumberOfPoints(); index++)
        lineTo(*polygon.getPoint(index));
}

void CGraphics::drawAntiAliasedPolygon(const MathTools::CPolygon &polygon)
{
    if (polygon.getNumberOfPoints() < 3)
        return;
    for (long index = 0; index + 1 < polygon.getNumberOfPoints(); index++)
    {
        const CPoint *from = polygon.getPoint(index);
        const CPoint *to = polygon.getPoint(index + 1);
        if (from != nullptr && to != nullptr)
            drawAntiAliasedLine(*from, *to);
    }
}

void CGraphics::drawRectangle(const CRect &area)
{
    const CRect moved = offsetRect(area);
    if (m_device == nullptr || moved.getWidth() < 1 || moved.getHeight() < 1)
        return;
    CSavedState saved(m_device);
    cairo_rectangle(m_device, moved.getLeft() + PIXEL_CENTRE, moved.getTop() + PIXEL_CENTRE, moved.getWidth() - 1,
                    moved.getHeight() - 1);
    strokeSmoothed();
}

void CGraphics::fillRectangle(const CRect &area)
{
    const CRect moved = offsetRect(area);
    if (m_device == nullptr || moved.getWidth() < 1 || moved.getHeight() < 1)
        return;
    CSavedState saved(m_device);
    cairo_rectangle(m_device, moved.getLeft(), moved.getTop(), moved.getWidth(), moved.getHeight());
    fillSmoothed();
}

void CGraphics::fillAndDrawRectangle(const CRect &area)
{
    fillRectangle(area);
    drawRectangle(area);
}

void CGraphics::drawRoundedRectangle(const CRect &area, const MathTools::CDimension &corner)
{
    const CRect moved = offsetRect(area);
    if (m_device == nullptr || moved.getWidth() < 1 || moved.getHeight() < 1)
        return;
    // Through the centres of the outermost pixels, so the outline stays inside the area.
    const double left = moved.getLeft() + PIXEL_CENTRE;
    const double top = moved.getTop() + PIXEL_CENTRE;
    const double width = moved.getWidth() - 1;
    const double height = moved.getHeight() - 1;
    const double cornerWidth = std::clamp<double>(corner.getWidth(), 0, width);
    const double cornerHeight = std::clamp<double>(corner.getHeight(), 0, height);
    CSavedState saved(m_device);
    cairo_new_path(m_device);
    Cairo::appendArcInBox(m_device, left + width - cornerWidth, top, cornerWidth, cornerHeight, 270, 90);
    Cairo::appendArcInBox(m_device, left + width - cornerWidth, top + height - cornerHeight, cornerWidth,
                          cornerHeight, 0, 90);
    Cairo::appendArcInBox(m_device, left, top + height - cornerHeight, cornerWidth, cornerHeight, 90, 90);
    Cairo::appendArcInBox(m_device, left, top, cornerWidth, cornerHeight, 180, 90);
    cairo_close_path(m_device);
    CBrush &brush = getBrush();
    brush.selectHollowBrush();
    paintPlainShape();
    brush.createBrush();
}

void CGraphics::fillRoundedRectangle(const CRect &area, const MathTools::CDimension &corner)
{
    const CRect moved = offsetRect(area);
    if (m_device == nullptr)
        return;
    const double left = moved.getLeft();
    const double top = moved.getTop();
    const double right = moved.getRight();
    const double bottom = moved.getBottom();
    const double radius = corner.getWidth();
    const double diameter = 2 * radius;
    CSavedState saved(m_device);
    cairo_new_path(m_device);
    cairo_move_to(m_device, left + radius, top);
    cairo_line_to(m_device, right - diameter, top);
    Cairo::appendArcInBox(m_device, right - diameter, top, diameter, diameter, 270, 90);
    cairo_line_to(m_device, right, top + radius);
    cairo_line_to(m_device, right, bottom - diameter);
    Cairo::appendArcInBox(m_device, right - diameter, bottom - diameter, diameter, diameter, 0, 90);
    cairo_line_to(m_device, right - diameter, bottom);
    cairo_line_to(m_device, left + radius, bottom);
    Cairo::appendArcInBox(m_device, left, bottom - diameter, diameter, diameter, 90, 90);
    cairo_line_to(m_device, left, bottom - diameter);
    cairo_line_to(m_device, left, top + radius);
    Cairo::appendArcInBox(m_device, left, top, diameter, diameter, 180, 90);
    cairo_close_path(m_device);
    fillSmoothed();
}

void CGraphics::fillEllipse(const CRect &area)
{
    const CRect moved = offsetRect(area);
    if (m_device == nullptr || moved.getWidth() == 0 || moved.getHeight() == 0)
        return;
    CSavedState saved(m_device);
    cairo_new_path(m_device);
    Cairo::appendArcInBox(m_device, moved.getLeft(), moved.getTop(), moved.getWidth(), moved.getHeight(), 0, 360);
    cairo_close_path(m_device);
    fillSmoothed();
}

void CGraphics::appendPolygon(const MathTools::CPolygon &polygon)
{
    cairo_new_path(m_device);
    for (long index = 0; index < polygon.getNumberOfPoints(); index++)
    {
        const CPoint corner = offsetPoint(*polygon.getPoint(index));
        cairo_line_to(m_device, corner.getXPosition(), corner.getYPosition());
    }
    cairo_close_path(m_device);
}

void CGraphics::fillPolygon(const MathTools::CPolygon &polygon)
{
    if (m_device == nullptr || polygon.getNumberOfPoints() < 3)
        return;
    CSavedState saved(m_device);
    appendPolygon(polygon);
    cairo_set_fill_rule(m_device, CAIRO_FILL_RULE_EVEN_ODD);
    fillSmoothed();
}

void CGraphics::drawArc(const CRect &bounds, const CPoint &start, const CPoint &end, bool clockwise)
{
    const CRect moved = offsetRect(bounds);
    const double width = moved.getWidth() - 1;
    const double height = moved.getHeight() - 1;
    if (m_device == nullptr || width <= 0 || height <= 0)
        return;
    const double left = moved.getLeft() + PIXEL_CENTRE;
    const double top = moved.getTop() + PIXEL_CENTRE;
    const double centreX = left + width / 2;
    const double centreY = top + height / 2;
    const double from = angleOnEllipse(offsetPoint(start), centreX, centreY, width / 2, height / 2);
    const double to = angleOnEllipse(offsetPoint(end), centreX, centreY, width / 2, height / 2);
    // Sweeps run the chosen way round and are never empty: the same ray twice is a full turn.
    double sweep = std::fmod(to - from + 720, 360);
    if (clockwise)
        sweep = sweep == 0 ? 360 : sweep;
    else
        sweep = sweep - 360;
    CSavedState saved(m_device);
    cairo_new_path(m_device);
    Cairo::appendArcInBox(m_device, left, top, width, height, from, sweep);
    strokePlain();
}

void CGraphics::drawAntiAliasedPixel(const CPoint &point, long alpha)
{
    if (m_device == nullptr)
        return;
    cairo_surface_t *surface = cairo_get_target(m_device);
    if (cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)
        return;
    const CPoint pixel = offsetPoint(point);
    double x = pixel.getXPosition() + PIXEL_CENTRE;
    double y = pixel.getYPosition() + PIXEL_CENTRE;
    cairo_user_to_device(m_device, &x, &y);
    const long column = static_cast<long>(std::floor(x));
    const long row = static_cast<long>(std::floor(y));
    if (column < 0 || row < 0 || column >= cairo_image_surface_get_width(surface) ||
        row >= cairo_image_surface_get_height(surface))
        return;
    cairo_surface_flush(surface);
    long rowWords = 0;
    const std::uint32_t background = getPictureWords(surface, rowWords)[row * rowWords + column];
    const std::uint32_t weight = static_cast<std::uint32_t>(std::clamp(alpha, 0L, 255L));
    const CAlphaColour &pen = getPen().getColour();
    const CAlphaColour blended(blendChannel(channel(background, 16), pen.getRed(), weight),
                               blendChannel(channel(background, 8), pen.getGreen(), weight),
                               blendChannel(channel(background, 0), pen.getBlue(), weight), Cairo::OPAQUE_ALPHA);
    // Written through cairo, so that the clip applies as it does to every other drawing.
    CSavedState saved(m_device);
    cairo_rectangle(m_device, pixel.getXPosition(), pixel.getYPosition(), 1, 1);
    cairo_set_operator(m_device, CAIRO_OPERATOR_SOURCE);
    Cairo::setSourceColour(m_device, blended, Cairo::OPAQUE_ALPHA);
    cairo_fill(m_device);
}

void CGraphics::drawShadedRows(const CRect &area)
{
    const long height = area.getHeight();
    const long halfHeight = std::max(1L, height / 2); // one row: the pen colour alone
    CPen &pen = getPen();
    const CAlphaColour original = pen.getColour();
    const auto stepOf = [&](long value) { return (255 - value) / halfHeight; };
    const long steps[] = {stepOf(original.getRed()), stepOf(original.getGreen()), stepOf(original.getBlue())};
    CAlphaColour running = original;
    for (long row = 0; row < height; row++)
    {
        pen.setColour(running);
        drawLine(CPoint(0, row), CPoint(area.getWidth(), row));
        const long direction = row < height / 2 ? 1 : -1;
        running.setColour(running.getRed() + direction * steps[0], running.getGreen() + direction * steps[1],
                          running.getBlue() + direction * steps[2]);
    }
    pen.setColour(original);
}

void CGraphics::drawImage(const CBaseImage *image, const CRect &destination, const CRect &source)
{
    if (image == nullptr || !image->isLoaded())
        return;
    if (image->hasAlpha())
        drawImageWithAlpha(image, destination, source, 1.0);
    else
        drawPlainImage(*image, destination, source);
}

void CGraphics::drawPlainImage(const CBaseImage &image, const CRect &destination, const CRect &source)
{
    const CRect moved = offsetRect(destination);
    CRect from(source);
    if (image.getImageSize() == moved.getDimension())
        from.setDimension(moved.getDimension());
    Cairo::copyPicture(m_device, image.getImageHandle(), moved, from, Cairo::OPAQUE_ALPHA,
                       Cairo::PictureCopy::COLOUR_ONLY);
}

void CGraphics::drawImageWithAlpha(const CBaseImage *image, const CRect &destination, const CRect &source,
                                   double alpha)
{
    if (image == nullptr || !image->isLoaded())
        return;
    if (!image->hasAlpha())
    {
        drawPlainImage(*image, destination, source);
        return;
    }
    Cairo::copyPicture(m_device, image->getImageHandle(), offsetRect(destination), source,
                       Cairo::constantAlpha(alpha), Cairo::PictureCopy::BLENDED);
}

void CGraphics::drawText(const Basics::CString &text, const CRect &area, const CFont *font, long alignment)
{
    if (font == nullptr)
        font = CFont::getDefaultFont();
    const CRect moved = offsetRect(area);
    if (font == nullptr || m_device == nullptr || moved.getWidth() < 1 || moved.getHeight() < 1)
        return;
    const SPlacement placement = placementOf(alignment);
    CSavedState saved(m_device);
    cairo_rectangle(m_device, moved.getLeft(), moved.getTop(), moved.getWidth(), moved.getHeight());
    cairo_clip(m_device);
    Cairo::setSourceColour(m_device, m_textColour, m_textColour.getAlpha());
    CTextLayout layout(m_device, font->getFontHandle(), text.getString());
    layout.addDecorations(font->isUnderlined(), font->isStruckOut());
    layout.wrapLines(moved.getWidth(), placement.horizontal);
    layout.showWholeLines(moved, placement.vertical);
}

void CGraphics::beginAlphaDrawing(double alpha)
{
    if (m_alphaLayerActive || !m_nativeImage.isInitialised())
        return;
    auto layer = std::make_unique<CNativeImage>();
    layer->setBackgroundColour(m_nativeImage.getBackgroundColour());
    layer->initialise(m_size);
    if (!layer->isInitialised())
        return;
    layer->copyFrom(&m_nativeImage);
    m_layerAlpha = alpha;
    m_layerPen = std::make_unique<CPen>();
    m_layerPen->initialise(m_pen.getWidth(), layer->getDrawingTarget(), m_pen.getColour());
    m_layerBrush = std::make_unique<CBrush>();
    m_layerBrush->initialise(layer->getDrawingTarget(), m_brush.getColour());
    m_layer = std::move(layer);
    m_device = m_layer->getDrawingTarget();
    m_alphaLayerActive = true;
}

void CGraphics::endAlphaDrawing(const CRect &destination, const CRect &source)
{
    if (!m_alphaLayerActive)
        return;
    // The layer is a copy of the opaque picture, so its own alpha is not read.
    Cairo::copyPicture(m_nativeImage.getDrawingTarget(), m_layer->getPicture(), offsetRect(destination),
                       offsetRect(source), Cairo::constantAlpha(m_layerAlpha), Cairo::PictureCopy::COLOUR_ONLY);
    closeAlphaLayer();
}

void CGraphics::closeAlphaLayer()
{
    if (!m_alphaLayerActive)
        return;
    m_layerPen.reset();
    m_layerBrush.reset();
    m_layer.reset();
    m_device = m_nativeImage.getDrawingTarget();
    m_alphaLayerActive = false;
}
} // namespace Corvane::GUI::Graphics
