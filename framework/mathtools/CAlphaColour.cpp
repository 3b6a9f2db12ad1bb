#include "framework/mathtools/CAlphaColour.hpp"

#include "framework/basics/CString.hpp"

namespace Corvane::MathTools
{
CORVANE_DEFINE_CLASS(CAlphaColour, "CAlphaColour", "CColour")

const CAlphaColour CAlphaColour::CALPHACOLOUR_BLACK(0, 0, 0, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_WHITE(255, 255, 255, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_RED(243, 32, 32, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_GREEN(102, 200, 85, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_BLUE(85, 86, 200, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_YELLOW(219, 230, 49, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_ORANGE(239, 149, 41, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_TURQUOISE(116, 184, 188, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_PURPLE(153, 116, 188, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_PINK(226, 74, 160, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_LIGHT_GREY(208, 208, 208, 255);
const CAlphaColour CAlphaColour::CALPHACOLOUR_GREY(147, 147, 147, 255);

CAlphaColour::CAlphaColour(long red, long green, long blue, long alpha) : CColour(red, green, blue)
{
    setAlpha(alpha);
}

void CAlphaColour::getObjectDescription(char *text, long size) const
{
    Basics::CString description;
    description.setStringWithFormat("[%li,%li,%li,%li]", getRed(), getGreen(), getBlue(), getAlpha());
    description.getString(text, size);
}

void CAlphaColour::setColour(long red, long green, long blue, long alpha)
{
    CColour::setColour(red, green, blue);
    setAlpha(alpha);
}

CAlphaColour &CAlphaColour::operator=(const CAlphaColour &other)
{
    setColour(other.getRed(), other.getGreen(), other.getBlue(), other.getAlpha());
    return *this;
}

CAlphaColour &CAlphaColour::operator=(const CColour &other)
{
    setColour(other.getRed(), other.getGreen(), other.getBlue(), 255);
    return *this;
}

bool CAlphaColour::operator==(const CAlphaColour &other) const
{
    return CColour::operator==(other) && m_alpha == other.m_alpha;
}

void CAlphaColour::setAlpha(long alpha)
{
    m_alpha = static_cast<std::int32_t>(alpha);
}
} // namespace Corvane::MathTools
