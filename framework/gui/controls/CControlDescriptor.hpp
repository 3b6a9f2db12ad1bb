#pragma once

#include "framework/basics/CString.hpp"
#include "framework/basics/TCountedReference.hpp"

#include <cstdint>

namespace Corvane::GUI::Controls
{
/**
 * One property of a control, as a property editor sees it: its display name, the kind of its
 * value, and the value itself, a counted object of the class the kind names (held by counted
 * reference). A choice also says which entry of its list of names is selected.
 */
class CControlDescriptor : public Basics::CCountedObject, private Basics::TInstanceCounter<CControlDescriptor>
{
public:
    CORVANE_DECLARE_CLASS

    /** The kinds of value, and the class each value has. */
    static constexpr long AREA = 0;         // CRect
    static constexpr long IMAGE = 1;        // CString: the picture's name in the image store
    static constexpr long COLOUR = 2;       // CAlphaColour
    static constexpr long YES_NO = 3;       // CBool
    static constexpr long WHOLE_NUMBER = 4; // CLong
    static constexpr long TEXT = 6;         // CString
    static constexpr long CHOICE = 7;       // CNameList, with the selected index

    /** No selection. References @p value, which may be null. */
    CControlDescriptor(const Basics::CString &name, long type, Basics::ICountedObject *value = nullptr);
    CControlDescriptor(const CControlDescriptor &) = delete;
    CControlDescriptor &operator=(const CControlDescriptor &) = delete;

    const Basics::CString &getName() const { return m_name; }
    long getType() const { return m_type; }

    Basics::ICountedObject *getValue() const { return m_value.get(); }
    /** Holds @p value instead of the current one. */
    void setValue(Basics::ICountedObject *value) { m_value.reset(value); }
    /** Whether a value is held and its class record is exactly @p valueClass. */
    bool isValueOfType(const Basics::CClass &valueClass) const;

    /** For a choice, the index of the selected name; -1 for none. */
    long getSelectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(long index) { m_selectedIndex = static_cast<std::int32_t>(index); }

    /** The class record of the values of @p type; null for a number that names no kind. */
    static const Basics::CClass *getValueClass(long type);

private:
    Basics::CString m_name;
    std::int32_t m_type;
    Basics::TCountedReference<Basics::ICountedObject> m_value;
    std::int32_t m_selectedIndex = -1;
};
} // namespace Corvane::GUI::Controls
