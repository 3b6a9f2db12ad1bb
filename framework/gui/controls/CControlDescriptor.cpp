#include "framework/gui/controls/CControlDescriptor.hpp"

#include "framework/basics/CBool.hpp"
#include "framework/basics/CLong.hpp"
#include "framework/gui/controls/CNameList.hpp"
#include "framework/mathtools/CAlphaColour.hpp"
#include "framework/mathtools/CRect.hpp"

namespace Corvane::GUI::Controls
{
CORVANE_DEFINE_CLASS(CControlDescriptor, "CControlDescriptor", "CCountedObject")

CControlDescriptor::CControlDescriptor(const Basics::CString &name, long type, Basics::ICountedObject *value)
    : m_name(name), m_type(static_cast<std::int32_t>(type)), m_value(value)
{
}

bool CControlDescriptor::isValueOfType(const Basics::CClass &valueClass) const
{
    return m_value && m_value->getClass() == valueClass;
}

const Basics::CClass *CControlDescriptor::getValueClass(long type)
{
    switch (type)
    {
    case AREA:
        return &MathTools::CRect::classRecord();
    case IMAGE:
    case TEXT:
        return &Basics::CString::classRecord();
    case COLOUR:
        return &MathTools::CAlphaColour::classRecord();
    case YES_NO:
        return &Basics::CBool::classRecord();
    case WHOLE_NUMBER:
        return &Basics::CLong::classRecord();
    case CHOICE:
        return &CNameList::classRecord();
    default:
        return nullptr;
    }
}
} // namespace Corvane::GUI::Controls
