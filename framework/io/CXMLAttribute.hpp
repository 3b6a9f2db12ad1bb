#pragma once

#include "framework/basics/CString.hpp"

namespace Corvane::IO
{
/**
 * One attribute of an XML element: a name and a value held as text. Names are normalised when
 * made: white space is trimmed from both ends and every inner blank becomes '_', so "my name"
 * is stored as my_name. Values are kept exactly as given.
 */
class CXMLAttribute : public Basics::CCountedObject, private Basics::TInstanceCounter<CXMLAttribute>
{
public:
    CORVANE_DECLARE_CLASS

    CXMLAttribute(const Basics::CString &name, const Basics::CString &value);
    /** Without this overload a text literal would choose the bool constructor. */
    CXMLAttribute(const Basics::CString &name, const char *value);
    /** "True" or "False". */
    CXMLAttribute(const Basics::CString &name, bool value);
    /** "%f": six decimals. */
    CXMLAttribute(const Basics::CString &name, double value);
    CXMLAttribute(const Basics::CString &name, float value);
    CXMLAttribute(const Basics::CString &name, long value);
    CXMLAttribute(const Basics::CString &name, int value);

    const Basics::CString &getName() const { return m_name; }
    const Basics::CString &getValue() const { return m_value; }

    void setValue(const Basics::CString &value);
    void setValue(const char *value);
    void setValue(bool value);
    void setValue(double value);
    void setValue(float value);
    void setValue(long value);
    void setValue(int value);

    double getValueAsDouble() const;
    float getValueAsFloat() const;
    long getValueAsLong() const;
    int getValueAsInt() const;
    /** True only for exactly "True". */
    bool getValueAsBool() const;

private:
    explicit CXMLAttribute(const Basics::CString &name);

    Basics::CString m_name;
    Basics::CString m_value;
};
} // namespace Corvane::IO
