#include "framework/gui/graphics/CNativeImage.hpp"

#include "framework/gui/graphics/CairoDrawing.hpp"

#include <cairo.h>

namespace Corvane::GUI::Graphics
{
void CNativeImage::initialise(const MathTools::CDimension &size)
{
    if (!m_initialised)
        start(createPictureSurface(size.getWidth(), size.getHeight()), size);
}

void CNativeImage::initialiseOn(std::uint32_t *pixels, const MathTools::CDimension &size, long rowWords)
{
    if (!m_initialised)
        start(createPictureSurfaceOn(pixels, size.getWidth(), size.getHeight(), rowWords), size);
}

void CNativeImage::start(PictureSurface bitmap, const MathTools::CDimension &size)
{
    m_size = size;
    m_bitmap = std::move(bitmap);
    if (!m_bitmap)
        return;
    m_drawingTarget.reset(cairo_create(m_bitmap.get()));
    Cairo::fillArea(m_drawingTarget.get(), MathTools::CRect(MathTools::CPoint(), size), m_backgroundColour);
    m_initialised = true;
}

void CNativeImage::uninitialise()
{
    if (!m_initialised)
        return;
    m_initialised = false;
    m_drawingTarget.reset();
    m_bitmap.reset();
}

void CNativeImage::clear()
{
    if (!m_initialised)
        return;
    cairo_t *target = m_drawingTarget.get();
    Cairo::CSavedState saved(target);
    cairo_reset_clip(target);
    cairo_set_operator(target, CAIRO_OPERATOR_CLEAR);
    cairo_paint(target);
}

void CNativeImage::copyTo(CNativeImage *other) const
{
    if (other != nullptr)
        other->copyFrom(this);
}

void CNativeImage::copyFrom(const CNativeImage *other)
{
    if (other == nullptr || !m_initialised || !other->m_initialised)
        return;
    // Only pixels both pictures have: beyond the source there is nothing to copy.
    MathTools::CRect area;
    MathTools::CRect::getIntersectionArea(MathTools::CRect(MathTools::CPoint(), m_size),
                                          MathTools::CRect(MathTools::CPoint(), other->m_size), area);
    Cairo::copyPicture(getDrawingTarget(), other->getPicture(), area, area, Cairo::OPAQUE_ALPHA,
                       Cairo::PictureCopy::EXACT);
}

bool CNativeImage::alphaBlendTo(CNativeImage *other, const MathTools::CRect &source,
                                const MathTools::CRect &destination, double alpha) const
{
    if (other == nullptr || !m_initialised || !other->m_initialised)
        return false;
    return Cairo::copyPicture(other->getDrawingTarget(), getPicture(), destination, source,
                              Cairo::constantAlpha(alpha), Cairo::PictureCopy::BLENDED);
}

const std::uint32_t *CNativeImage::getPixels(long &rowWords) const
{
    rowWords = 0;
    if (!m_initialised)
        return nullptr;
    cairo_surface_flush(m_bitmap.get());
    return getPictureWords(m_bitmap.get(), rowWords);
}

std::uint32_t CNativeImage::getPixel(long x, long y) const
{
    long rowWords = 0;
    const std::uint32_t *pixels = getPixels(rowWords);
    if (pixels == nullptr || x < 0 || y < 0 || x >= m_size.getWidth() || y >= m_size.getHeight())
        return 0;
    return pixels[y * rowWords + x];
}
} // namespace Corvane::GUI::Graphics
