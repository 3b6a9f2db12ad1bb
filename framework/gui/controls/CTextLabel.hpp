#pragma once

#include "framework/basics/CString.hpp"
#include "framework/gui/controls/CControl.hpp"
#include "framework/gui/graphics/CFont.hpp"

namespace Corvane::GUI::Controls
{
/**
 * Shows one text (line breaks allowed) in a font, a colour and one of the eleven text alignments
 * of the graphics surface, over the control's primary image or default background. Clicks pass
 * through a label to whatever lies under it; a file dropped on it shows its path.
 */
class CTextLabel : public CControl, private Basics::TInstanceCounter<CTextLabel>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr long NUMBER_OF_ALIGNMENTS = 11;

    /** Black text in the default font, aligned as a label (code 9); asks to be drawn. */
    CTextLabel(IControlRoot *root, long uniqueId, const MathTools::CRect &area, const Basics::CString &text);

    using CControl::setColours;
    /** Note the order: frame, background, text. None of the colour, font or alignment setters redraws. */
    virtual void setColours(const MathTools::CAlphaColour &frame, const MathTools::CAlphaColour &background,
                            const MathTools::CAlphaColour &text);
    virtual void setTextColour(const MathTools::CAlphaColour &colour);
    /** Null draws in whatever the default font is at drawing time. */
    virtual void setFont(Graphics::CFont *font);
    /** Copies the text and asks to be redrawn. */
    virtual void setText(const Basics::CString &text);
    /** One of the graphics surface's alignment codes 0 to 10; others draw as left / top. */
    virtual void setTextAlignment(long alignment);

    const MathTools::CAlphaColour &getTextColour() const { return m_textColour; }
    Graphics::CFont *getFont() const { return m_font.get(); }
    const Basics::CString &getText() const { return m_text; }
    long getTextAlignment() const { return m_alignment; }

    /** The display name of alignment @p code ("Left / Top" ... "Default Single Line"); null outside 0 to 10. */
    static const char *getAlignmentName(long code);

    void drawControl(Graphics::CGraphics &graphics) override;
    /** Shows the path of the first dropped file. */
    void handleFileDrop(const CDropEvent &event) override;

    /** The control's properties, then "Text", "Text Colour" and "Alignment". */
    void getPropertyDescriptors(Basics::TPointerCollection<CControlDescriptor> &list) const override;
    bool setProperty(const CControlDescriptor &descriptor) override;
    bool getProperty(CControlDescriptor &descriptor) const override;

private:
    Basics::TCountedReference<Graphics::CFont> m_font;
    MathTools::CAlphaColour m_textColour{0, 0, 0, 255};
    Basics::CString m_text;
    std::int32_t m_alignment = 9;
};
} // namespace Corvane::GUI::Controls
