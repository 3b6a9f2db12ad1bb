#pragma once

#include "framework/basics/CString.hpp"

namespace Corvane::Basics
{
/** A boxed truth value whose text form is "True" or "False". */
class CBool : public CCountedObject, private TInstanceCounter<CBool>
{
public:
    CORVANE_DECLARE_CLASS

    explicit CBool(bool value = false) : m_value(value) {}
    CBool(const CBool &other) : CCountedObject(other), TInstanceCounter<CBool>(other), m_value(other.m_value) {}

    CBool &operator=(bool value);
    CBool &operator=(const CBool &other);
    void setValue(bool value) { m_value = value; }
    bool getValue() const { return m_value; }

    bool operator==(bool value) const { return m_value == value; }
    bool operator==(const CBool &other) const { return m_value == other.m_value; }
    bool operator!=(bool value) const { return m_value != value; }
    bool operator!=(const CBool &other) const { return m_value != other.m_value; }

    CString getAsString() const;
    /** Sets @p text to "True" or "False". */
    void writeTo(CString &text) const;

    void getObjectDescription(char *text, long size) const override;

private:
    bool m_value;
};
} // namespace Corvane::Basics
