#include "framework/basics/CException.hpp"
#include "framework/gui/graphics/CClip.hpp"
#include "tests/gui/graphics/DrawingCanvas.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

using namespace Corvane::GUI::Graphics;
using Corvane::Exceptions::CException;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Corvane::Testing::BLACK;
using Corvane::Testing::DrawingCanvas;
using Corvane::Testing::WHITE;

namespace
{
void makePicture(CNativeImage &image, long width, long height, const CColour &background)
{
    image.setBackgroundColour(background);
    image.initialise(CDimension(width, height));
}
} // namespace

TEST(CNativeImage, ALargePictureLivesOnHugePagesOfItsOwnAndGivesThemBackWhenDropped)
{
    CNativeImage image;
    makePicture(image, 700, 500, CColour(9, 8, 7)); // 1.4 MB of pixels
    long rowWords = 0;
    const std::uint32_t *pixels = image.getPixels(rowWords);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pixels) % (std::uintptr_t(2) << 20), 0u);
    EXPECT_EQ(image.getPixel(0, 0), 0xFF090807u);
    EXPECT_EQ(image.getPixel(699, 499), 0xFF090807u);

    image.uninitialise();
    std::vector<unsigned char> resident(1);
    EXPECT_EQ(::mincore(const_cast<std::uint32_t *>(pixels), ::sysconf(_SC_PAGESIZE), resident.data()), -1);
}

TEST(CNativeImage, PictureLifecycle)
{
    CNativeImage image;
    EXPECT_EQ(image.getDrawingTarget(), nullptr);
    EXPECT_EQ(image.getPixel(0, 0), 0u);
    makePicture(image, 4, 3, CColour(1, 2, 3));
    ASSERT_TRUE(image.isInitialised());
    for (long y = 0; y < 3; y++)
        for (long x = 0; x < 4; x++)
            EXPECT_EQ(image.getPixel(x, y), 0xFF010203u);
    EXPECT_EQ(image.getPixel(4, 0), 0u);

    image.initialise(CDimension(10, 10));
    EXPECT_EQ(image.getSize(), CDimension(4, 3));
    long rowWords = 0;
    ASSERT_NE(image.getPixels(rowWords), nullptr);
    EXPECT_GE(rowWords, 4);

    image.uninitialise();
    EXPECT_FALSE(image.isInitialised());
    EXPECT_EQ(image.getPixels(rowWords), nullptr);
    image.initialise(CDimension(10, 10));
    EXPECT_EQ(image.getSize(), CDimension(10, 10));

    CNativeImage impossible;
    impossible.initialise(CDimension(-5, 10));
    EXPECT_FALSE(impossible.isInitialised());
}

TEST(CNativeImage, ClearsEveryPixelWhateverTheClip)
{
    CGraphics graphics;
    graphics.initialiseBuffered(CDimension(6, 4), CColour(200, 100, 50));
    graphics.getClip().setClip(CRect(1, 1, 2, 2));
    graphics.getNativeImage().clear();
    for (long y = 0; y < 4; y++)
        for (long x = 0; x < 6; x++)
            ASSERT_EQ(graphics.getNativeImage().getPixel(x, y), 0u) << x << ", " << y;
    // The clip still holds for what is drawn next.
    graphics.getBrush().setColour(CAlphaColour(0, 0, 255, 255));
    graphics.fillRectangle(CRect(0, 0, 6, 4));
    EXPECT_EQ(graphics.getNativeImage().getPixel(1, 1), 0xFF0000FFu);
    EXPECT_EQ(graphics.getNativeImage().getPixel(0, 0), 0u);

    CNativeImage unmade;
    unmade.clear();
    EXPECT_FALSE(unmade.isInitialised());
}

TEST(CNativeImage, CopiesAndBlends)
{
    CNativeImage white, black, grey, unmade;
    makePicture(white, 4, 4, CColour(255, 255, 255));
    makePicture(black, 6, 6, CColour(0, 0, 0));
    makePicture(grey, 2, 2, CColour(9, 9, 9));

    // Half alpha is 127 of 255, so white over black comes out 127, not 128.
    EXPECT_TRUE(white.alphaBlendTo(&black, CRect(0, 0, 4, 4), CRect(1, 1, 2, 2), 0.5));
    EXPECT_EQ(black.getPixel(1, 1), 0xFF7F7F7Fu);
    EXPECT_EQ(black.getPixel(2, 2), 0xFF7F7F7Fu);
    EXPECT_EQ(black.getPixel(3, 3), BLACK);
    EXPECT_FALSE(white.alphaBlendTo(&unmade, CRect(0, 0, 4, 4), CRect(0, 0, 4, 4), 1.0));
    EXPECT_FALSE(unmade.alphaBlendTo(&white, CRect(0, 0, 4, 4), CRect(0, 0, 4, 4), 1.0));

    grey.copyTo(&white);
    EXPECT_EQ(white.getPixel(1, 1), 0xFF090909u);
    EXPECT_EQ(white.getPixel(2, 2), WHITE);
    grey.copyFrom(&black);
    EXPECT_EQ(grey.getPixel(0, 0), BLACK);
    EXPECT_EQ(grey.getPixel(1, 1), 0xFF7F7F7Fu);
    unmade.copyTo(&white);
    white.copyFrom(&unmade);
    EXPECT_EQ(white.getPixel(0, 0), 0xFF090909u);
}

TEST(CClip, ReplacesAndRestores)
{
    CClip clip;
    try
    {
        clip.intialised(nullptr, CRect(0, 0, 1, 1), nullptr);
        ADD_FAILURE() << "a null image was accepted";
    }
    catch (const CException &exception)
    {
        EXPECT_STREQ(exception.getErrorReason().getString(), "Native image is NULL");
        EXPECT_STREQ(exception.getFunctionName().getString(), "CClip::intialised(CNativeImage *, const CRect &, void *)");
    }

    CRect area;
    clip.setClip(CRect(1, 2, 3, 4));
    clip.getClip(area);
    EXPECT_EQ(area, CRect(1, 2, 3, 4));
    EXPECT_FALSE(clip.isClipSet());

    DrawingCanvas canvas(10, 10);
    CGraphics &graphics = canvas.graphics();
    graphics.getBrush().setColour(Corvane::MathTools::CAlphaColour(0, 0, 0, 255));
    CClip &bound = graphics.getClip();
    EXPECT_EQ(bound.getWholeArea(), CRect(0, 0, 10, 10));
    bound.setClip(CRect(0, 0, 5, 10));
    bound.setClip(CRect(5, 0, 5, 10)); // replaces the first rather than narrowing it to nothing
    graphics.fillRectangle(CRect(0, 0, 10, 1));
    EXPECT_EQ(canvas.paintedInRow(0, 0, 4), 0);
    EXPECT_EQ(canvas.paintedInRow(0, 5, 9), 5);

    bound.releaseClip();
    graphics.fillRectangle(CRect(0, 1, 10, 1));
    EXPECT_EQ(canvas.paintedInRow(1, 0, 9), 5);
    EXPECT_EQ(canvas.pixel(0, 1), BLACK);

    bound.releaseClip();
    bound.releaseClip(); // none left: no change
    EXPECT_TRUE(bound.isClipSet());
    graphics.fillRectangle(CRect(0, 2, 10, 1));
    EXPECT_EQ(canvas.paintedInRow(2, 0, 9), 10);

    // An empty intersection hides everything instead of clipping to the other side of its corner.
    bound.setClip(CRect(8, 8, -4, -4));
    graphics.fillRectangle(CRect(0, 3, 10, 4));
    EXPECT_EQ(canvas.paintedInRow(5, 0, 9), 0);

    // Unbinding takes off every clip the binding applied, paired or not.
    bound.setClip(CRect(0, 0, 1, 1));
    bound.uninitialise();
    EXPECT_FALSE(bound.isInitialised());
    graphics.fillRectangle(CRect(0, 9, 10, 1));
    EXPECT_EQ(canvas.paintedInRow(9, 0, 9), 10);
}
