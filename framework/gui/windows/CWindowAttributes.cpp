#include "framework/gui/windows/CWindowAttributes.hpp"

namespace Corvane::GUI::Windows
{
CORVANE_DEFINE_CLASS(CWindowAttributes, "CWindowAttributes", "CCountedObject")

CWindowAttributes::CWindowAttributes() : m_title("Application"), m_backgroundColour(255, 255, 255)
{
}

CWindowAttributes::CWindowAttributes(const CWindowAttributes &other)
    : CCountedObject(other), TInstanceCounter<CWindowAttributes>(other)
{
    *this = other;
}

CWindowAttributes &CWindowAttributes::operator=(const CWindowAttributes &other)
{
    if (this == &other)
        return *this;
    setAttributes(other.m_title, other.m_backgroundColour, other.m_alpha, other.m_icon.get(), other.m_enabled,
                  other.m_dropShadow);
    setWindowStyle(other.m_style, other.m_extendedStyle);
    return *this;
}

void CWindowAttributes::setAttributes(const Basics::CString &title, const MathTools::CColour &backgroundColour,
                                      double alpha, CWindowIcon *icon, bool enabled, bool dropShadow)
{
    m_title = title;
    m_backgroundColour = backgroundColour;
    m_alpha = alpha;
    setWindowIcon(icon);
    m_enabled = enabled;
    m_dropShadow = dropShadow;
}

void CWindowAttributes::setWindowIcon(CWindowIcon *icon)
{
    m_icon.reset(icon);
}

void CWindowAttributes::setWindowStyle(std::uint32_t style, std::uint32_t extendedStyle)
{
    m_style = style;
    m_extendedStyle = extendedStyle;
}

void CWindowAttributes::setWindowStylePreset(long preset)
{
    if (preset == PRESET_RESIZABLE)
        setWindowStyle(DEFAULT_STYLE, EXTENDED_STYLE_ACCEPT_FILES);
    else if (preset == PRESET_FIXED_FRAME || preset == PRESET_FIXED_FRAME_TOO)
        setWindowStyle(STYLE_FIXED_FRAME, EXTENDED_STYLE_ACCEPT_FILES);
}
} // namespace Corvane::GUI::Windows
