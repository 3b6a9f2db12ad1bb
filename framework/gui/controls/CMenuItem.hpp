#pragma once

#include "framework/basics/CCountedObject.hpp"
#include "framework/basics/CString.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/graphics/CBaseImage.hpp"
#include "framework/mathtools/CAlphaColour.hpp"

#include <cstdint>

namespace Corvane::GUI::Controls
{
/**
 * One entry of a CMenu: the text shown, the id reported when it is chosen, its type (which
 * decides how a menu window lays it out and what choosing it does), whether it can be chosen,
 * and optional pictures and text colour. Items are shared by counted reference, so one item can
 * sit in several menus at once.
 */
class CMenuItem : public Basics::CCountedObject, private Basics::TInstanceCounter<CMenuItem>
{
public:
    CORVANE_DECLARE_CLASS

    /** What an item is; a menu window lays out and answers each type in its own way. */
    enum EType
    {
        PLAIN = 0,       // chosen by a click
        LINK = 1,        // opens a web address, then counts as chosen
        SEPARATOR = 2,   // a thin divider, never measured or chosen
        CHECK = 3,       // has a check state (CCheckMenuItem); gives the menu a picture column
        SUB_MENU = 4,    // opens another menu (CSubMenuMenuItem)
        COLUMN_BREAK = 5 // the following items start a new column
    };

    CMenuItem(const Basics::CString &text, long id, long type, bool enabled);
    CMenuItem(const CMenuItem &) = delete;
    CMenuItem &operator=(const CMenuItem &) = delete;
    ~CMenuItem() override;

    virtual void setText(const Basics::CString &text);
    virtual void setId(long id);
    virtual void setType(long type);
    virtual void setEnabled(bool enabled);
    virtual void setTag(long tag);
    /** Holds each picture by counted reference; null for none. */
    virtual void setImages(Graphics::CBaseImage *normalImage, Graphics::CBaseImage *highlightImage);

    virtual const Basics::CString &getText() const { return m_text; }
    virtual long getId() const { return m_id; }
    virtual long getType() const { return m_type; }
    virtual bool isEnabled() const { return m_enabled; }
    /** A spare value for the application; the menus never read it. */
    virtual long getTag() const { return m_tag; }
    virtual Graphics::CBaseImage *getNormalImage() const { return m_normalImage.get(); }
    virtual Graphics::CBaseImage *getHighlightImage() const { return m_highlightImage.get(); }

    /** With @p use, the item's text is drawn in @p colour instead of the menu's text colour. */
    void setOwnTextColour(const MathTools::CAlphaColour &colour, bool use);
    bool hasOwnTextColour() const { return m_useOwnColour; }
    const MathTools::CAlphaColour &getOwnTextColour() const { return m_ownColour; }

private:
    Basics::CString m_text;
    std::int32_t m_id;
    std::int32_t m_tag = 0;
    std::int32_t m_type;
    bool m_enabled;
    Basics::TCountedReference<Graphics::CBaseImage> m_normalImage;
    Basics::TCountedReference<Graphics::CBaseImage> m_highlightImage;
    MathTools::CAlphaColour m_ownColour{0, 0, 0, 255};
    bool m_useOwnColour = false;
};
} // namespace Corvane::GUI::Controls
