#include "tools/orvo-pictures/CBackgroundPainter.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/graphics/TextMeasure.hpp"
#include "tools/orvo-pictures/CIconPainter.hpp"
#include "tools/orvo-pictures/PictureLook.hpp"

namespace Corvane::Orvo::Pictures
{
using GUI::Graphics::CFont;
using GUI::Graphics::CGraphics;
using MathTools::CDimension;
using MathTools::CPoint;
using MathTools::CRect;

namespace
{
constexpr long WIDTH = CPanelLayout::CLIENT_WIDTH;
constexpr long FOOTER_HEIGHT = CPanelLayout::CLIENT_HEIGHT - CPanelLayout::FOOTER_TOP;
/** The name column ends short of the first field. */
constexpr long NAME_WIDTH = 100;
/** How far a field's well reaches beyond the field, and its corners' radius. */
constexpr long WELL = 2;
constexpr long WELL_RADIUS = 4;
/** The results are read on a dark face, where their gold is clearest. */
constexpr SShade RESULT_FACE{25, 26, 32};

CFont makeFont(long points, bool bold)
{
    CFont font(FACE_NAME, points);
    font.setFont(FACE_NAME, points, false, false, false, bold);
    return font;
}

/** A one-pixel line from @p left to @p right at @p y, in @p shade. */
void drawRule(CGraphics &graphics, long left, long right, long y, const SShade &shade)
{
    graphics.getBrush().setColour(shade.withAlpha());
    graphics.fillRectangle(CRect(left, y, right - left, 1));
}

void fillArea(CGraphics &graphics, const CRect &area, const MathTools::CAlphaColour &colour)
{
    graphics.getBrush().setColour(colour);
    graphics.fillRectangle(area);
}
} // namespace

CBackgroundPainter::CBackgroundPainter()
    : m_titleFont(makeFont(TypeSizes::TITLE, true)), m_nameFont(makeFont(TypeSizes::NAME, true)),
      m_subtitleFont(makeFont(TypeSizes::SUBTITLE, false)), m_captionFont(makeFont(TypeSizes::CAPTION, false))
{
}

void CBackgroundPainter::paint(CGraphics &graphics) const
{
    fillArea(graphics, CRect(0, 0, WIDTH, CPanelLayout::CLIENT_HEIGHT), Palette::BODY.withAlpha());
    paintHeader(graphics);
    const auto &panels = CPanelLayout::getPanels();
    for (const SPanelLayout &panel : panels)
        paintStrip(graphics, panel, &panel == &panels.back());
    paintFooter(graphics);
}

CRect CBackgroundPainter::getNameArea(const SPanelLayout &panel)
{
    const CRect field = panel.controls.front().getArea();
    return CRect(MARGIN, panel.top + field.getTop(), NAME_WIDTH, field.getHeight());
}

CRect CBackgroundPainter::getSummaryArea(const SPanelLayout &panel)
{
    const CRect caption = panel.controls.front().getCaptionArea();
    return CRect(MARGIN, panel.top + caption.getTop(), NAME_WIDTH, caption.getHeight());
}

CRect CBackgroundPainter::inWindow(const SPanelLayout &panel, const CRect &area)
{
    return CRect(area.getLeft(), panel.top + area.getTop(), area.getWidth(), area.getHeight());
}

MathTools::CAlphaColour CBackgroundPainter::getFaceColour(EControlKind kind)
{
    // A typed or chosen value sits on its control's own background, the colour its edit box
    // opens in, so nothing jumps when editing starts.
    if (kind == EControlKind::RESULT_LABEL)
        return RESULT_FACE.withAlpha();
    return CPanelLayout::getControlColours(kind).background;
}

void CBackgroundPainter::paintHeader(CGraphics &graphics) const
{
    fillArea(graphics, CRect(0, 0, WIDTH, CPanelLayout::HEADER_BOTTOM), Palette::HEADER.withAlpha());
    drawRule(graphics, 0, WIDTH, CPanelLayout::HEADER_BOTTOM - 1, Palette::SHADOW);
    const long iconTop = (CPanelLayout::HEADER_BOTTOM - ICON_SIZE) / 2;
    const CPoint offset = graphics.getDrawingOffset();
    graphics.setDrawingOffset(CPoint(offset.getXPosition() + MARGIN, offset.getYPosition() + iconTop));
    CIconPainter::paint(graphics, ICON_SIZE);
    graphics.setDrawingOffset(offset);

    const long textLeft = MARGIN + ICON_SIZE + 12;
    graphics.setTextColour(Palette::TITLE.withAlpha());
    drawFittingText(graphics, TITLE, CRect(textLeft, iconTop - 5, 120, 30), m_titleFont, CGraphics::LEFT_TOP);
    graphics.setTextColour(Palette::MUTED.withAlpha());
    drawFittingText(graphics, SUBTITLE, CRect(textLeft + 1, iconTop + 22, 260, 14), m_subtitleFont,
                    CGraphics::LEFT_TOP);
}

void CBackgroundPainter::paintStrip(CGraphics &graphics, const SPanelLayout &panel, bool last) const
{
    // Strips are parted by an engraved line: a shadow at the foot of one, a highlight at the top of the next.
    if (panel.top > CPanelLayout::HEADER_BOTTOM)
        drawRule(graphics, MARGIN, WIDTH - MARGIN, panel.top, Palette::HIGHLIGHT);
    if (!last)
        drawRule(graphics, MARGIN, WIDTH - MARGIN, panel.top + CPanelLayout::STRIP_HEIGHT - 1, Palette::SHADOW);

    graphics.setTextColour(Palette::NAME.withAlpha());
    drawFittingText(graphics, panel.name, getNameArea(panel), m_nameFont, CGraphics::LEFT_CENTRE);
    graphics.setTextColour(Palette::MUTED.withAlpha());
    drawFittingText(graphics, panel.summary, getSummaryArea(panel), m_captionFont, CGraphics::LEFT_CENTRE);
    for (const SControlLayout &control : panel.controls)
        paintField(graphics, panel, control);
    paintArrow(graphics, panel);
}

void CBackgroundPainter::paintField(CGraphics &graphics, const SPanelLayout &panel,
                                    const SControlLayout &control) const
{
    const CRect face = inWindow(panel, control.getArea());
    const CRect well(face.getLeft() - WELL, face.getTop() - WELL, face.getWidth() + 2 * WELL,
                     face.getHeight() + 2 * WELL);
    graphics.getBrush().setColour(Palette::SHADOW.withAlpha());
    graphics.fillRoundedRectangle(well, CDimension(WELL_RADIUS, WELL_RADIUS));
    // Light catches the lower lip of the well, which makes it read as sunk.
    drawRule(graphics, well.getLeft() + WELL_RADIUS, well.getRight() - WELL_RADIUS, well.getBottom(),
             Palette::HIGHLIGHT);
    fillArea(graphics, face, getFaceColour(control.kind));
    // A hairline of the face's top edge in shadow gives the inset its depth.
    fillArea(graphics, CRect(face.getLeft(), face.getTop(), face.getWidth(), 1), Palette::SHADOW.withAlpha(150));

    if (control.kind == EControlKind::COMBO_BOX)
        paintMenuMark(graphics, face);

    graphics.setTextColour(Palette::MUTED.withAlpha());
    drawFittingText(graphics, control.unit, inWindow(panel, control.getCaptionArea()), m_captionFont,
                    CGraphics::CENTRE_CENTRE);
}

void CBackgroundPainter::paintMenuMark(CGraphics &graphics, const CRect &face) const
{
    // A small downward wedge at the right end: this field opens a menu. The longest choice,
    // "1/64D", still clears it when centred.
    const long right = face.getRight() - 4;
    const long middle = face.getTop() + face.getHeight() / 2;
    MathTools::CPolygon wedge(3);
    wedge.setPoint(0, CPoint(right - 8, middle - 2));
    wedge.setPoint(1, CPoint(right, middle - 2));
    wedge.setPoint(2, CPoint(right - 4, middle + 2));
    graphics.getBrush().setColour(Palette::NAME.withAlpha(130));
    graphics.fillPolygon(wedge);
}

void CBackgroundPainter::paintArrow(CGraphics &graphics, const SPanelLayout &panel) const
{
    // From the last input to the result, on the fields' middle row.
    const CRect input = inWindow(panel, panel.controls[panel.controls.size() - 2].getArea());
    const CRect result = inWindow(panel, panel.getResult().getArea());
    const long y = input.getTop() + input.getHeight() / 2;
    const long from = input.getRight() + 3 * WELL + 2;
    const long tip = result.getLeft() - 3 * WELL - 2;
    const MathTools::CAlphaColour colour = Palette::ACCENT.withAlpha(170);
    fillArea(graphics, CRect(from, y, tip - from - 3, 1), colour);
    MathTools::CPolygon head(3);
    head.setPoint(0, CPoint(tip - 6, y - 4));
    head.setPoint(1, CPoint(tip, y));
    head.setPoint(2, CPoint(tip - 6, y + 5));
    graphics.getBrush().setColour(colour);
    graphics.fillPolygon(head);
}

void CBackgroundPainter::paintFooter(CGraphics &graphics) const
{
    const CRect footer(0, CPanelLayout::FOOTER_TOP, WIDTH, FOOTER_HEIGHT);
    fillArea(graphics, footer, Palette::HEADER.withAlpha());
    drawRule(graphics, 0, WIDTH, footer.getTop(), Palette::SHADOW);
    graphics.setTextColour(Palette::MUTED.withAlpha());
    drawFittingText(graphics, HINT, footer, m_subtitleFont, CGraphics::CENTRE_CENTRE);
}

void CBackgroundPainter::drawFittingText(CGraphics &graphics, const char *text, const CRect &area,
                                         const CFont &font, long alignment)
{
    const CDimension size = GUI::Graphics::measureTextBlock(text, &font, 0);
    if (size.getWidth() > area.getWidth() || font.getPixelHeight() > area.getHeight())
    {
        Basics::CString reason;
        reason.setStringWithFormat("\"%s\" needs %lix%li pixels but has %lix%li", text, size.getWidth(),
                                   font.getPixelHeight(), area.getWidth(), area.getHeight());
        throw Exceptions::CException(reason,
                                     "CBackgroundPainter::drawFittingText(CGraphics &, const char *, const CRect &, "
                                     "const CFont &, long)");
    }
    graphics.drawText(text, area, &font, alignment);
}
} // namespace Corvane::Orvo::Pictures
