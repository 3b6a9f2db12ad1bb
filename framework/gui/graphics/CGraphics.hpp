#pragma once

#include "framework/gui/graphics/CBrush.hpp"
#include "framework/gui/graphics/CClip.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/graphics/CPen.hpp"
#include "framework/mathtools/CPolygon.hpp"

#include <memory>

namespace Corvane::GUI::Graphics
{
class CBaseImage;

/**
 * The drawing surface every control draws with. While a window paints, the surface is bound to
 * an offscreen picture of the window's size and everything is drawn there; the window then copies
 * the picture to the screen. Every point and rectangle given to a drawing operation is moved by
 * the drawing offset first (the callers' values are never changed); clip rectangles are not.
 *
 * Two kinds of drawing share the target. Smoothed operations (rectangles, fills, ellipses,
 * polygons, anti-aliased lines, text) are anti-aliased and honour the alpha of the pen, brush and
 * text colours. Plain operations (lines, arcs, rounded outlines, shaded rows, pictures without
 * alpha) draw whole pixels in opaque colours with exact pixel rules: a line's end pixel is not
 * drawn, and outlines cover columns left to right - 1 and rows top to bottom - 1. cairo is both
 * renderers and is always there, so no operation ever needs a stand-in for a missing engine.
 */
class CGraphics
{
public:
    /** Where drawText puts a text in its area. Any other code draws as LEFT_TOP. */
    enum ETextAlignment
    {
        LEFT_TOP = 0,
        CENTRE_TOP = 1,
        RIGHT_TOP = 2,
        LEFT_CENTRE = 3,
        CENTRE_CENTRE = 4,
        RIGHT_CENTRE = 5,
        LEFT_BOTTOM = 6,
        CENTRE_BOTTOM = 7,
        RIGHT_BOTTOM = 8,
        DEFAULT_LABEL = 9,       // as LEFT_CENTRE
        DEFAULT_SINGLE_LINE = 10 // as CENTRE_CENTRE
    };

    CGraphics() = default;
    CGraphics(const CGraphics &) = delete;
    CGraphics &operator=(const CGraphics &) = delete;
    virtual ~CGraphics() = default;

    /**
     * Buffered mode, what a window paints with: makes the offscreen picture of @p size, filled with
     * @p background, draws there, and binds the clip to it with the whole picture as area. The pen
     * becomes opaque black, width 1, and the brush opaque white. Given @p pixels (a window's
     * picture on the screen, rows @p rowWords words apart), the picture is made on them instead.
     */
    void initialiseBuffered(const MathTools::CDimension &size, const MathTools::CColour &background,
                            std::uint32_t *pixels = nullptr, long rowWords = 0);
    /**
     * Direct mode: draws straight onto @p device, whose size is @p size, unclipped and without a
     * picture of its own (so without alpha layers). Pen and brush as in buffered mode.
     */
    void initialiseDirect(cairo_t *device, const MathTools::CDimension &size);
    /** Releases the clip, pen and brush and frees the picture; an open alpha layer is dropped. */
    void uninitialise();

    /** The pen and brush drawing uses now: the alpha layer's while one is open. */
    CPen &getPen();
    CBrush &getBrush();
    CClip &getClip() { return m_clip; }
    CNativeImage &getNativeImage() { return m_nativeImage; }
    const CNativeImage &getNativeImage() const { return m_nativeImage; }
    /** The target drawn on now: the picture's, the alpha layer's, or the direct device; null unbound. */
    cairo_t *getDevice() const { return m_device; }
    const MathTools::CDimension &getSize() const { return m_size; }

    /** Moved directly by the control tree as it enters and leaves each control. */
    MathTools::CPoint &getDrawingOffset() { return m_drawingOffset; }
    void setDrawingOffset(const MathTools::CPoint &offset) { m_drawingOffset = offset; }
    /** The rectangle being repainted, kept for the window and the control tree; drawing ignores it. */
    MathTools::CRect &getUpdateArea() { return m_updateArea; }
    void setUpdateArea(const MathTools::CRect &area) { m_updateArea = area; }
    MathTools::CAlphaColour &getTextColour() { return m_textColour; }
    void setTextColour(const MathTools::CAlphaColour &colour) { m_textColour = colour; }

    void moveTo(const MathTools::CPoint &point);
    /** Plain line from the current position, without its end pixel; @p point becomes the position. */
    void lineTo(const MathTools::CPoint &point);
    void drawLine(const MathTools::CPoint &from, const MathTools::CPoint &to);
    void drawAntiAliasedLine(const MathTools::CPoint &from, const MathTools::CPoint &to);
    /** Plain lines from each point to the next; the chain is not closed. */
    void drawPolygon(const MathTools::CPolygon &polygon);
    /** Smoothed lines from each point to the next, not closed; nothing for fewer than 3 points. */
    void drawAntiAliasedPolygon(const MathTools::CPolygon &polygon);

    void drawRectangle(const MathTools::CRect &area);
    void fillRectangle(const MathTools::CRect &area);
    void fillAndDrawRectangle(const MathTools::CRect &area);
    /** Plain outline with corner ellipses of @p corner's width and height; the inside is left. */
    void drawRoundedRectangle(const MathTools::CRect &area, const MathTools::CDimension &corner);
    /** Filled with corners of radius @p corner's width. */
    void fillRoundedRectangle(const MathTools::CRect &area, const MathTools::CDimension &corner);
    void fillEllipse(const MathTools::CRect &area);
    /** Filled with the even-odd rule. */
    void fillPolygon(const MathTools::CPolygon &polygon);
    /**
     * Plain arc of the ellipse inscribed in @p bounds, from the ray through @p start to the ray
     * through @p end (neither needs to lie on the ellipse); the same ray twice is the whole ellipse.
     */
    void drawArc(const MathTools::CRect &bounds, const MathTools::CPoint &start, const MathTools::CPoint &end,
                 bool clockwise);

    /** Blends the pen colour into one pixel with weight @p alpha, 0 to 255. */
    void drawAntiAliasedPixel(const MathTools::CPoint &point, long alpha);
    /**
     * Rows from the pen colour brightening towards white to the middle of the area and back,
     * drawn at (0, row) to (width, row); only the area's size is used.
     */
    void drawShadedRows(const MathTools::CRect &area);

    /**
     * Draws @p source of the image onto @p destination: blended when the image has alpha, else
     * copied as opaque pixels, 1:1 from the source's corner when the image's size is the
     * destination's, stretched otherwise. A null or empty image draws nothing.
     */
    void drawImage(const CBaseImage *image, const MathTools::CRect &destination, const MathTools::CRect &source);
    /** As drawImage, with a constant alpha of 0.0 to 1.0 on an image that has alpha. */
    void drawImageWithAlpha(const CBaseImage *image, const MathTools::CRect &destination,
                            const MathTools::CRect &source, double alpha);

    /**
     * Draws @p text in the text colour, words wrapped at the area's width, showing only the lines
     * that fit wholly in its height. A null font means the default font; with none, nothing.
     */
    void drawText(const Basics::CString &text, const MathTools::CRect &area, const CFont *font, long alignment);

    /**
     * Opens an alpha layer: a copy of the picture that later drawing goes to, with a pen and
     * brush of its own, until endAlphaDrawing blends it back. Needs buffered mode; while a layer
     * is open, nothing happens.
     */
    void beginAlphaDrawing(double alpha);
    /** Blends the layer's @p source onto @p destination with the layer's constant alpha and closes it. */
    void endAlphaDrawing(const MathTools::CRect &destination, const MathTools::CRect &source);
    bool isAlphaLayerActive() const { return m_alphaLayerActive; }

private:
    /** Binds the pen and brush to the current device with their first colours. */
    void startDrawing(const MathTools::CDimension &size);
    MathTools::CPoint offsetPoint(const MathTools::CPoint &point) const;
    MathTools::CRect offsetRect(const MathTools::CRect &area) const;

    void strokeSmoothed();
    void fillSmoothed();
    void strokePlain();
    void paintPlainShape();
    void appendPolygon(const MathTools::CPolygon &polygon);
    void drawPlainImage(const CBaseImage &image, const MathTools::CRect &destination, const MathTools::CRect &source);
    void closeAlphaLayer();

    CPen m_pen;
    CBrush m_brush;
    CNativeImage m_nativeImage;
    CClip m_clip;
    MathTools::CPoint m_drawingOffset;
    MathTools::CRect m_updateArea;
    MathTools::CDimension m_size;
    MathTools::CAlphaColour m_textColour{0, 0, 0, 255};
    bool m_alphaLayerActive = false;
    cairo_t *m_device = nullptr;
    MathTools::CPoint m_currentPosition;
    std::unique_ptr<CPen> m_layerPen;
    std::unique_ptr<CBrush> m_layerBrush;
    double m_layerAlpha = 1.0;
    std::unique_ptr<CNativeImage> m_layer;
};
} // namespace Corvane::GUI::Graphics
