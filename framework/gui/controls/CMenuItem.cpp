#include "framework/gui/controls/CMenuItem.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CMenuItem, "CMenuItem", "CCountedObject")

CMenuItem::CMenuItem(const Basics::CString &text, long id, long type, bool enabled)
    : m_text(text),
      m_id(static_cast<std::int32_t>(id)),
      m_type(static_cast<std::int32_t>(type)),
      m_enabled(enabled)
{
}

CMenuItem::~CMenuItem() = default;

void CMenuItem::setText(const Basics::CString &text)
{
    m_text = text;
}

void CMenuItem::setId(long id)
{
    m_id = static_cast<std::int32_t>(id);
}

void CMenuItem::setType(long type)
{
    m_type = static_cast<std::int32_t>(type);
}

void CMenuItem::setEnabled(bool enabled)
{
    m_enabled = enabled;
}

void CMenuItem::setTag(long tag)
{
    m_tag = static_cast<std::int32_t>(tag);
}

void CMenuItem::setImages(Graphics::CBaseImage *normalImage, Graphics::CBaseImage *highlightImage)
{
    m_normalImage.reset(normalImage);
    m_highlightImage.reset(highlightImage);
}

void CMenuItem::setOwnTextColour(const MathTools::CAlphaColour &colour, bool use)
{
    m_ownColour = colour;
    m_useOwnColour = use;
}
} // namespace Corvane::GUI::Controls
