#pragma once

#include "app/COrvoLooks.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CMenu.hpp"
#include "framework/gui/windows/CWindow.hpp"

namespace Corvane::Orvo
{
/**
 * The calculator's one window: the background picture, which carries every caption, under the
 * ten panels stacked in their strips. It prepares what the panels' drop-downs share (the menu
 * looks and the default font, Arial 14) and keeps the tempo-division menu the delay and LFO
 * panels both show. The framework's window does all drawing and routing.
 */
class COrvoWindow : public GUI::Windows::CWindow, private Basics::TInstanceCounter<COrvoWindow>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr const char *TITLE = "Orvo v5";
    static constexpr long FONT_POINTS = 14;
    /**
     * The characters the window's numbers, note values and note names are written in. The text
     * engine draws them once as the program starts; a glyph more there is time the window waits.
     */
    static constexpr const char *TEXT_SAMPLE = "0123456789.-/#ABCDEFGb";

    /**
     * Builds the panels for a window at @p area and loads Resources/Background.png from the
     * program's data folder; throws CException when the picture cannot be loaded.
     */
    explicit COrvoWindow(const MathTools::CRect &area);
    ~COrvoWindow() override;

    /** Where the window's background picture is: Resources/Background.png in the data folder. */
    static Basics::CSystemString getBackgroundPath();

    /** Makes the framework's default font the one all the window's texts are in, and answers it. */
    static const GUI::Graphics::CFont *chooseFont();

    /** The attributes the window is opened with: title, colour, fixed frame, icon. */
    static void describe(GUI::Windows::CWindowAttributes &attributes);

    GUI::Controls::CMenu *getTempoDivisionMenu() const { return m_divisions.get(); }
    const COrvoLooks &getLooks() const { return m_looks; }
    /** The calculator window that shows @p root; throws CException for any other window. */
    static const COrvoWindow &of(const GUI::Controls::IControlRoot &root);

private:
    void addPanels(long width);
    void loadBackground();

    COrvoLooks m_looks;
    Basics::TCountedReference<GUI::Controls::CMenu> m_divisions;
};
} // namespace Corvane::Orvo
