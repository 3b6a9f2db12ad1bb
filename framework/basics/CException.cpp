#include "framework/basics/CException.hpp"

namespace Corvane::Exceptions
{
CORVANE_DEFINE_CLASS(CException, "CException", "CCountedObject")

CException::CException(const Basics::CString &errorReason, const Basics::CString &functionName, bool)
    : m_errorReason(errorReason), m_functionName(functionName), m_flag(true)
{
}

CException::CException(const CException &other)
    : CCountedObject(other), Basics::TInstanceCounter<CException>(other), m_errorReason(other.m_errorReason),
      m_functionName(other.m_functionName), m_flag(other.m_flag)
{
}

const Basics::CString &CException::getErrorReason() const
{
    return m_errorReason;
}

const Basics::CString &CException::getFunctionName() const
{
    return m_functionName;
}

bool CException::getFlag() const
{
    return m_flag;
}
} // namespace Corvane::Exceptions
