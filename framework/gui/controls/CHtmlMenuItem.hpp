#pragma once

#include "framework/basics/CHtmlString.hpp"
#include "framework/gui/controls/CMenuItem.hpp"

namespace Corvane::GUI::Controls
{
/** An enabled item that opens a web address with the desktop's default handler when chosen. */
class CHtmlMenuItem : public CMenuItem, private Basics::TInstanceCounter<CHtmlMenuItem>
{
public:
    CORVANE_DECLARE_CLASS

    CHtmlMenuItem(const Basics::CString &link, const Basics::CString &text, long id);

    const Basics::CHtmlString &getLink() const { return m_link; }
    void setLink(const Basics::CString &link);
    /** Starts the default handler on the link (a bare site name gets "http://"); false when it cannot. */
    bool openLink() const;

private:
    Basics::CHtmlString m_link;
};
} // namespace Corvane::GUI::Controls
