#pragma once

#include "framework/mathtools/CRect.hpp"

#include <pango/pangocairo.h>

namespace Corvane::GUI::Graphics
{
/**
 * One text laid out by Pango for a cairo target, with the font settings that drawing and
 * measuring share, so that a measured text takes exactly the room it is drawn in. Bytes that
 * are not UTF-8 are laid out as U+FFFD.
 */
class CTextLayout
{
public:
    enum EPlacement
    {
        START,
        CENTRE,
        END
    };

    /**
     * Sets up the font machinery on a thread of its own while the program goes on starting
     * (opening its display, say), rather than for the first text: Pango reads the font
     * configuration, and with @p font given, the font is looked up and loaded and the glyphs of
     * @p sample (digits and letters when null) are drawn once, so the first window's texts find
     * them ready. The first text laid out waits for it. Only the drawing thread may call it,
     * before it lays out any text.
     */
    static void startTextEngine(const PangoFontDescription *font = nullptr, const char *sample = nullptr);

    /** @p font null lays the text out in the target's default font. */
    CTextLayout(cairo_t *target, const PangoFontDescription *font, const char *text);
    CTextLayout(const CTextLayout &) = delete;
    CTextLayout &operator=(const CTextLayout &) = delete;
    ~CTextLayout();

    void addDecorations(bool underline, bool strikeOut);
    /** Breaks lines between words (inside a word too long for a line) to fit @p width pixels. */
    void wrapLines(long width, EPlacement horizontal);

    /** The unbounded size of the whole text, truncated to whole pixels. */
    MathTools::CDimension getSize() const;

    /**
     * Draws, in the target's current source, the lines that fit in the area's height, from the
     * first (none when the first does not fit), placed in the area as a block. A line fits when
     * its em box does: the font's size, which is what a font's pixel height promises. Requiring the
     * whole line spacing instead would hide the one line of a label exactly as tall as its font
     * (a 20-pixel label in a 19-pixel font has lines 22 pixels apart); the clip cuts the gap.
     */
    void showWholeLines(const MathTools::CRect &area, EPlacement vertical) const;

private:
    /** The height of the leading lines that fit in @p limit, to the last one's bottom, in Pango units. */
    int getHeightOfWholeLines(int limit) const;

    cairo_t *m_target;
    PangoLayout *m_layout;
};
} // namespace Corvane::GUI::Graphics
