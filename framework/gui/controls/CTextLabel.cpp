#include "framework/gui/controls/CTextLabel.hpp"

#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/controls/TControlProperty.hpp"
#include "framework/gui/graphics/CGraphics.hpp"

namespace Corvane::GUI::Controls
{
using Basics::CString;
using MathTools::CAlphaColour;

CORVANE_DEFINE_CLASS(CTextLabel, "CTextLabel", "CControl")

namespace
{
using Property = TControlProperty<CTextLabel>;

const char *const ALIGNMENT_NAMES[CTextLabel::NUMBER_OF_ALIGNMENTS] = {
    "Left / Top",    "Center / Top",    "Right / Top",    "Left / Center", "Center / Center",    "Right / Center",
    "Left / Bottom", "Center / Bottom", "Right / Bottom", "Default Label", "Default Single Line"};

void readAlignment(const CTextLabel &label, CControlDescriptor &descriptor)
{
    setChoiceValue(descriptor, ALIGNMENT_NAMES, label.getTextAlignment());
}

bool writeAlignment(CTextLabel &label, const CControlDescriptor &descriptor)
{
    if (descriptor.getSelectedIndex() == -1)
        return false;
    label.setTextAlignment(descriptor.getSelectedIndex());
    return true;
}

const Property PROPERTIES[] = {
    {"Text", CControlDescriptor::TEXT,
     [](const CTextLabel &label, CControlDescriptor &descriptor) { descriptor.setValue(new CString(label.getText())); },
     [](CTextLabel &label, const CControlDescriptor &descriptor)
     {
         label.setText(descriptorValue<CString>(descriptor));
         return true;
     }},
    {"Text Colour", CControlDescriptor::COLOUR,
     [](const CTextLabel &label, CControlDescriptor &descriptor)
     { descriptor.setValue(new CAlphaColour(label.getTextColour())); },
     [](CTextLabel &label, const CControlDescriptor &descriptor)
     {
         label.setTextColour(descriptorValue<CAlphaColour>(descriptor));
         return true;
     }},
    {"Alignment", CControlDescriptor::CHOICE, readAlignment, writeAlignment},
};
} // namespace

CTextLabel::CTextLabel(IControlRoot *root, long uniqueId, const MathTools::CRect &area, const CString &text)
    : CControl(root, uniqueId, area, nullptr), m_font(Graphics::CFont::getDefaultFont()), m_text(text)
{
    setMouseEnabled(false);
    setDropFileEnabled(true);
    update();
}

void CTextLabel::setColours(const CAlphaColour &frame, const CAlphaColour &background, const CAlphaColour &text)
{
    CControl::setColours(background, frame);
    m_textColour = text;
}

void CTextLabel::setTextColour(const CAlphaColour &colour)
{
    setColours(getFrameColour(), getBackgroundColour(), colour);
}

void CTextLabel::setFont(Graphics::CFont *font)
{
    m_font.reset(font);
}

void CTextLabel::setText(const CString &text)
{
    m_text = text;
    update();
}

void CTextLabel::setTextAlignment(long alignment)
{
    m_alignment = static_cast<std::int32_t>(alignment);
}

const char *CTextLabel::getAlignmentName(long code)
{
    return code >= 0 && code < NUMBER_OF_ALIGNMENTS ? ALIGNMENT_NAMES[code] : nullptr;
}

void CTextLabel::drawControl(Graphics::CGraphics &graphics)
{
    if (!drawDisabledControl(graphics))
        return;
    drawBackground(graphics, isDefaultControlDrawing());
    graphics.setTextColour(m_textColour);
    // One pixel in from the corner at the label's full size: the clip cuts off what overhangs.
    const MathTools::CDimension &size = getDimension();
    graphics.drawText(m_text, MathTools::CRect(1, 1, size.getWidth(), size.getHeight()), m_font.get(), m_alignment);
}

void CTextLabel::handleFileDrop(const CDropEvent &event)
{
    if (const CString *first = event.getFileNames().getName(0))
        setText(*first);
}

void CTextLabel::getPropertyDescriptors(Basics::TPointerCollection<CControlDescriptor> &list) const
{
    CControl::getPropertyDescriptors(list);
    appendControlProperties(PROPERTIES, list);
}

bool CTextLabel::setProperty(const CControlDescriptor &descriptor)
{
    if (const Property *row = findControlProperty(PROPERTIES, descriptor.getName()))
        return applyControlProperty(*row, *this, descriptor);
    return CControl::setProperty(descriptor);
}

bool CTextLabel::getProperty(CControlDescriptor &descriptor) const
{
    return readControlProperty(PROPERTIES, *this, descriptor) || CControl::getProperty(descriptor);
}
} // namespace Corvane::GUI::Controls
