#pragma once

#include "app/calculations/CPanelCalculation.hpp"
#include "framework/mathtools/CAlphaColour.hpp"
#include "framework/mathtools/CRect.hpp"

#include <array>
#include <vector>

namespace Corvane::Orvo
{
/** What a panel shows in one of its places. */
enum class EControlKind
{
    TEXT_EDIT,
    COMBO_BOX,
    RESULT_LABEL
};

/** Whole pixels, kept as plain numbers so that the table owns no counted objects. */
struct SPixelArea
{
    long left;
    long top;
    long width;
    long height;

    MathTools::CRect toRect() const;
};

/** A control's colours, in the order setColours takes them. */
struct SControlColours
{
    MathTools::CAlphaColour frame;
    MathTools::CAlphaColour background;
    MathTools::CAlphaColour text;
};

/**
 * One control of a panel. The unit is not the control's own text: the background picture writes
 * it under the control, in getCaptionArea, and that area is worked out from the control's own
 * so that the two can never be apart.
 */
struct SControlLayout
{
    /** The place of a control that feeds no calculation field (combo boxes, the result). */
    static constexpr int NO_FIELD = -1;

    EControlKind kind;
    /** The unique id the panel tells its controls apart by; -1 for none. */
    long uniqueId;
    /** In the panel's coordinates. */
    SPixelArea area;
    const char *initialText;
    /** "bpm", "note", "ms", "seconds", "beats", "semitones", "%" or "Hz". */
    const char *unit;
    /** The calculation field a text edit holds, from 0; NO_FIELD for the other kinds. */
    int field;

    MathTools::CRect getArea() const { return area.toRect(); }
    /** As wide as the control, just under it, in the panel's coordinates. */
    MathTools::CRect getCaptionArea() const;
    SControlColours getColours() const;
};

/**
 * One calculator panel: which calculation it runs, the class that builds it, the name and the
 * one-line summary the background picture writes at the left of its strip, where the strip
 * starts in the window, and its controls, inputs first and the result last, the order in which
 * the panel adds them.
 */
struct SPanelLayout
{
    /** What a panel without a division or note menu keeps as its choice. */
    static constexpr long NO_CHOICE = -1;

    EPanel panel;
    const char *className;
    const char *name;
    const char *summary;
    /** The strip's top in the window's client area. */
    long top;
    /** The division (8, "1/4") or note (69, "A4") the panel starts with, or NO_CHOICE. */
    long initialChoice;
    std::vector<SControlLayout> controls;

    /** The panel's area in a window of @p windowWidth: the strip, short of the window's right edge. */
    MathTools::CRect getStripArea(long windowWidth) const;
    const SControlLayout &getResult() const { return controls.back(); }
    const CPanelCalculation &getCalculation() const { return CPanelCalculation::forPanel(panel); }
    /** What a text edit reads after a bad value has been replaced; a blank for the other kinds. */
    Basics::CString getResetText(const SControlLayout &control) const;
    /** The initial texts of the text edits, in field order: what the first calculation reads. */
    std::vector<Basics::CString> getInitialFieldTexts() const;
};

/**
 * The calculator window's layout: the client area, the header above the panels, the ten panel
 * strips stacked without gaps, and the footer below them. The panels are built from this table
 * and the background picture is drawn from it, so a caption always sits by its control.
 */
class CPanelLayout
{
public:
    static constexpr long CLIENT_WIDTH = 476;
    static constexpr long CLIENT_HEIGHT = 613;
    /** The header runs from the top to the first strip. */
    static constexpr long HEADER_BOTTOM = 62;
    static constexpr long STRIP_HEIGHT = 51;
    /** How much narrower than the window area a strip is. */
    static constexpr long STRIP_INSET = 7;
    /** The footer runs from below the last strip to the bottom. */
    static constexpr long FOOTER_TOP = HEADER_BOTTOM + CPanelCalculation::PANEL_COUNT * STRIP_HEIGHT;
    /** Every control's text is centred both ways (the graphics surface's code 4). */
    static constexpr long TEXT_ALIGNMENT = 4;
    /** Caption areas start this far below their control and are this high. */
    static constexpr long CAPTION_GAP = 2;
    static constexpr long CAPTION_HEIGHT = 13;

    /** The ten panels in the order the window creates and stacks them (EPanel order). */
    static const std::array<SPanelLayout, CPanelCalculation::PANEL_COUNT> &getPanels();
    static const SPanelLayout &getPanel(EPanel panel);
    /**
     * The colours panels give their controls of @p kind: grey with lavender text for what is typed
     * or chosen, white with gold text for the result. The controls draw only their text in them
     * (the fields seen under them are the background picture's); an edit box opens in them.
     */
    static SControlColours getControlColours(EControlKind kind);
};
} // namespace Corvane::Orvo
