#pragma once

#include "framework/gui/controls/CMenuItem.hpp"

namespace Corvane::GUI::Controls
{
/**
 * An item with a check state, which choosing it flips. A menu holding one shows a column at the
 * left of every item: a tick for a checked item, or the item's state pictures when it has them.
 */
class CCheckMenuItem : public CMenuItem, private Basics::TInstanceCounter<CCheckMenuItem>
{
public:
    CORVANE_DECLARE_CLASS

    CCheckMenuItem(const Basics::CString &text, long id, bool checked);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked) { m_checked = checked; }
    /** Each held by counted reference; null for none. */
    void setStateImages(Graphics::CBaseImage *checked, Graphics::CBaseImage *unchecked,
                        Graphics::CBaseImage *highlighted);
    Graphics::CBaseImage *getCheckedImage() const { return m_checkedImage.get(); }
    Graphics::CBaseImage *getUncheckedImage() const { return m_uncheckedImage.get(); }
    Graphics::CBaseImage *getHighlightedStateImage() const { return m_highlightedImage.get(); }
    /** The highlighted picture while highlighted, when there is one; else the picture of the item's state. */
    Graphics::CBaseImage *getStateImage(bool highlighted) const;

private:
    bool m_checked;
    Basics::TCountedReference<Graphics::CBaseImage> m_checkedImage;
    Basics::TCountedReference<Graphics::CBaseImage> m_uncheckedImage;
    Basics::TCountedReference<Graphics::CBaseImage> m_highlightedImage;
};
} // namespace Corvane::GUI::Controls
