#pragma once

#include "framework/basics/CClass.hpp"
#include "framework/basics/ICountedObject.hpp"
#include "framework/basics/TCounted.hpp"

namespace Corvane::Basics
{
/**
 * The usual implementation of ICountedObject, the root of the "CCountedObject" branch of the
 * class tree. The count is TCounted's: it starts at 0, the first dereference() that takes it
 * below 1 deletes the object, and copies start with their own count of 0.
 */
class CCountedObject : public TCounted<ICountedObject>, private TInstanceCounter<CCountedObject>
{
public:
    CORVANE_DECLARE_CLASS

    CCountedObject() = default;
    CCountedObject(const CCountedObject &other) : TCounted(other), TInstanceCounter<CCountedObject>(other) {}
    CCountedObject &operator=(const CCountedObject &) { return *this; }

    /** "[CCounted Object Base Reference Count = N", cut to the caller's buffer. */
    void getObjectDescription(char *text, long size) const override;
};
} // namespace Corvane::Basics
