#include "framework/gui/graphics/CFont.hpp"
#include "tests/gui/graphics/DrawingCanvas.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>
#include <pango/pango.h>

using namespace Corvane::GUI::Graphics;
using Corvane::Basics::CString;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CRect;
using Corvane::Testing::DrawingCanvas;

namespace
{
CDimension measured(CGraphics &graphics, const char *text, const CFont &font)
{
    CDimension size;
    measureText(graphics.getDevice(), text, size, font.getFontHandle());
    return size;
}

/** Makes a font the default for one test and lets it go after. */
class DefaultFont
{
public:
    explicit DefaultFont(CFont *font) { CFont::setDefaultFont(font); }
    ~DefaultFont() { CFont::setDefaultFont(nullptr); }
};
} // namespace

TEST(CFont, DescriptionAndPixelHeight)
{
    const Corvane::Testing::LiveCounts before;
    {
        EXPECT_EQ(getScreenPixelsPerInch(), 96);
        EXPECT_EQ(pointsToPixels(8), 11);   // 10.67
        EXPECT_EQ(pointsToPixels(14), 19);  // 18.67
        EXPECT_EQ(pointsToPixels(3), 4);    // 4.0
        EXPECT_EQ(pointsToPixels(-8), -11); // halves and fractions round away from zero on both sides

        CFont font("Arial", 8);
        EXPECT_EQ(font.getPixelHeight(), 11);
        EXPECT_EQ(font.getHeight(), -11);
        EXPECT_EQ(font.getWeight(), CFont::NORMAL_WEIGHT);
        EXPECT_STREQ(pango_font_description_get_family(font.getFontHandle()), "Arial");
        EXPECT_EQ(pango_font_description_get_size(font.getFontHandle()), 11 * PANGO_SCALE);
        EXPECT_TRUE(pango_font_description_get_size_is_absolute(font.getFontHandle()));

        font.setFont("Arial", 14, true, true, false, true);
        EXPECT_EQ(font.getPixelHeight(), 19);
        EXPECT_EQ(pango_font_description_get_weight(font.getFontHandle()), PANGO_WEIGHT_BOLD);
        EXPECT_EQ(pango_font_description_get_style(font.getFontHandle()), PANGO_STYLE_ITALIC);
        EXPECT_TRUE(font.isUnderlined());

        CFont copy(font);
        EXPECT_NE(copy.getFontHandle(), font.getFontHandle());
        EXPECT_TRUE(pango_font_description_equal(copy.getFontHandle(), font.getFontHandle()));
        copy.setPointSize(8);
        EXPECT_EQ(copy.getPixelHeight(), 11);
        EXPECT_TRUE(copy.isItalic());
        font = copy;
        EXPECT_EQ(font.getPointSize(), 8);

        CFont longName("A face name that is far longer than thirty-one bytes", 8);
        EXPECT_STREQ(longName.getFaceName().getString(), "A face name that is far longer ");
        CFont cutInside("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                        "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
                        8);
        EXPECT_EQ(cutInside.getFaceName().getSize() - 1, 30); // never half a character

        setScreenPixelsPerInch(120);
        EXPECT_EQ(pointsToPixels(8), 13);
        setScreenPixelsPerInch(96);

        DefaultFont defaultFont(new CFont("Arial", 8));
        EXPECT_EQ(CFont::getDefaultFont()->getReferenceCount(), 1);
    }
    EXPECT_EQ(CFont::getDefaultFont(), nullptr);
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}

TEST(CFont, MeasuresWholeTexts)
{
    DrawingCanvas canvas(10, 10);
    const CFont arial14("Arial", 14);
    const CDimension size = measured(canvas.graphics(), "120.00", arial14);
    EXPECT_GE(size.getWidth(), 45);
    EXPECT_LE(size.getWidth(), 60);
    EXPECT_GE(size.getHeight(), 19);
    EXPECT_LE(size.getHeight(), 25);
    EXPECT_EQ(measured(canvas.graphics(), "120.00", arial14), size);
    DrawingCanvas other(500, 30);
    EXPECT_EQ(measured(other.graphics(), "120.00", arial14), size);

    // The whole text counts, its last character included; a line break adds a line.
    EXPECT_GT(measured(canvas.graphics(), "120.000", arial14).getWidth(), size.getWidth());
    EXPECT_EQ(measured(canvas.graphics(), "1\n2", arial14).getHeight(), 2 * measured(canvas.graphics(), "1", arial14).getHeight());
    EXPECT_GT(measured(canvas.graphics(), "\xFF\xFE", arial14).getWidth(), 0); // not UTF-8: replacement glyphs

    CDimension untouched(7, 7);
    EXPECT_FALSE(measureTextWithEngine(nullptr, "120.00", untouched, arial14.getFontHandle()));
    measureText(nullptr, "120.00", untouched, arial14.getFontHandle());
    EXPECT_EQ(untouched, CDimension(7, 7));
    EXPECT_TRUE(measureTextWithEngine(canvas.graphics().getDevice(), "", untouched, nullptr));
    EXPECT_EQ(untouched.getWidth(), 0);
}

TEST(CGraphics, TextAlignmentAndWholeLines)
{
    const CFont arial14("Arial", 14);
    const CRect area(0, 0, 120, 60);
    const auto inkOf = [&](const char *text, long alignment, const CRect &where) {
        DrawingCanvas canvas(120, 60);
        canvas.graphics().drawText(text, where, &arial14, alignment);
        return canvas.inkBounds();
    };
    DrawingCanvas probe(1, 1);
    const CDimension size = measured(probe.graphics(), "120.00", arial14);
    const CRect topLeft = inkOf("120.00", CGraphics::LEFT_TOP, area);
    ASSERT_GT(topLeft.getWidth(), 0);

    // Centred both ways: the ink moves by half the room the text leaves.
    const CRect centred = inkOf("120.00", CGraphics::CENTRE_CENTRE, area);
    EXPECT_NEAR(centred.getLeft() - topLeft.getLeft(), (120 - size.getWidth()) / 2, 1);
    EXPECT_NEAR(centred.getTop() - topLeft.getTop(), (60 - size.getHeight()) / 2, 1);
    EXPECT_EQ(inkOf("120.00", CGraphics::DEFAULT_SINGLE_LINE, area), centred);
    const CRect bottomRight = inkOf("120.00", CGraphics::RIGHT_BOTTOM, area);
    EXPECT_NEAR(bottomRight.getLeft() - topLeft.getLeft(), 120 - size.getWidth(), 1);
    EXPECT_NEAR(bottomRight.getTop() - topLeft.getTop(), 60 - size.getHeight(), 1);
    EXPECT_EQ(inkOf("120.00", CGraphics::DEFAULT_LABEL, area).getLeft(), topLeft.getLeft());
    EXPECT_EQ(inkOf("120.00", CGraphics::DEFAULT_LABEL, area).getTop(), centred.getTop());
    EXPECT_EQ(inkOf("120.00", 42, area), topLeft);

    // Two lines from the top left; an area too low for the second shows only the first, and one
    // too low for the first shows nothing.
    const CRect twoLines = inkOf("1\n1", CGraphics::LEFT_TOP, area);
    EXPECT_GT(twoLines.getHeight(), size.getHeight());
    const CRect oneLine = inkOf("1\n1", CGraphics::LEFT_TOP, CRect(0, 0, 120, size.getHeight() + 5));
    EXPECT_LT(oneLine.getHeight(), size.getHeight());
    EXPECT_EQ(inkOf("120.00", CGraphics::CENTRE_CENTRE, CRect(0, 0, 120, arial14.getPixelHeight() - 1)), CRect());

    // A line fits when its em box does: the calculator's 20-pixel labels show their 19-pixel
    // numbers, although the font's lines are further apart than that.
    ASSERT_GT(size.getHeight(), 20);
    const CRect label = inkOf("120.00", CGraphics::CENTRE_CENTRE, CRect(10, 10, 104, 20));
    EXPECT_GT(label.getWidth(), 0);
    EXPECT_GE(label.getTop(), 10);
    EXPECT_LE(label.getBottom(), 30);

    // Words wrap at the area's width.
    const CRect wrapped = inkOf("120.00 120.00", CGraphics::LEFT_TOP, CRect(0, 0, size.getWidth() + 10, 60));
    EXPECT_GT(wrapped.getHeight(), size.getHeight());
}

TEST(CGraphics, TextColourOffsetAndDefaultFont)
{
    DrawingCanvas canvas(60, 30);
    CGraphics &graphics = canvas.graphics();
    graphics.drawText("88", CRect(0, 0, 60, 30), nullptr, CGraphics::LEFT_TOP);
    EXPECT_EQ(canvas.inkBounds(), CRect()); // no default font: nothing

    DefaultFont defaultFont(new CFont("Arial", 14));
    graphics.setTextColour(Corvane::MathTools::CAlphaColour(243, 32, 32, 255));
    graphics.setDrawingOffset(Corvane::MathTools::CPoint(30, 0));
    graphics.drawText("88", CRect(0, 0, 30, 30), nullptr, CGraphics::LEFT_TOP);
    const CRect ink = canvas.inkBounds();
    EXPECT_GE(ink.getLeft(), 30);
    bool sawTextColour = false;
    for (long y = ink.getTop(); y < ink.getBottom(); y++)
        for (long x = ink.getLeft(); x < ink.getRight(); x++)
            sawTextColour |= canvas.pixel(x, y) == 0xFFF32020u;
    EXPECT_TRUE(sawTextColour);
}
