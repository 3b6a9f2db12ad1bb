#include "framework/io/CXMLAttribute.hpp"

namespace Corvane::IO
{
using Basics::CString;

CORVANE_DEFINE_CLASS(CXMLAttribute, "CXMLAttribute", "CCountedObject")

CXMLAttribute::CXMLAttribute(const CString &name) : m_name(name)
{
    m_name.removeWhiteSpace();
    m_name.replaceCharacter(' ', '_');
}

CXMLAttribute::CXMLAttribute(const CString &name, const CString &value) : CXMLAttribute(name)
{
    setValue(value);
}

CXMLAttribute::CXMLAttribute(const CString &name, const char *value) : CXMLAttribute(name)
{
    setValue(value);
}

CXMLAttribute::CXMLAttribute(const CString &name, bool value) : CXMLAttribute(name)
{
    setValue(value);
}

CXMLAttribute::CXMLAttribute(const CString &name, double value) : CXMLAttribute(name)
{
    setValue(value);
}

CXMLAttribute::CXMLAttribute(const CString &name, float value) : CXMLAttribute(name)
{
    setValue(value);
}

CXMLAttribute::CXMLAttribute(const CString &name, long value) : CXMLAttribute(name)
{
    setValue(value);
}

CXMLAttribute::CXMLAttribute(const CString &name, int value) : CXMLAttribute(name)
{
    setValue(value);
}

void CXMLAttribute::setValue(const CString &value)
{
    m_value = value;
}

void CXMLAttribute::setValue(const char *value)
{
    m_value = CString(value);
}

void CXMLAttribute::setValue(bool value)
{
    m_value = value;
}

void CXMLAttribute::setValue(double value)
{
    m_value.setStringWithFormat("%f", value);
}

void CXMLAttribute::setValue(float value)
{
    setValue(static_cast<double>(value));
}

void CXMLAttribute::setValue(long value)
{
    m_value.setStringWithFormat("%li", value);
}

void CXMLAttribute::setValue(int value)
{
    m_value.setStringWithFormat("%d", value);
}

double CXMLAttribute::getValueAsDouble() const
{
    return CString::toDouble(m_value.getString());
}

float CXMLAttribute::getValueAsFloat() const
{
    return static_cast<float>(getValueAsDouble());
}

long CXMLAttribute::getValueAsLong() const
{
    return CString::toLong(m_value.getString());
}

int CXMLAttribute::getValueAsInt() const
{
    return static_cast<int>(getValueAsLong());
}

bool CXMLAttribute::getValueAsBool() const
{
    return m_value == "True";
}
} // namespace Corvane::IO
