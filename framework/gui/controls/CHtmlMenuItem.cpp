#include "framework/gui/controls/CHtmlMenuItem.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CHtmlMenuItem, "CHtmlMenuItem", "CMenuItem")

CHtmlMenuItem::CHtmlMenuItem(const Basics::CString &link, const Basics::CString &text, long id)
    : CMenuItem(text, id, LINK, true), m_link(link)
{
}

void CHtmlMenuItem::setLink(const Basics::CString &link)
{
    m_link.setString(link);
}

bool CHtmlMenuItem::openLink() const
{
    // Opening puts a missing scheme in front: the item keeps its link as it was given.
    Basics::CHtmlString address(m_link);
    return address.openAddress();
}
} // namespace Corvane::GUI::Controls
