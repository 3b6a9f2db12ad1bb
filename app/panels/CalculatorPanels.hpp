#pragma once

#include "app/panels/CCalculatorPanel.hpp"

namespace Corvane::Orvo
{
// The ten panels of the calculator window, top to bottom. Each is its row of the layout table
// with a class record of its own; the two division panels share the window's division menu, and
// the note-frequency panel builds its note menu itself.

class CDelayPanel : public CDivisionPanel, private Basics::TInstanceCounter<CDelayPanel>
{
public:
    CORVANE_DECLARE_CLASS
    CDelayPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area,
                GUI::Controls::CMenu *divisions);
};

class CTimeToBpmPanel : public CCalculatorPanel, private Basics::TInstanceCounter<CTimeToBpmPanel>
{
public:
    CORVANE_DECLARE_CLASS
    CTimeToBpmPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);
};

class CBpmToTimePanel : public CCalculatorPanel, private Basics::TInstanceCounter<CBpmToTimePanel>
{
public:
    CORVANE_DECLARE_CLASS
    CBpmToTimePanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);
};

class CTempoNoteShiftPanel : public CCalculatorPanel, private Basics::TInstanceCounter<CTempoNoteShiftPanel>
{
public:
    CORVANE_DECLARE_CLASS
    CTempoNoteShiftPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);
};

class CTimeStretchPanel : public CCalculatorPanel, private Basics::TInstanceCounter<CTimeStretchPanel>
{
public:
    CORVANE_DECLARE_CLASS
    CTimeStretchPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);
};

class CTempoShiftPanel : public CCalculatorPanel, private Basics::TInstanceCounter<CTempoShiftPanel>
{
public:
    CORVANE_DECLARE_CLASS
    CTempoShiftPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);
};

class CLfoPanel : public CDivisionPanel, private Basics::TInstanceCounter<CLfoPanel>
{
public:
    CORVANE_DECLARE_CLASS
    CLfoPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area,
              GUI::Controls::CMenu *divisions);
};

class CClosestDivisionPanel : public CCalculatorPanel, private Basics::TInstanceCounter<CClosestDivisionPanel>
{
public:
    CORVANE_DECLARE_CLASS
    CClosestDivisionPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);
};

/** Chooses a note from its own note menu; its result stays 440.00 (A4) until a note is chosen. */
class CNoteFrequencyPanel : public CCalculatorPanel, private Basics::TInstanceCounter<CNoteFrequencyPanel>
{
public:
    CORVANE_DECLARE_CLASS
    CNoteFrequencyPanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);

protected:
    /** The chosen note, A4 until one is chosen. */
    long getChoice() const override;

private:
    static GUI::Controls::CMenu *makeNoteMenu();
};

class CClosestNotePanel : public CCalculatorPanel, private Basics::TInstanceCounter<CClosestNotePanel>
{
public:
    CORVANE_DECLARE_CLASS
    CClosestNotePanel(GUI::Controls::IControlRoot *root, long uniqueId, const MathTools::CRect &area);
};
} // namespace Corvane::Orvo
