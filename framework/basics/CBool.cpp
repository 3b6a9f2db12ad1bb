#include "framework/basics/CBool.hpp"

#include "framework/basics/TextBuffer.hpp"

namespace Corvane::Basics
{
CORVANE_DEFINE_CLASS(CBool, "CBool", "CCountedObject")

CBool &CBool::operator=(bool value)
{
    m_value = value;
    return *this;
}

CBool &CBool::operator=(const CBool &other)
{
    m_value = other.m_value;
    return *this;
}

CString CBool::getAsString() const
{
    CString text;
    writeTo(text);
    return text;
}

void CBool::writeTo(CString &text) const
{
    text = m_value;
}

void CBool::getObjectDescription(char *text, long size) const
{
    copyTextToBuffer(m_value ? "True" : "False", text, size);
}
} // namespace Corvane::Basics
