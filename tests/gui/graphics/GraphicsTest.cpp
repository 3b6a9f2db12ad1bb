#include "framework/gui/graphics/CJPEGImage.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "tests/gui/graphics/DrawingCanvas.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Corvane::GUI::Graphics;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CPolygon;
using Corvane::MathTools::CRect;
using Corvane::Testing::BLACK;
using Corvane::Testing::DrawingCanvas;
using Corvane::Testing::WHITE;

namespace
{
const CAlphaColour OPAQUE_BLACK(0, 0, 0, 255);

CPolygon polygonOf(std::initializer_list<CPoint> points)
{
    CPolygon polygon(static_cast<long>(points.size()));
    long index = 0;
    for (const CPoint &point : points)
        polygon.setPoint(index++, point);
    return polygon;
}

bool paintedNear(const DrawingCanvas &canvas, long x, long y)
{
    for (long dy = -1; dy <= 1; dy++)
        for (long dx = -1; dx <= 1; dx++)
            if (canvas.pixel(x + dx, y + dy) != WHITE)
                return true;
    return false;
}

/** True when every channel of the two words is within @p tolerance. */
bool near(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>(actual >> shift & 0xFF) - static_cast<int>(expected >> shift & 0xFF)) >
            tolerance)
            return false;
    return true;
}
} // namespace

TEST(CGraphics, StartsInTheDocumentedState)
{
    DrawingCanvas canvas(8, 8);
    CGraphics &graphics = canvas.graphics();
    EXPECT_EQ(graphics.getPen().getWidth(), 1);
    EXPECT_EQ(graphics.getPen().getColour(), OPAQUE_BLACK);
    EXPECT_EQ(graphics.getBrush().getColour(), CAlphaColour(255, 255, 255, 255));
    EXPECT_EQ(graphics.getTextColour(), OPAQUE_BLACK);
    EXPECT_EQ(graphics.getDrawingOffset(), CPoint(0, 0));
    EXPECT_EQ(graphics.getSize(), CDimension(8, 8));
    EXPECT_NE(graphics.getDevice(), nullptr);
    EXPECT_EQ(canvas.pixel(7, 7), WHITE);

    graphics.uninitialise();
    EXPECT_EQ(graphics.getDevice(), nullptr);
    EXPECT_FALSE(graphics.getNativeImage().isInitialised());
    EXPECT_EQ(graphics.getPen().getPlatformPen(), nullptr);
    graphics.fillRectangle(CRect(0, 0, 8, 8)); // unbound: draws nowhere, and does not fail

    // A window paints on its own background colour, which an alpha layer starts from as well.
    graphics.initialiseBuffered(CDimension(3, 2), Corvane::MathTools::CColour(160, 160, 174));
    EXPECT_EQ(graphics.getNativeImage().getPixel(2, 1), 0xFFA0A0AEu);
    EXPECT_TRUE(graphics.getClip().isInitialised());
    graphics.beginAlphaDrawing(0.5);
    graphics.endAlphaDrawing(CRect(0, 0, 3, 2), CRect(0, 0, 3, 2));
    EXPECT_EQ(graphics.getNativeImage().getPixel(0, 0), 0xFFA0A0AEu);
    graphics.uninitialise();
}

TEST(CGraphics, PlainLinesLeaveOutTheirEndPixel)
{
    DrawingCanvas canvas(12, 12);
    CGraphics &graphics = canvas.graphics();
    graphics.drawLine(CPoint(0, 0), CPoint(5, 0));
    EXPECT_EQ(canvas.paintedInRow(0, 0, 4), 5);
    EXPECT_EQ(canvas.pixel(5, 0), WHITE);

    graphics.drawLine(CPoint(0, 2), CPoint(3, 5));
    EXPECT_EQ(canvas.pixel(0, 2), BLACK);
    EXPECT_EQ(canvas.pixel(2, 4), BLACK);
    EXPECT_EQ(canvas.pixel(3, 5), WHITE);

    graphics.drawLine(CPoint(11, 11), CPoint(11, 7)); // upwards, steep
    EXPECT_EQ(canvas.pixel(11, 8), BLACK);
    EXPECT_EQ(canvas.pixel(11, 7), WHITE);

    graphics.drawLine(CPoint(0, 8), CPoint(6, 10));
    for (long x = 0; x < 6; x++)
        EXPECT_EQ(canvas.paintedInRow(8, x, x) + canvas.paintedInRow(9, x, x) + canvas.paintedInRow(10, x, x), 1) << x;

    graphics.getPen().selectNullPen();
    graphics.drawLine(CPoint(0, 11), CPoint(5, 11));
    EXPECT_EQ(canvas.paintedInRow(11, 0, 5), 0);

    // The open chain: the last point does not return to the first.
    DrawingCanvas chain(12, 12);
    chain.graphics().drawPolygon(polygonOf({CPoint(1, 1), CPoint(8, 1), CPoint(8, 8)}));
    EXPECT_EQ(chain.paintedInRow(1, 1, 7), 7);
    EXPECT_EQ(chain.pixel(8, 7), BLACK);
    EXPECT_EQ(chain.pixel(8, 8), WHITE);
    EXPECT_EQ(chain.pixel(4, 4), WHITE);
}

TEST(CGraphics, RectanglesCoverTheirHalfOpenArea)
{
    DrawingCanvas canvas(20, 20);
    CGraphics &graphics = canvas.graphics();
    graphics.drawRectangle(CRect(10, 10, 5, 3));
    EXPECT_EQ(canvas.paintedInRow(10, 10, 14), 5);
    EXPECT_EQ(canvas.paintedInRow(12, 10, 14), 5);
    EXPECT_EQ(canvas.pixel(10, 11), BLACK);
    EXPECT_EQ(canvas.pixel(14, 11), BLACK);
    EXPECT_EQ(canvas.paintedInRow(11, 11, 13), 0);
    EXPECT_EQ(canvas.inkBounds(), CRect(10, 10, 5, 3));

    DrawingCanvas filled(20, 20);
    filled.graphics().getBrush().setColour(CAlphaColour(243, 32, 32, 255));
    filled.graphics().fillRectangle(CRect(10, 10, 5, 3));
    EXPECT_EQ(filled.inkBounds(), CRect(10, 10, 5, 3));
    EXPECT_EQ(filled.pixel(12, 11), 0xFFF32020u);

    // The brush's alpha is honoured: half-covered black over white.
    DrawingCanvas translucent(4, 4);
    translucent.graphics().getBrush().setColour(CAlphaColour(0, 0, 0, 128));
    translucent.graphics().fillAndDrawRectangle(CRect(0, 0, 4, 4));
    EXPECT_TRUE(near(translucent.pixel(1, 1), 0xFF7F7F7F, 1));
    EXPECT_EQ(translucent.pixel(0, 0), BLACK);
}

TEST(CGraphics, DrawingOffsetMovesDrawingButNotTheClip)
{
    DrawingCanvas canvas(20, 20);
    CGraphics &graphics = canvas.graphics();
    graphics.getClip().setClip(CRect(0, 0, 10, 10));
    graphics.setDrawingOffset(CPoint(5, 5));
    const CRect area(0, 0, 10, 10);
    graphics.getBrush().setColour(OPAQUE_BLACK);
    graphics.fillRectangle(area);
    EXPECT_EQ(area, CRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.inkBounds(), CRect(5, 5, 5, 5));

    graphics.getDrawingOffset().offset(-5, 5);
    graphics.getClip().releaseClip();
    graphics.drawLine(CPoint(0, 5), CPoint(3, 5));
    EXPECT_EQ(canvas.paintedInRow(15, 0, 4), 3);
}

TEST(CGraphics, SmoothedShapes)
{
    DrawingCanvas canvas(40, 40);
    CGraphics &graphics = canvas.graphics();
    graphics.getBrush().setColour(OPAQUE_BLACK);
    graphics.fillEllipse(CRect(0, 0, 20, 20));
    EXPECT_EQ(canvas.pixel(10, 10), BLACK);
    EXPECT_EQ(canvas.pixel(0, 0), WHITE);
    EXPECT_EQ(canvas.pixel(19, 19), WHITE);
    EXPECT_NE(canvas.pixel(10, 0), WHITE);

    // Corners of radius d = the corner's width: the corner pixel stays, the edges' middles fill.
    graphics.fillRoundedRectangle(CRect(20, 0, 20, 20), CDimension(5, 5));
    EXPECT_EQ(canvas.pixel(20, 0), WHITE);
    EXPECT_EQ(canvas.pixel(39, 19), WHITE);
    EXPECT_EQ(canvas.pixel(30, 0), BLACK);
    EXPECT_EQ(canvas.pixel(20, 10), BLACK);
    EXPECT_EQ(canvas.pixel(30, 10), BLACK);

    // A square traced twice: even-odd leaves it empty.
    graphics.fillPolygon(polygonOf({CPoint(0, 22), CPoint(10, 22), CPoint(10, 32), CPoint(0, 32), CPoint(0, 22),
                                    CPoint(10, 22), CPoint(10, 32), CPoint(0, 32)}));
    EXPECT_EQ(canvas.pixel(5, 27), WHITE);
    graphics.fillPolygon(polygonOf({CPoint(20, 22), CPoint(30, 22), CPoint(20, 32)}));
    EXPECT_EQ(canvas.pixel(22, 24), BLACK);
    EXPECT_EQ(canvas.pixel(28, 30), WHITE);

    DrawingCanvas lines(20, 20);
    lines.graphics().drawAntiAliasedPolygon(polygonOf({CPoint(2, 2), CPoint(17, 2)}));
    EXPECT_EQ(lines.inkBounds(), CRect());
    lines.graphics().drawAntiAliasedPolygon(polygonOf({CPoint(2, 2), CPoint(17, 2), CPoint(17, 17)}));
    EXPECT_EQ(lines.pixel(9, 2), BLACK);
    EXPECT_EQ(lines.pixel(17, 9), BLACK);
    EXPECT_EQ(lines.pixel(9, 9), WHITE); // not closed back to the start
}

TEST(CGraphics, PlainRoundedOutlinesAndArcs)
{
    DrawingCanvas canvas(30, 30);
    CGraphics &graphics = canvas.graphics();
    graphics.getBrush().setColour(CAlphaColour(243, 32, 32, 255));
    graphics.drawRoundedRectangle(CRect(0, 0, 20, 20), CDimension(8, 8));
    EXPECT_EQ(canvas.pixel(10, 0), BLACK);
    EXPECT_EQ(canvas.pixel(19, 10), BLACK);
    EXPECT_EQ(canvas.pixel(0, 0), WHITE);
    EXPECT_EQ(canvas.pixel(10, 10), WHITE); // hollow
    EXPECT_NE(graphics.getBrush().getPlatformBrush(), nullptr);
    EXPECT_EQ(canvas.inkBounds(), CRect(0, 0, 20, 20));

    // Bounds (0, 0, 21, 21): centre (10, 10), radius 10. From the ray at 0 degrees to the one at
    // 90, clockwise on the screen passes the lower right; the other way the other three quarters.
    DrawingCanvas clockwise(21, 21);
    clockwise.graphics().drawArc(CRect(0, 0, 21, 21), CPoint(20, 10), CPoint(10, 40), true);
    EXPECT_TRUE(paintedNear(clockwise, 17, 17));
    EXPECT_FALSE(paintedNear(clockwise, 3, 3));
    EXPECT_FALSE(paintedNear(clockwise, 17, 3));
    DrawingCanvas other(21, 21);
    other.graphics().drawArc(CRect(0, 0, 21, 21), CPoint(20, 10), CPoint(10, 40), false);
    EXPECT_FALSE(paintedNear(other, 17, 17));
    EXPECT_TRUE(paintedNear(other, 3, 3));
    EXPECT_TRUE(paintedNear(other, 17, 3));
    DrawingCanvas full(21, 21);
    full.graphics().drawArc(CRect(0, 0, 21, 21), CPoint(20, 10), CPoint(30, 10), true);
    EXPECT_EQ(full.inkBounds(), CRect(0, 0, 21, 21));
}

TEST(CGraphics, PixelFormulas)
{
    DrawingCanvas canvas(8, 8);
    CGraphics &graphics = canvas.graphics();
    // t = 191 x 255 + 128 = 48833; ((t >> 8) + t) >> 8 = 191.
    graphics.drawAntiAliasedPixel(CPoint(1, 1), 64);
    EXPECT_EQ(canvas.pixel(1, 1), 0xFFBFBFBFu);
    graphics.getPen().setColour(CAlphaColour(243, 32, 32, 255));
    graphics.drawAntiAliasedPixel(CPoint(2, 1), 255);
    EXPECT_EQ(canvas.pixel(2, 1), 0xFFF32020u);
    graphics.drawAntiAliasedPixel(CPoint(3, 1), 0);
    EXPECT_EQ(canvas.pixel(3, 1), WHITE);
    graphics.drawAntiAliasedPixel(CPoint(100, 1), 255); // outside: nothing

    // Height 4: steps of 255 / 2 = 127 per channel, up to the middle and back.
    DrawingCanvas shaded(6, 6);
    shaded.graphics().getPen().setColour(CAlphaColour(0, 10, 255, 255));
    shaded.graphics().drawShadedRows(CRect(3, 3, 5, 4));
    EXPECT_EQ(shaded.pixel(0, 0), 0xFF000AFFu);
    EXPECT_EQ(shaded.pixel(4, 1), 0xFF7F84FFu);
    EXPECT_EQ(shaded.pixel(0, 2), 0xFFFEFEFFu);
    EXPECT_EQ(shaded.pixel(0, 3), 0xFF7F84FFu);
    EXPECT_EQ(shaded.pixel(5, 0), WHITE); // (width, row) is a line's end pixel
    EXPECT_EQ(shaded.pixel(0, 4), WHITE);
    EXPECT_EQ(shaded.graphics().getPen().getColour(), CAlphaColour(0, 10, 255, 255));
    shaded.graphics().drawShadedRows(CRect(0, 0, 3, 1));
    EXPECT_EQ(shaded.pixel(0, 0), 0xFF000AFFu);
}

TEST(CGraphics, ImagesWithoutAlphaCopyOrStretch)
{
    CJPEGImage quadrants(DrawingCanvas::fixture("quadrants-20x20.jpg").c_str());
    const std::uint32_t topLeft = 0xFFC81E1E, bottomRight = 0xFFFAFAFA;
    const CRect source(5, 5, 10, 10);

    // The image is as large as the destination: a 20 x 20 block from the source's corner.
    DrawingCanvas copied(40, 40);
    copied.graphics().getBrush().setColour(OPAQUE_BLACK);
    copied.graphics().fillRectangle(CRect(0, 0, 40, 40));
    copied.graphics().drawImage(&quadrants, CRect(0, 0, 20, 20), source);
    EXPECT_TRUE(near(copied.pixel(0, 0), topLeft, 8));
    EXPECT_TRUE(near(copied.pixel(7, 7), bottomRight, 8));
    EXPECT_EQ(copied.pixel(17, 17), BLACK); // beyond the image: left alone
    EXPECT_EQ(copied.pixel(20, 0), BLACK);

    DrawingCanvas stretched(40, 40);
    stretched.graphics().drawImageWithAlpha(&quadrants, CRect(0, 0, 40, 40), source, 0.25);
    EXPECT_TRUE(near(stretched.pixel(0, 0), topLeft, 8));
    EXPECT_TRUE(near(stretched.pixel(19, 19), topLeft, 8));
    EXPECT_TRUE(near(stretched.pixel(20, 20), bottomRight, 8));
    EXPECT_TRUE(near(stretched.pixel(39, 0), 0xFF1EC828, 8));

    stretched.graphics().drawImage(nullptr, CRect(0, 0, 40, 40), source);
    stretched.graphics().drawImage(&quadrants, CRect(0, 0, 40, 40), CRect(0, 0, 0, 10));
    EXPECT_TRUE(near(stretched.pixel(0, 0), topLeft, 8));
}

TEST(CGraphics, ImagesWithAlphaBlend)
{
    // Pixel 0: red at alpha 128 (premultiplied 128, 0, 0); pixel 1: opaque blue.
    CPNGImage picture(DrawingCanvas::fixture("half-red-2x1.png").c_str());
    ASSERT_TRUE(picture.hasAlpha());
    DrawingCanvas canvas(4, 4);
    CGraphics &graphics = canvas.graphics();
    graphics.drawImage(&picture, CRect(0, 0, 2, 1), CRect(0, 0, 2, 1));
    EXPECT_TRUE(near(canvas.pixel(0, 0), 0xFFFF7F7F, 1));
    EXPECT_EQ(canvas.pixel(1, 0), 0xFF0000FFu);

    graphics.drawImageWithAlpha(&picture, CRect(0, 1, 4, 2), CRect(1, 0, 1, 1), 0.5);
    EXPECT_TRUE(near(canvas.pixel(3, 2), 0xFF8080FF, 1));
    EXPECT_EQ(canvas.pixel(3, 3), WHITE);

    picture.unloadImage();
    graphics.drawImage(&picture, CRect(0, 3, 4, 1), CRect(0, 0, 2, 1));
    EXPECT_EQ(canvas.paintedInRow(3, 0, 3), 0);
}

TEST(CGraphics, AlphaLayers)
{
    DrawingCanvas canvas(10, 10);
    CGraphics &graphics = canvas.graphics();
    graphics.endAlphaDrawing(CRect(0, 0, 10, 10), CRect(0, 0, 10, 10)); // no layer: nothing
    CPen &surfacePen = graphics.getPen();
    graphics.getBrush().setColour(CAlphaColour(0, 0, 0, 255));

    graphics.beginAlphaDrawing(0.5);
    ASSERT_TRUE(graphics.isAlphaLayerActive());
    EXPECT_NE(&graphics.getPen(), &surfacePen);
    EXPECT_EQ(graphics.getBrush().getColour(), OPAQUE_BLACK);
    graphics.beginAlphaDrawing(1.0); // a layer is open: ignored, alpha stays 0.5
    graphics.fillRectangle(CRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.pixel(0, 0), WHITE); // drawn into the layer, not yet onto the picture

    graphics.setDrawingOffset(CPoint(2, 0));
    graphics.endAlphaDrawing(CRect(0, 0, 4, 10), CRect(0, 0, 4, 10));
    EXPECT_FALSE(graphics.isAlphaLayerActive());
    EXPECT_EQ(&graphics.getPen(), &surfacePen);
    EXPECT_EQ(canvas.pixel(1, 5), WHITE);
    EXPECT_EQ(canvas.pixel(2, 5), 0xFF808080u); // black at 127 over white
    EXPECT_EQ(canvas.pixel(6, 5), WHITE);

    graphics.beginAlphaDrawing(0.5);
    graphics.uninitialise(); // drops the open layer
    EXPECT_FALSE(graphics.isAlphaLayerActive());
    graphics.beginAlphaDrawing(0.5); // needs a picture
    EXPECT_FALSE(graphics.isAlphaLayerActive());
}

TEST(CGraphics, DirectModeDrawsOntoTheDevice)
{
    DrawingCanvas picture(6, 6);
    CGraphics direct;
    direct.initialiseDirect(picture.graphics().getDevice(), CDimension(6, 6));
    EXPECT_FALSE(direct.getNativeImage().isInitialised());
    EXPECT_FALSE(direct.getClip().isInitialised());
    direct.drawLine(CPoint(0, 0), CPoint(3, 0));
    EXPECT_EQ(picture.paintedInRow(0, 0, 5), 3);
    direct.beginAlphaDrawing(0.5); // layers need a picture of the surface's own
    EXPECT_FALSE(direct.isAlphaLayerActive());
    direct.uninitialise();
}
