#include "framework/gui/graphics/TextMeasure.hpp"

#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/graphics/CTextLayout.hpp"
#include "framework/gui/graphics/ImagePixels.hpp"

namespace Corvane::GUI::Graphics
{
MathTools::CDimension measureTextBlock(const Basics::CString &text, const CFont *font, long wrapWidth)
{
    if (font == nullptr)
        font = CFont::getDefaultFont();
    const PictureSurface scratch = createPictureSurface(1, 1);
    if (font == nullptr || !scratch)
        return MathTools::CDimension();
    const TargetHolder target(cairo_create(scratch.get()));
    CTextLayout layout(target.get(), font->getFontHandle(), text.getString());
    if (wrapWidth > 0)
        layout.wrapLines(wrapWidth, CTextLayout::START);
    return layout.getSize();
}
} // namespace Corvane::GUI::Graphics
