#include "app/layout/CPanelLayout.hpp"

#include "app/calculations/CNumberText.hpp"

namespace Corvane::Orvo
{
namespace
{
// The places a panel puts its controls, in its own coordinates.
constexpr SPixelArea FIRST_INPUT{126, 9, 74, 20};
constexpr SPixelArea SECOND_INPUT{220, 9, 74, 20};
constexpr SPixelArea RESULT{349, 9, 104, 20};
// The closest-note panel's one input is as wide as a result, and ends where the second input does.
constexpr SPixelArea WIDE_INPUT{189, 9, 104, 20};

constexpr long NO_ID = -1;
constexpr long DEFAULT_DIVISION = 8; // "1/4"
constexpr long DEFAULT_NOTE = 69;    // "A4"

SControlLayout edit(long id, const SPixelArea &area, const char *text, const char *unit, int field)
{
    return {EControlKind::TEXT_EDIT, id, area, text, unit, field};
}

SControlLayout combo(long id, const SPixelArea &area, const char *text, const char *unit)
{
    return {EControlKind::COMBO_BOX, id, area, text, unit, SControlLayout::NO_FIELD};
}

SControlLayout result(const char *unit)
{
    return {EControlKind::RESULT_LABEL, NO_ID, RESULT, " ", unit, SControlLayout::NO_FIELD};
}

long stripTop(int index)
{
    return CPanelLayout::HEADER_BOTTOM + index * CPanelLayout::STRIP_HEIGHT;
}

SControlColours makeColours(const MathTools::CAlphaColour &background, const MathTools::CAlphaColour &text)
{
    return {MathTools::CAlphaColour(0, 0, 0, 255), background, text};
}
} // namespace

MathTools::CRect SPixelArea::toRect() const
{
    return MathTools::CRect(left, top, width, height);
}

MathTools::CRect SControlLayout::getCaptionArea() const
{
    return MathTools::CRect(area.left, area.top + area.height + CPanelLayout::CAPTION_GAP, area.width,
                            CPanelLayout::CAPTION_HEIGHT);
}

SControlColours SControlLayout::getColours() const
{
    return CPanelLayout::getControlColours(kind);
}

MathTools::CRect SPanelLayout::getStripArea(long windowWidth) const
{
    return MathTools::CRect(0, top, windowWidth - CPanelLayout::STRIP_INSET, CPanelLayout::STRIP_HEIGHT);
}

Basics::CString SPanelLayout::getResetText(const SControlLayout &control) const
{
    if (control.field == SControlLayout::NO_FIELD)
        return " ";
    const CFieldRule &rule = getCalculation().getField(static_cast<std::size_t>(control.field));
    return rule.write(rule.getResetValue()).getString();
}

std::vector<Basics::CString> SPanelLayout::getInitialFieldTexts() const
{
    std::vector<Basics::CString> texts;
    for (const SControlLayout &control : controls)
        if (control.field != SControlLayout::NO_FIELD)
            texts.emplace_back(control.initialText);
    return texts;
}

const std::array<SPanelLayout, CPanelCalculation::PANEL_COUNT> &CPanelLayout::getPanels()
{
    static const std::array<SPanelLayout, CPanelCalculation::PANEL_COUNT> panels = {{
        {EPanel::DELAY, "CDelayPanel", "Delay time", "of a note value", stripTop(0), DEFAULT_DIVISION,
         {edit(0, FIRST_INPUT, "120.00", "bpm", 0), combo(1, SECOND_INPUT, "1/4", "note"), result("ms")}},
        {EPanel::TIME_TO_BPM, "CTimeToBpmPanel", "Tempo", "beats over a time", stripTop(1), SPanelLayout::NO_CHOICE,
         {edit(0, FIRST_INPUT, "2.00", "seconds", 0), edit(1, SECOND_INPUT, "4", "beats", 1), result("bpm")}},
        {EPanel::BPM_TO_TIME, "CBpmToTimePanel", "Duration", "of beats at a tempo", stripTop(2),
         SPanelLayout::NO_CHOICE,
         {edit(0, FIRST_INPUT, "120.00", "bpm", 0), edit(1, SECOND_INPUT, "4", "beats", 1), result("seconds")}},
        {EPanel::TEMPO_NOTE_SHIFT, "CTempoNoteShiftPanel", "Interval", "between two tempos", stripTop(3),
         SPanelLayout::NO_CHOICE,
         {edit(0, FIRST_INPUT, "120.00", "bpm", 0), edit(1, SECOND_INPUT, "240.00", "bpm", 1), result("semitones")}},
        {EPanel::TIME_STRETCH, "CTimeStretchPanel", "Time stretch", "ratio of two tempos", stripTop(4),
         SPanelLayout::NO_CHOICE,
         {edit(0, FIRST_INPUT, "120.00", "bpm", 0), edit(1, SECOND_INPUT, "125.00", "bpm", 1), result("%")}},
        {EPanel::TEMPO_SHIFT, "CTempoShiftPanel", "Tempo shift", "by semitones", stripTop(5),
         SPanelLayout::NO_CHOICE,
         {edit(0, FIRST_INPUT, "120.00", "bpm", 0), edit(1, SECOND_INPUT, "12.00", "semitones", 1), result("bpm")}},
        {EPanel::LFO, "CLfoPanel", "LFO rate", "of a note value", stripTop(6), DEFAULT_DIVISION,
         {edit(0, FIRST_INPUT, "120.00", "bpm", 0), combo(1, SECOND_INPUT, "1/4", "note"), result("Hz")}},
        {EPanel::CLOSEST_DIVISION, "CClosestDivisionPanel", "LFO note", "division for a rate", stripTop(7),
         SPanelLayout::NO_CHOICE,
         {edit(0, FIRST_INPUT, "120.00", "bpm", 0), edit(1, SECOND_INPUT, "2.00", "Hz", 1), result("note")}},
        {EPanel::NOTE_FREQUENCY, "CNoteFrequencyPanel", "Frequency", "of a note", stripTop(8), DEFAULT_NOTE,
         {combo(NO_ID, SECOND_INPUT, "A4", "note"), result("Hz")}},
        {EPanel::CLOSEST_NOTE, "CClosestNotePanel", "Nearest note", "to a frequency", stripTop(9),
         SPanelLayout::NO_CHOICE, {edit(NO_ID, WIDE_INPUT, "440.00", "Hz", 0), result("note")}},
    }};
    return panels;
}

const SPanelLayout &CPanelLayout::getPanel(EPanel panel)
{
    return getPanels().at(static_cast<std::size_t>(panel));
}

SControlColours CPanelLayout::getControlColours(EControlKind kind)
{
    if (kind == EControlKind::RESULT_LABEL)
        return makeColours(MathTools::CAlphaColour(255, 255, 255, 255), MathTools::CAlphaColour(221, 185, 50, 255));
    return makeColours(MathTools::CAlphaColour(88, 88, 93, 255), MathTools::CAlphaColour(220, 214, 248, 255));
}
} // namespace Corvane::Orvo
