#include "framework/basics/CException.hpp"
#include "tests/pictures/PictureTestSupport.hpp"
#include "tools/orvo-pictures/CBackgroundPainter.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Corvane::Orvo;
using namespace Corvane::Orvo::Pictures;
using Corvane::GUI::Graphics::CFont;
using Corvane::GUI::Graphics::CGraphics;
using Corvane::GUI::Graphics::CNativeImage;
using Corvane::MathTools::CColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CRect;
using Corvane::Testing::inkBounds;
using Corvane::Testing::wordOf;

namespace
{
/** What no part of the picture is drawn in. */
constexpr std::uint32_t UNPAINTED = 0xFFFF00FF;

class BackgroundPainterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Corvane::GUI::Graphics::setScreenPixelsPerInch(96);
        m_graphics.initialiseBuffered(CDimension(CPanelLayout::CLIENT_WIDTH, CPanelLayout::CLIENT_HEIGHT),
                                      CColour(255, 0, 255));
        CBackgroundPainter().paint(m_graphics);
    }

    const CNativeImage &picture() const { return m_graphics.getNativeImage(); }
    std::uint32_t pixel(long x, long y) const { return picture().getPixel(x, y); }

private:
    CGraphics m_graphics;
};

long centreX(const CRect &area)
{
    return area.getLeft() + area.getWidth() / 2;
}
} // namespace

TEST_F(BackgroundPainterTest, FillsTheClientAreaWithHeaderStripsAndFooter)
{
    EXPECT_TRUE(inkBounds(picture(), CRect(0, 0, 476, 613), UNPAINTED) == CRect(0, 0, 476, 613));
    for (long y = 0; y < 613; y++)
        for (long x = 0; x < 476; x++)
            ASSERT_NE(pixel(x, y), UNPAINTED) << x << ", " << y;
    EXPECT_EQ(pixel(470, 5), wordOf(Palette::HEADER));
    EXPECT_EQ(pixel(470, 61), wordOf(Palette::SHADOW));
    EXPECT_EQ(pixel(470, 62 + 25), wordOf(Palette::BODY));
    EXPECT_EQ(pixel(470, 572), wordOf(Palette::SHADOW));
    EXPECT_EQ(pixel(470, 600), wordOf(Palette::HEADER));

    // The title and subtitle beside the icon, the hint centred in the footer.
    const CRect icon = inkBounds(picture(), CRect(0, 0, 56, 61), wordOf(Palette::HEADER));
    EXPECT_EQ(icon.getLeft(), CBackgroundPainter::MARGIN + 1);
    EXPECT_LE(icon.getWidth(), CBackgroundPainter::ICON_SIZE);
    EXPECT_GT(inkBounds(picture(), CRect(56, 0, 420, 61), wordOf(Palette::HEADER)).getWidth(), 100);
    const CRect hint = inkBounds(picture(), CRect(0, 573, 476, 40), wordOf(Palette::HEADER));
    EXPECT_GT(hint.getWidth(), 150);
    EXPECT_LE(std::labs(centreX(hint) - 238), 1);
}

TEST_F(BackgroundPainterTest, EveryControlSitsOnAFieldWithItsUnitCentredUnderIt)
{
    for (const SPanelLayout &panel : CPanelLayout::getPanels())
    {
        SCOPED_TRACE(panel.className);
        for (const SControlLayout &control : panel.controls)
        {
            SCOPED_TRACE(control.unit);
            const CRect face = CBackgroundPainter::inWindow(panel, control.getArea());
            const std::uint32_t faceWord = wordOf(CBackgroundPainter::getFaceColour(control.kind));
            EXPECT_EQ(pixel(centreX(face), face.getTop() + 10), faceWord);
            EXPECT_EQ(pixel(face.getLeft(), face.getBottom() - 1), faceWord);
            // The field is sunk into a darker well that shows round it.
            EXPECT_EQ(pixel(face.getLeft() - 1, face.getTop() + 10), wordOf(Palette::SHADOW));
            EXPECT_EQ(pixel(face.getRight(), face.getTop() + 10), wordOf(Palette::SHADOW));

            const CRect caption = CBackgroundPainter::inWindow(panel, control.getCaptionArea());
            const CRect unit = inkBounds(picture(), caption, wordOf(Palette::BODY));
            ASSERT_GT(unit.getWidth(), 0);
            EXPECT_LE(std::labs(centreX(unit) - centreX(face)), 1);

            // Only combo boxes carry the mark that a menu opens there.
            const CRect rightEnd(face.getRight() - 13, face.getTop() + 1, 12, face.getHeight() - 1);
            EXPECT_EQ(inkBounds(picture(), rightEnd, faceWord).getWidth() > 0, control.kind == EControlKind::COMBO_BOX);
        }
        for (const CRect &area : {CBackgroundPainter::getNameArea(panel), CBackgroundPainter::getSummaryArea(panel)})
        {
            const CRect text = inkBounds(picture(), area, wordOf(Palette::BODY));
            EXPECT_GT(text.getWidth(), 20);
            EXPECT_LE(text.getLeft(), CBackgroundPainter::MARGIN + 1);
        }
        // Between the name and the first field nothing is drawn.
        const CRect gap(CBackgroundPainter::MARGIN + 102, panel.top + 2, 2, CPanelLayout::STRIP_HEIGHT - 4);
        EXPECT_EQ(inkBounds(picture(), gap, wordOf(Palette::BODY)), CRect());
    }
}

TEST(CBackgroundPainter, RefusesATextThatWouldBeCut)
{
    CGraphics graphics;
    graphics.initialiseBuffered(CDimension(100, 40), CColour(255, 255, 255));
    const CFont font(FACE_NAME, 8);
    CBackgroundPainter::drawFittingText(graphics, "bpm", CRect(0, 0, 60, 13), font, CGraphics::LEFT_TOP);
    EXPECT_GT(inkBounds(graphics.getNativeImage(), CRect(0, 0, 60, 13), 0xFFFFFFFF).getWidth(), 10);
    EXPECT_THROW(CBackgroundPainter::drawFittingText(graphics, "a much longer caption", CRect(0, 20, 60, 13), font,
                                                     CGraphics::LEFT_TOP),
                 Corvane::Exceptions::CException);
    EXPECT_THROW(CBackgroundPainter::drawFittingText(graphics, "bpm", CRect(0, 20, 60, 6), font, CGraphics::LEFT_TOP),
                 Corvane::Exceptions::CException);
    // Nothing of a refused text is drawn.
    EXPECT_EQ(inkBounds(graphics.getNativeImage(), CRect(0, 14, 100, 26), 0xFFFFFFFF), CRect());
}
