#pragma once

#include "framework/basics/CString.hpp"

namespace Corvane::Exceptions
{
/**
 * The one exception type the framework throws, for programming errors and resources that cannot
 * be had: the reason in plain words and the signature of the function that failed.
 */
class CException : public Basics::CCountedObject, private Basics::TInstanceCounter<CException>
{
public:
    CORVANE_DECLARE_CLASS

    /** @p flag is accepted for the callers' sake; the flag is always set. */
    CException(const Basics::CString &errorReason, const Basics::CString &functionName, bool flag = true);
    CException(const CException &other);
    CException &operator=(const CException &) = delete;

    virtual const Basics::CString &getErrorReason() const;
    virtual const Basics::CString &getFunctionName() const;
    virtual bool getFlag() const;

private:
    Basics::CString m_errorReason;
    Basics::CString m_functionName;
    bool m_flag;
};
} // namespace Corvane::Exceptions
