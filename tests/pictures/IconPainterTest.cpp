#include "tests/pictures/PictureTestSupport.hpp"
#include "tools/orvo-pictures/CIconPainter.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Corvane::Orvo::Pictures;
using Corvane::GUI::Graphics::CGraphics;
using Corvane::MathTools::CColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Corvane::Testing::inkBounds;
using Corvane::Testing::wordOf;

TEST(CIconPainter, DrawsEverySizeOnACentredTileWithRoundCornersAtTheOffset)
{
    constexpr long BORDER = 4;
    for (long size : CIconPainter::SIZES)
    {
        SCOPED_TRACE(size);
        CGraphics graphics;
        graphics.initialiseBuffered(CDimension(size + 2 * BORDER, size + 2 * BORDER), CColour());
        graphics.getNativeImage().clear();
        graphics.setDrawingOffset(CPoint(BORDER, BORDER));
        CIconPainter::paint(graphics, size);
        const auto &picture = graphics.getNativeImage();

        // The tile fills the icon but for an even margin, and nothing is drawn outside it.
        const long margin = size < 32 ? 0 : size / 32;
        const CRect drawn = inkBounds(picture, CRect(0, 0, size + 2 * BORDER, size + 2 * BORDER), 0);
        const CRect tile(BORDER + margin, BORDER + margin, size - 2 * margin, size - 2 * margin);
        EXPECT_STREQ(CRect::getRectAsString(drawn).getString(), CRect::getRectAsString(tile).getString());
        EXPECT_LT(picture.getPixel(BORDER + margin, BORDER + margin) >> 24, 128u);
        EXPECT_EQ(picture.getPixel(BORDER + size / 2, BORDER + size / 2) >> 24, 255u);

        // The notes, in the accent, about the middle of the tile.
        long accent = 0, sumX = 0, sumY = 0;
        for (long y = 0; y < size; y++)
            for (long x = 0; x < size; x++)
                if (picture.getPixel(BORDER + x, BORDER + y) == wordOf(Palette::ACCENT))
                {
                    accent++;
                    sumX += x;
                    sumY += y;
                }
        ASSERT_GT(accent, size * size / 16);
        EXPECT_LE(std::labs(sumX / accent - size / 2), size / 8);
        EXPECT_LE(std::labs(sumY / accent - size / 2), size / 8);
    }
}
