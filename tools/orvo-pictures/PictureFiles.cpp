#include "tools/orvo-pictures/PictureFiles.hpp"

#include "app/layout/CPanelLayout.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "framework/gui/graphics/PNGWriter.hpp"
#include "framework/gui/windows/CWindow.hpp"
#include "tools/orvo-pictures/CBackgroundPainter.hpp"
#include "tools/orvo-pictures/CIconPainter.hpp"
#include "tools/orvo-pictures/PictureLook.hpp"

namespace Corvane::Orvo::Pictures
{
using GUI::Graphics::CGraphics;
using MathTools::CDimension;
using MathTools::CRect;

namespace
{
/** The window's font, which every control's text is drawn in. */
constexpr long CONTROL_POINTS = 14;

/** Saves @p picture; the pictures the calculator reads at every start go UNFILTERED, to decode quicker. */
void save(const GUI::Graphics::CNativeImage &picture, const Basics::CSystemString &path,
          GUI::Graphics::EPNGRows rows = GUI::Graphics::EPNGRows::FILTERED)
{
    if (!GUI::Graphics::savePNGFile(picture, path, rows))
        throw Exceptions::CException(Basics::CString("Could not write ") += path,
                                     "save(const CNativeImage &, const CSystemString &)");
}

/** Labels over @p root at the places, and with the first texts, of the controls of @p panel. */
void addFirstTexts(GUI::Controls::IControlRoot &root, const SPanelLayout &panel)
{
    const CCalculationOutcome outcome = panel.getCalculation().calculate(panel.getInitialFieldTexts(),
                                                                          panel.initialChoice);
    for (const SControlLayout &control : panel.controls)
    {
        const Basics::CString text =
            control.kind == EControlKind::RESULT_LABEL ? outcome.getResultText() : Basics::CString(control.initialText);
        auto *label = new GUI::Controls::CTextLabel(&root, control.uniqueId,
                                                    CBackgroundPainter::inWindow(panel, control.getArea()), text);
        const SControlColours colours = control.getColours();
        label->setColours(colours.frame, colours.background, colours.text);
        label->setTextAlignment(CPanelLayout::TEXT_ALIGNMENT);
        root.addControl(label);
    }
}
} // namespace

void writeBackground(const Basics::CSystemString &path)
{
    CGraphics graphics;
    graphics.initialiseBuffered(CDimension(CPanelLayout::CLIENT_WIDTH, CPanelLayout::CLIENT_HEIGHT),
                                MathTools::CColour(Palette::BODY.red, Palette::BODY.green, Palette::BODY.blue));
    CBackgroundPainter().paint(graphics);
    save(graphics.getNativeImage(), path, GUI::Graphics::EPNGRows::UNFILTERED);
}

void writeIcon(long size, const Basics::CSystemString &path)
{
    CGraphics graphics;
    graphics.initialiseBuffered(CDimension(size, size), MathTools::CColour());
    graphics.getNativeImage().clear();
    CIconPainter::paint(graphics, size);
    save(graphics.getNativeImage(), path, GUI::Graphics::EPNGRows::UNFILTERED);
}

void writePreview(const Basics::CSystemString &background, const Basics::CSystemString &path)
{
    GUI::Graphics::CFont *font = GUI::Graphics::CFont::getDefaultFont();
    if (font == nullptr)
        throw Exceptions::CException("The framework has not started", "writePreview(const CSystemString &, "
                                                                      "const CSystemString &)");
    font->setFont(FACE_NAME, CONTROL_POINTS, false, false, false, false);
    const CRect client(0, 0, CPanelLayout::CLIENT_WIDTH, CPanelLayout::CLIENT_HEIGHT);
    Basics::TCountedReference<GUI::Windows::CWindow> window(new GUI::Windows::CWindow(client));
    GUI::Controls::IControlRoot &root = *window->getControlRoot();
    root.setBackgroundImage(new GUI::Graphics::CPNGImage(background));
    for (const SPanelLayout &panel : CPanelLayout::getPanels())
        addFirstTexts(root, panel);
    window->drawOffscreen(client);
    save(window->getOffscreenPicture(), path);
}
} // namespace Corvane::Orvo::Pictures
