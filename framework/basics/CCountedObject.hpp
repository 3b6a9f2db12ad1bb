#pragma once

#include "framework/basics/CClass.hpp"
#include "framework/basics/ICountedObject.hpp"

namespace Corvane::Basics
{
/**
 * The usual implementation of ICountedObject. The count starts at 0; the first dereference()
 * that takes it below 1 deletes the object, so an object nobody referenced is deleted by its
 * owner instead. Copies start with their own count of 0.
 */
class CCountedObject : public ICountedObject, private TInstanceCounter<CCountedObject>
{
public:
    CORVANE_DECLARE_CLASS

    CCountedObject() = default;
    CCountedObject(const CCountedObject &) : ICountedObject(), TInstanceCounter<CCountedObject>() {}
    CCountedObject &operator=(const CCountedObject &) { return *this; }

    void reference() override;
    void dereference() override;
    std::int32_t getReferenceCount() const override;

    /** "[CCounted Object Base Reference Count = N", cut to the caller's buffer. */
    void getObjectDescription(char *text, long size) const override;

private:
    std::int32_t m_referenceCount = 0;
};
} // namespace Corvane::Basics
