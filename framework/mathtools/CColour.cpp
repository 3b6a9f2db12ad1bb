#include "framework/mathtools/CColour.hpp"

#include "framework/basics/CString.hpp"

namespace Corvane::MathTools
{
CORVANE_DEFINE_CLASS(CColour, "CColour", "CCountedObject")

const CColour CColour::CCOLOUR_BLACK(0, 0, 0);
const CColour CColour::CCOLOUR_WHITE(255, 255, 255);
const CColour CColour::CCOLOUR_RED(243, 32, 32);
const CColour CColour::CCOLOUR_GREEN(102, 200, 85);
const CColour CColour::CCOLOUR_BLUE(85, 86, 200);
const CColour CColour::CCOLOUR_YELLOW(219, 230, 49);
const CColour CColour::CCOLOUR_ORANGE(239, 149, 41);
const CColour CColour::CCOLOUR_TURQUOISE(116, 184, 188);
const CColour CColour::CCOLOUR_PURPLE(153, 116, 188);
const CColour CColour::CCOLOUR_PINK(226, 74, 160);
const CColour CColour::CCOLOUR_LIGHT_GREY(208, 208, 208);
const CColour CColour::CCOLOUR_GREY(147, 147, 147);

namespace
{
long byteOf(std::uint32_t packed, int index)
{
    return static_cast<long>((packed >> (8 * index)) & 0xFFu);
}
} // namespace

CColour::CColour(long red, long green, long blue)
{
    CColour::setColour(red, green, blue);
}

CColour::CColour(std::uint32_t colourRef)
{
    *this = colourRef;
}

void CColour::getObjectDescription(char *text, long size) const
{
    Basics::CString description;
    description.setStringWithFormat("[%li,%li,%li]", getRed(), getGreen(), getBlue());
    description.getString(text, size);
}

void CColour::setColour(long red, long green, long blue)
{
    setRed(red);
    setGreen(green);
    setBlue(blue);
}

CColour &CColour::operator=(const CColour &other)
{
    setColour(other.getRed(), other.getGreen(), other.getBlue());
    return *this;
}

CColour &CColour::operator=(std::uint32_t colourRef)
{
    setColour(byteOf(colourRef, 0), byteOf(colourRef, 1), byteOf(colourRef, 2));
    return *this;
}

bool CColour::operator==(const CColour &other) const
{
    return m_red == other.m_red && m_green == other.m_green && m_blue == other.m_blue;
}

std::uint32_t CColour::getAsColourRef() const
{
    return (static_cast<std::uint32_t>(m_blue) * 256u + static_cast<std::uint32_t>(m_green)) * 256u +
           static_cast<std::uint32_t>(m_red);
}

void CColour::setRed(long red)
{
    m_red = static_cast<std::int32_t>(red);
}

void CColour::setGreen(long green)
{
    m_green = static_cast<std::int32_t>(green);
}

void CColour::setBlue(long blue)
{
    m_blue = static_cast<std::int32_t>(blue);
}
} // namespace Corvane::MathTools
