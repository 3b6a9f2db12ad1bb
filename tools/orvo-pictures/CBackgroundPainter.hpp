#pragma once

#include "app/layout/CPanelLayout.hpp"
#include "framework/gui/graphics/CGraphics.hpp"

namespace Corvane::Orvo::Pictures
{
/**
 * Draws the picture the calculator window shows under its panels, from the panel layout: the
 * header with the icon, the name and what the program is; each strip with the calculation's
 * name and a line about it on the left, a sunk field under every control, the unit under every
 * field and an arrow to the result; the footer with how to use it. The controls draw only their
 * text, so the fields seen are these.
 *
 * Every text must fit its place on one line: a text that would be cut throws a CException, so a
 * longer caption fails the build instead of shipping clipped.
 */
class CBackgroundPainter
{
public:
    /** The left edge of every text and of the icon; the results end as far from the right edge. */
    static constexpr long MARGIN = 20;
    static constexpr long ICON_SIZE = 32;
    static constexpr const char *TITLE = "Orvo";
    static constexpr const char *SUBTITLE = "musical value calculator";
    static constexpr const char *HINT = "click a field, type a value, press Enter";

    CBackgroundPainter();

    /** Draws the whole client area; the surface must be at least that large. */
    void paint(GUI::Graphics::CGraphics &graphics) const;

    /** Where the name of @p panel's calculation goes, in the window; the summary goes under it. */
    static MathTools::CRect getNameArea(const SPanelLayout &panel);
    static MathTools::CRect getSummaryArea(const SPanelLayout &panel);
    /** Where a face is drawn for @p control: its own area, in the window. */
    static MathTools::CRect inWindow(const SPanelLayout &panel, const MathTools::CRect &area);
    /** The colour of the field under a control of @p kind. */
    static MathTools::CAlphaColour getFaceColour(EControlKind kind);
    /** Draws @p text in @p area; throws a CException when it does not fit there on one line in @p font. */
    static void drawFittingText(GUI::Graphics::CGraphics &graphics, const char *text, const MathTools::CRect &area,
                                const GUI::Graphics::CFont &font, long alignment);

private:
    void paintHeader(GUI::Graphics::CGraphics &graphics) const;
    void paintStrip(GUI::Graphics::CGraphics &graphics, const SPanelLayout &panel, bool last) const;
    void paintField(GUI::Graphics::CGraphics &graphics, const SPanelLayout &panel,
                    const SControlLayout &control) const;
    void paintMenuMark(GUI::Graphics::CGraphics &graphics, const MathTools::CRect &face) const;
    void paintArrow(GUI::Graphics::CGraphics &graphics, const SPanelLayout &panel) const;
    void paintFooter(GUI::Graphics::CGraphics &graphics) const;

    GUI::Graphics::CFont m_titleFont;
    GUI::Graphics::CFont m_nameFont;
    GUI::Graphics::CFont m_subtitleFont;
    GUI::Graphics::CFont m_captionFont;
};
} // namespace Corvane::Orvo::Pictures
