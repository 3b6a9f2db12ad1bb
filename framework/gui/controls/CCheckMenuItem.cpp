#include "framework/gui/controls/CCheckMenuItem.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CCheckMenuItem, "CCheckMenuItem", "CMenuItem")

CCheckMenuItem::CCheckMenuItem(const Basics::CString &text, long id, bool checked)
    : CMenuItem(text, id, CHECK, true), m_checked(checked)
{
}

void CCheckMenuItem::setStateImages(Graphics::CBaseImage *checked, Graphics::CBaseImage *unchecked,
                                    Graphics::CBaseImage *highlighted)
{
    m_checkedImage.reset(checked);
    m_uncheckedImage.reset(unchecked);
    m_highlightedImage.reset(highlighted);
}

Graphics::CBaseImage *CCheckMenuItem::getStateImage(bool highlighted) const
{
    if (highlighted && getHighlightedStateImage() != nullptr)
        return getHighlightedStateImage();
    return m_checked ? getCheckedImage() : getUncheckedImage();
}
} // namespace Corvane::GUI::Controls
