#pragma once

#include "framework/gui/graphics/CairoHandles.hpp"
#include "framework/gui/graphics/ImagePixels.hpp"
#include "framework/mathtools/CColour.hpp"
#include "framework/mathtools/CRect.hpp"

namespace Corvane::GUI::Graphics
{
/**
 * An offscreen picture with its own drawing target, as large as the window that paints into it:
 * a whole paint is drawn into it and the window then shows it at once, copying it to the screen or,
 * when the picture was made on the screen's own pixels (initialiseOn), copying nothing. The picture
 * is a cairo ARGB32 image surface (premultiplied, blue in the lowest byte of each word), the same
 * layout as the screen's, so a copy is plain memory. It knows nothing of the window it serves.
 */
class CNativeImage
{
public:
    CNativeImage() = default;
    CNativeImage(const CNativeImage &) = delete;
    CNativeImage &operator=(const CNativeImage &) = delete;
    virtual ~CNativeImage() = default;

    /**
     * Makes the picture, filled with the background colour. Nothing happens while a picture
     * exists, so a second call with another size keeps the first picture. A size cairo cannot
     * make (negative, or wider or taller than it allows) leaves the image without a picture.
     */
    void initialise(const MathTools::CDimension &size);
    /**
     * The same, on @p pixels that someone else owns (a window's picture on the screen): words of
     * @p size in the picture's layout, rows @p rowWords apart, which must outlive the picture or
     * its uninitialise(). Drawing and freeing the picture never free them.
     */
    void initialiseOn(std::uint32_t *pixels, const MathTools::CDimension &size, long rowWords);
    /** Frees the picture and its drawing target. */
    void uninitialise();
    bool isInitialised() const { return m_initialised; }
    /**
     * Makes every pixel transparent, for a picture whose edges must let through what lies under it
     * (an icon with round corners); the background colour is only for pictures that fill their area.
     */
    void clear();

    /**
     * Copies this picture to the top left of @p other, as much of it as fits; only when both
     * have a picture.
     */
    void copyTo(CNativeImage *other) const;
    /** Copies, from the top left of @p other, as much as this picture holds and @p other has. */
    void copyFrom(const CNativeImage *other);
    /**
     * Blends @p source of this picture onto @p destination of @p other (stretched when the sizes
     * differ) with its own per-pixel alpha and a constant alpha of alpha x 255, truncated.
     * False when either image has no picture or the areas are empty.
     */
    bool alphaBlendTo(CNativeImage *other, const MathTools::CRect &source, const MathTools::CRect &destination,
                      double alpha) const;

    /** The target that draws into the picture; null without one. */
    cairo_t *getDrawingTarget() const { return m_drawingTarget.get(); }
    cairo_surface_t *getPicture() const { return m_bitmap.get(); }
    const MathTools::CDimension &getSize() const { return m_size; }

    /** The colour a new picture is filled with; white unless the painter says otherwise. */
    const MathTools::CColour &getBackgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(const MathTools::CColour &colour) { m_backgroundColour = colour; }

    /**
     * The picture's words, for copying it to the screen: rows start @p rowWords words apart.
     * Everything drawn so far is in them. Null without a picture.
     */
    const std::uint32_t *getPixels(long &rowWords) const;
    /** The premultiplied ARGB word at (x, y), or 0 outside the picture or without one. */
    std::uint32_t getPixel(long x, long y) const;

private:
    void start(PictureSurface bitmap, const MathTools::CDimension &size);

    PictureSurface m_bitmap;
    TargetHolder m_drawingTarget;
    MathTools::CDimension m_size;
    MathTools::CColour m_backgroundColour;
    bool m_initialised = false;
};
} // namespace Corvane::GUI::Graphics
